#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

/// User-visible texts of the shell by number; empty for an unknown id.
std::string_view string_text(int id);

/// Fills the first string conversion ("%s", "%-20.5s", ...) of `format` with
/// `argument`, the way printf would; appends `argument` when `format` has
/// none. "%%" before the conversion becomes "%"; everything after it, and any
/// other conversion, is kept as written. A conversion with "*" as width or
/// precision ends the search as not found.
std::string fill_string_argument(std::string_view format, std::string_view argument);
/// The same, for filling one text argument by argument: the search starts at
/// `from` (the text before it is already filled and stays as it is), and
/// `from` moves past the inserted argument, so neither an argument nor a "%"
/// that "%%" left behind is ever read as a conversion.
std::string fill_string_argument(std::string_view format, std::string_view argument, size_t& from);

inline constexpr int IDS_TRANSLATOR_VERSION = 29001;   // "Ondrel library translator (%s)"
inline constexpr int IDS_TRANSLATOR_STARTED = 29002;   // "Translator started at "
inline constexpr int IDS_TRANSLATOR_STOPPED = 29003;   // "Translator stopped at "
inline constexpr int IDS_TIME_FORMAT = 29004;          // "%A, %B %d, %Y %H:%M:%S"
inline constexpr int IDS_NO_OUTPUT_DIRECTORY = 29005;  // "Output directory %s does not exist!"
inline constexpr int IDS_USER_CANCEL = 29006;          // "User pressed cancel"
inline constexpr int IDS_NEED_INPUT_FILE = 29007;      // "Need to specify a file to open!"
inline constexpr int IDS_NO_INPUT_FILE = 29008;        // "Input file %s does not exist!"
inline constexpr int IDS_DEFAULT_DIRECTORY = 29009;    // "Defaulting to directory %s"
inline constexpr int IDS_TRANSLATING = 29010;          // "Translating... Please Wait..."
inline constexpr int IDS_ASK_CANCEL = 29011;           // "Do you wish to cancel this process?"
inline constexpr int IDS_PREFIX_INFO = 1223;
inline constexpr int IDS_PREFIX_WARNING = 1224;
inline constexpr int IDS_PREFIX_ERROR = 1225;
inline constexpr int IDS_PREFIX_STATUS = 1234;
inline constexpr int IDS_LOG_CREATE_FAILED = 1238;  // "Unable to create error file %s!"
inline constexpr int IDS_NO_LOGGING =
    1239;  // "No error logging will be done for this translation!"
inline constexpr int IDS_LOG_WRITE_FAILED = 1240;  // "Unable to write error file %s!"

}  // namespace corvane
