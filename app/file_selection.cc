#include "app/file_selection.h"

#include "run/path_names.h"
#include "run/split_quoted.h"

namespace corvane {

FileDialogRequest file_dialog_request(ListSide side, std::string_view edit_text) {
  FileDialogRequest request;
  if (side == ListSide::input) {
    request.filter = "HSpice Library (*.*)|*.*|All Files (*.*)|*.*||";
    request.initial_name = "*.*";
  } else {
    request.save = true;
    request.filter = "Ondrel Library (*.lib)|*.lib|All Files (*.*)|*.*||";
    request.default_extension = "lib";
    request.initial_name = "*.lib";
  }
  // A row may hold several names; the dialog starts from the first.
  const std::string first_name = split_quoted_piece(edit_text, ' ', 0);
  request.initial_directory = directory_part(first_name);
  if (request.save && !file_name_part(first_name).empty()) {
    request.initial_name = file_name_part(first_name);
  }
  return request;
}

std::vector<NameFilter> name_filters(std::string_view filter) {
  std::vector<NameFilter> filters;
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t bar = filter.find('|'); bar != std::string_view::npos;
       bar = filter.find('|', start)) {
    pieces.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  pieces.push_back(filter.substr(start));
  for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
    if (pieces[i].empty()) break;  // the "||" that ends the list
    filters.push_back(NameFilter{std::string(pieces[i]), std::string(pieces[i + 1])});
  }
  return filters;
}

std::string labelled_pattern(const NameFilter& filter) {
  const std::string in_parentheses = "(" + filter.pattern + ")";
  if (filter.label.find(in_parentheses) != std::string::npos) return filter.label;
  return filter.label + " " + in_parentheses;
}

}  // namespace corvane
