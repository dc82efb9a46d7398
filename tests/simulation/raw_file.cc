#include "raw_file.h"

#include <cstdlib>
#include <sstream>

namespace corvane::simulation {
namespace {

// "Key: value" of a header line, or empty when the line has another key.
bool header_value(const std::string& line, std::string_view key, std::string& value) {
  if (!line.starts_with(key)) return false;
  std::size_t start = key.size();
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
  value = line.substr(start);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
  return true;
}

// A value as written: "1.5e-3", or "re,im" for a complex one.
bool parse_value(const std::string& text, double& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  value = std::strtod(begin, &end);
  return end != begin;
}

}  // namespace

int Plot::find(std::string_view vector) const {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == vector) return static_cast<int>(i);
  }
  return -1;
}

std::vector<Plot> read_raw_file(std::string_view text, std::string& error) {
  std::vector<Plot> plots;
  std::istringstream lines{std::string(text)};
  std::string line;
  std::size_t variables = 0;
  std::size_t points = 0;
  Plot plot;
  std::string value;
  while (std::getline(lines, line)) {
    if (header_value(line, "Plotname:", value)) {
      plot = Plot{};
      plot.name = value;
    } else if (header_value(line, "No. Variables:", value)) {
      variables = static_cast<std::size_t>(std::strtoul(value.c_str(), nullptr, 10));
    } else if (header_value(line, "No. Points:", value)) {
      points = static_cast<std::size_t>(std::strtoul(value.c_str(), nullptr, 10));
    } else if (line.starts_with("Variables:")) {
      for (std::size_t i = 0; i < variables && std::getline(lines, line); ++i) {
        std::istringstream words(line);
        std::string index;
        std::string name;
        words >> index >> name;
        plot.names.push_back(name);
      }
      plot.values.assign(plot.names.size(), {});
    } else if (line.starts_with("Values:")) {
      for (std::size_t point = 0; point < points; ++point) {
        for (std::size_t i = 0; i < plot.names.size(); ++i) {
          if (!std::getline(lines, line)) {
            error = plot.name + ": the file ends inside point " + std::to_string(point);
            return {};
          }
          std::istringstream words(line);
          std::string word;
          if (i == 0) words >> word;  // the point's number
          words >> word;
          double number = 0;
          if (!parse_value(word, number)) {
            error = plot.name + ": no value in \"" + line + "\"";
            return {};
          }
          plot.values[i].push_back(number);
        }
      }
      plots.push_back(std::move(plot));
      plot = Plot{};
    } else if (line.starts_with("Binary:")) {
      error = "a binary raw file (set filetype=ascii)";
      return {};
    }
  }
  if (plots.empty()) error = "no plot in the raw file";
  return plots;
}

}  // namespace corvane::simulation
