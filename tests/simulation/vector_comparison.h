#pragma once

#include <string>
#include <vector>

#include "raw_file.h"

namespace corvane::simulation {

/// How close two results must be: |a - b| <= relative * max(|a|, |b|) +
/// absolute, the absolute floor by kind so that values that are zero in
/// one run and rounding noise in the other agree.
struct Tolerance {
  double relative = 1e-6;
  double voltage = 1e-9;   // V
  double current = 1e-12;  // A
};

/// The vectors the comparison looks at: node voltages "v(...)" and the
/// currents of independent voltage sources "i(v...)", whose names the
/// translation keeps. Currents of other elements are left out: the
/// translation writes controlled sources under other letters (an F line is
/// a G source), so their currents have other names.
bool is_compared(const std::string& vector);

/// A translation's vector name as the reference names it: the prefix that
/// global node names carry (Ondrel's "$G_", as ngspice reads it) is taken
/// off.
std::string reference_name(const std::string& translated_vector);

/// Every way the translation's plots differ from the reference's: a plot or
/// compared vector the reference has and the translation lacks, or a value
/// out of tolerance. Transients are compared at the reference's time
/// points, the translation's values interpolated linearly; other plots
/// point by point. Empty when they agree.
std::vector<std::string> compare_plots(const std::vector<Plot>& reference,
                                       const std::vector<Plot>& translation,
                                       const Tolerance& tolerance = {});

}  // namespace corvane::simulation
