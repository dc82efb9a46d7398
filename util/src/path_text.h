#ifndef CORVANE_UTIL_SRC_PATH_TEXT_H_
#define CORVANE_UTIL_SRC_PATH_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Windows path rules on plain text, shared by the pathstring members. Every
// query answers with a range of the text so that the three result forms of
// a decomposition come from one place.
namespace corvane::path_text {

/// [begin, end) offsets into a text.
struct span {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t size() const { return end - begin; }
  bool empty() const { return begin == end; }
};

inline bool is_separator(char c) { return c == '\\' || c == '/'; }

bool has_drive(std::string_view text);
bool is_unc(std::string_view text);
/// Starts with one separator and is no UNC name ("\dir").
bool is_rooted(std::string_view text);

/// Component ranges; a drive "X:" is component 0.
std::vector<span> components(std::string_view text);
/// The index of the first component after a drive or a UNC server and share.
std::size_t first_local_component(std::string_view text);

span drive(std::string_view text);
span drive_letter(std::string_view text);
span path(std::string_view text);
span path_no_slash(std::string_view text);
span directory(std::string_view text);
span base(std::string_view text);
span root(std::string_view text);
span extension(std::string_view text);
span extension_no_dot(std::string_view text);
span name_no_extension(std::string_view text);
span unc_share_name(std::string_view text);
/// Empty at the end of the text when `index` is out of range.
span component(std::string_view text, int index);

/// Same length and equal ignoring ASCII case, compared from the end where
/// paths usually differ first.
bool equal_ignoring_case(std::string_view a, std::string_view b);

/// `head` and `tail` with one separator between them: none is added when
/// `head` already ends in one, and separators leading `tail` then go. A lone
/// "\" head must not become the "\\" that starts a UNC name.
std::string join(std::string_view head, std::string_view tail);

}  // namespace corvane::path_text

#endif  // CORVANE_UTIL_SRC_PATH_TEXT_H_
