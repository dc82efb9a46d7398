#include "run/string_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace corvane {
namespace {

constexpr std::array<std::pair<int, std::string_view>, 18> kStrings = {{
    {IDS_TRANSLATOR_VERSION, "Ondrel library translator (%s)"},
    {IDS_TRANSLATOR_STARTED, "Translator started at "},
    {IDS_TRANSLATOR_STOPPED, "Translator stopped at "},
    {IDS_TIME_FORMAT, "%A, %B %d, %Y %H:%M:%S"},
    {IDS_NO_OUTPUT_DIRECTORY, "Output directory %s does not exist!"},
    {IDS_USER_CANCEL, "User pressed cancel"},
    {IDS_NEED_INPUT_FILE, "Need to specify a file to open!"},
    {IDS_NO_INPUT_FILE, "Input file %s does not exist!"},
    {IDS_DEFAULT_DIRECTORY, "Defaulting to directory %s"},
    {IDS_TRANSLATING, "Translating... Please Wait..."},
    {IDS_ASK_CANCEL, "Do you wish to cancel this process?"},
    {IDS_PREFIX_INFO, "   INFO: "},
    {IDS_PREFIX_WARNING, "   WARN: "},
    {IDS_PREFIX_ERROR, "  ERROR: "},
    {IDS_PREFIX_STATUS, "STATUS: "},
    {IDS_LOG_CREATE_FAILED, "Unable to create error file %s!"},
    {IDS_NO_LOGGING, "No error logging will be done for this translation!"},
    {IDS_LOG_WRITE_FAILED, "Unable to write error file %s!"},
}};

}  // namespace

std::string_view string_text(int id) {
  auto entry = std::find_if(kStrings.begin(), kStrings.end(),
                            [id](const auto& row) { return row.first == id; });
  return entry == kStrings.end() ? std::string_view() : entry->second;
}

}  // namespace corvane
