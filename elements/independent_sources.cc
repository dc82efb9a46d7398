// Independent sources: V and I lines read the same in both dialects.

#include <algorithm>
#include <string>

#include "core/char_class.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "elements/element_translators.h"

namespace corvane {

// Vxx n+ n- ...  ->  the line as written, its two nodes with the global
// prefix that every translated node gets; continuation lines copied.
void translate_independent_source(TranslationContext& ctx, int target, int /*code*/) {
  if (ctx.global_names.names().empty()) {
    copy_statement(ctx, target, MODE_DOT_KEYWORDS);
    return;
  }
  const std::string_view line = current_line(ctx);
  constexpr std::string_view kSeparators = " \t,";
  std::string first;
  std::size_t p = 0;
  for (int word = 0; word < 3 && p < line.size(); ++word) {
    const std::size_t start = line.find_first_not_of(kSeparators, p);
    if (start == std::string_view::npos) break;
    std::size_t end = line.find_first_of(kSeparators, start);
    if (end == std::string_view::npos) end = line.size();
    first.append(line.substr(p, start - p));
    std::string text(line.substr(start, end - start));
    if (word > 0) {
      std::string lower = text;
      for (char& c : lower) c = lower_ascii(c);
      if (ctx.global_names.contains(lower)) text = global_node_name(ctx, lower);
    }
    first += text;
    p = end;
  }
  first.append(line.substr(std::min(p, line.size())));
  write_line(ctx, target, first);
  skip_line(ctx);
  next_token(ctx, MODE_DOT_KEYWORDS);
  if (!ctx.statement_ended) copy_statement(ctx, target, MODE_DOT_KEYWORDS);
}

}  // namespace corvane
