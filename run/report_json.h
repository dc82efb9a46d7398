#pragma once

#include <string>

#include "run/translation_run.h"

namespace corvane {

/// The run's translation report as JSON: one record per pair in input order,
/// with the messages by statement, the model cards and the parameters they
/// dropped, and totals per file and for the run. The run must have collected
/// reports (`RunServices::collect_reports`).
std::string run_report_json(const RunResult& result);

}  // namespace corvane
