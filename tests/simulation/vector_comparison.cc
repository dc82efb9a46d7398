#include "vector_comparison.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "ngspice_limits.h"

namespace corvane::simulation {
namespace {

constexpr int kDifferencesShown = 3;

std::string number(double value) {
  std::ostringstream text;
  text.precision(12);
  text << value;
  return text.str();
}

// The translation's value at `x` of its first vector, linearly between the
// points around it (the first or last value outside them).
double interpolated(const Plot& plot, int vector, double x) {
  const std::vector<double>& xs = plot.values[0];
  const std::vector<double>& ys = plot.values[static_cast<std::size_t>(vector)];
  if (xs.empty()) return 0;
  const auto after = std::lower_bound(xs.begin(), xs.end(), x);
  if (after == xs.begin()) return ys.front();
  if (after == xs.end()) return ys.back();
  const std::size_t i = static_cast<std::size_t>(after - xs.begin());
  const double x0 = xs[i - 1];
  const double x1 = xs[i];
  if (x1 == x0) return ys[i];
  return ys[i - 1] + (ys[i] - ys[i - 1]) * (x - x0) / (x1 - x0);
}

bool close(double a, double b, double relative, double absolute) {
  return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b)) + absolute;
}

// The translation's vector for a reference name, after its renames.
int translated_vector(const Plot& translation, const std::string& name) {
  for (std::size_t i = 0; i < translation.names.size(); ++i) {
    if (reference_name(translation.names[i]) == name) return static_cast<int>(i);
  }
  return -1;
}

// An operating point has no scale; in every other plot the first vector is
// the time or the swept value.
bool has_scale(const Plot& plot) { return plot.name != "Operating Point"; }

void compare_plot(const Plot& reference, const Plot& translation, const Tolerance& tolerance,
                  std::vector<std::string>& differences) {
  if (reference.names.empty()) return;
  const bool scaled = has_scale(reference);
  const bool transient = scaled && reference.names[0] == "time";
  if (!transient &&
      (translation.values.empty() || reference.values[0].size() != translation.values[0].size())) {
    differences.push_back(
        reference.name + ": " + std::to_string(reference.values[0].size()) +
        " points in the reference, " +
        std::to_string(translation.values.empty() ? 0 : translation.values[0].size()) +
        " in the translation");
    return;
  }
  for (std::size_t v = 0; v < reference.names.size(); ++v) {
    const std::string& name = reference.names[v];
    const bool scale = scaled && v == 0;
    if (!scale && !is_compared(name)) continue;
    const int t = scale ? 0 : translated_vector(translation, name);
    if (t < 0) {
      differences.push_back(reference.name + ": " + name + " is missing from the translation");
      continue;
    }
    if (scale && transient) continue;
    const double absolute = name.starts_with("i(") ? tolerance.current : tolerance.voltage;
    int shown = 0;
    for (std::size_t p = 0; p < reference.values[v].size(); ++p) {
      const double expected = reference.values[v][p];
      const double actual = transient ? interpolated(translation, t, reference.values[0][p])
                                      : translation.values[static_cast<std::size_t>(t)][p];
      if (close(expected, actual, tolerance.relative, absolute)) continue;
      if (shown++ < kDifferencesShown) {
        const std::string where =
            scaled ? " at " + reference.names[0] + " " + number(reference.values[0][p]) : "";
        differences.push_back(reference.name + ": " + name + where + ": reference " +
                              number(expected) + ", translation " + number(actual));
      }
    }
  }
}

}  // namespace

bool is_compared(const std::string& vector) {
  return vector.starts_with("v(") || vector.starts_with("i(v");
}

std::string reference_name(const std::string& translated_vector) {
  const std::string prefix = kGlobalPrefix;
  std::string name = translated_vector;
  for (std::size_t at = name.find(prefix); at != std::string::npos; at = name.find(prefix, at)) {
    name.erase(at, prefix.size());
  }
  return name;
}

std::vector<std::string> compare_plots(const std::vector<Plot>& reference,
                                       const std::vector<Plot>& translation,
                                       const Tolerance& tolerance) {
  std::vector<std::string> differences;
  std::vector<bool> used(translation.size(), false);
  for (const Plot& plot : reference) {
    // Plots of the same analysis pair up in the order they were run.
    std::size_t match = 0;
    while (match < translation.size() && (used[match] || translation[match].name != plot.name)) {
      ++match;
    }
    if (match == translation.size()) {
      differences.push_back(plot.name + " is missing from the translation");
      continue;
    }
    used[match] = true;
    compare_plot(plot, translation[match], tolerance, differences);
  }
  return differences;
}

}  // namespace corvane::simulation
