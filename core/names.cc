#include "core/names.h"

#include <algorithm>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/output_text.h"
#include "core/output_writer.h"

namespace corvane {
namespace {

// What parts names in a written piece: blanks and the punctuation of values
// and expressions. "/", "-" and "+" are left in: they join the pieces of
// hierarchical names (xi1/mm8, sram[0]->out).
bool is_word_character(char c) {
  return std::string_view(" \t\n,=()'\"{}*").find(c) == std::string_view::npos;
}

bool needs_respelling(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](char c) {
    return output_detail::kRespelling[static_cast<unsigned char>(c)].respelled;
  });
}

std::string default_spelling(std::string_view name) {
  std::string spelling(name);
  for (char& c : spelling) c = output_detail::kRespelling[static_cast<unsigned char>(c)].out;
  return spelling;
}

// Calls `visit(word, is_word)` for each run of word characters and each run
// of other characters of `text`, in order.
template <typename Visit>
void for_each_run(std::string_view text, Visit visit) {
  std::size_t p = 0;
  while (p < text.size()) {
    const bool word = is_word_character(text[p]);
    std::size_t end = p;
    while (end < text.size() && is_word_character(text[end]) == word) ++end;
    visit(text.substr(p, end - p), word);
    p = end;
  }
}

// The spelling of what `key` names, met for the first time: the one an
// earlier translation of the file assigned, else `usual`; recorded under
// `usual` (lower case) so that the end of the file finds names written alike,
// and reported when `report` is set.
const std::string& assign_spelling(TranslationContext& ctx, std::string key,
                                   const std::string& usual, bool report) {
  NameBook& book = ctx.names;
  const auto assigned = book.assigned.spellings.find(key);
  const std::string& spelling =
      assigned != book.assigned.spellings.end() ? assigned->second : usual;
  book.spelled_as[lower_ascii_text(usual)].push_back(key);
  if (report) post_info(ctx, "Name " + key + " is written as " + spelling);
  return book.respelled.emplace(std::move(key), spelling).first->second;
}

// The spelling of a name met for the first time, recorded and reported.
const std::string& spelling_of(TranslationContext& ctx, const std::string& name) {
  NameBook& book = ctx.names;
  if (const auto known = book.respelled.find(name); known != book.respelled.end()) {
    return known->second;
  }
  return assign_spelling(ctx, name, default_spelling(name), true);
}

// The hash of `element_key(scope, name)`, the name taken in lower case,
// without making the key.
std::uint64_t key_hash(std::string_view scope, std::string_view name) {
  std::uint64_t h = TextIndex::kHashStart;
  for (char c : scope) h = TextIndex::hash_step(h, c);
  h = TextIndex::hash_step(h, '\n');
  for (char c : name) h = TextIndex::hash_step(h, lower_ascii(c));
  return h;
}

// `base` with the first suffix "_2", "_3", ... for which `taken` is false.
template <typename Taken>
std::string free_name(const std::string& base, Taken taken) {
  for (int k = 2;; ++k) {
    std::string candidate = base + "_" + std::to_string(k);
    if (!taken(candidate)) return candidate;
  }
}

}  // namespace

std::string element_key(std::string_view scope, std::string_view name) {
  std::string key(scope);
  key += '\n';
  key += name;
  return key;
}

void note_respelled(TranslationContext& ctx, int target, std::string_view text, bool blank) {
  // Names met before cost a lookup: their lower-case text is made in room
  // kept for it.
  std::string& name = ctx.names.name_in_hand;
  bool rewrite = false;
  for_each_run(text, [&](std::string_view run, bool word) {
    if (!word || !needs_respelling(run)) return;
    name.assign(run);
    for (char& c : name) c = lower_ascii(c);
    const auto known = ctx.names.respelled.find(name);
    const std::string& spelling =
        known != ctx.names.respelled.end() ? known->second : spelling_of(ctx, name);
    if (!ctx.names.assigned.spellings.empty()) rewrite |= spelling != default_spelling(name);
  });
  if (!rewrite) return;
  std::size_t written = blank ? 1 : 0;
  for (char c : text) written += c == '\n' ? 0 : 1;
  // A name an earlier translation spelled otherwise: the piece again, each
  // such name in its spelling.
  OutputText& out = output_of(ctx, target);
  out.unappend(written);
  std::string again;
  for_each_run(text, [&](std::string_view run, bool word) {
    if (word && needs_respelling(run)) {
      again += ctx.names.respelled.find(lower_ascii_text(run))->second;
    } else {
      again += run;
    }
  });
  out.append_respelled(again, blank);
}

std::string polarity_spelling(TranslationContext& ctx, std::string_view name, char sign) {
  std::string source = lower_ascii_text(name);
  source += sign;
  if (const auto known = ctx.names.respelled.find(source); known != ctx.names.respelled.end()) {
    return known->second;
  }
  std::string usual = source;
  usual.back() = sign == '+' ? 'p' : 'n';
  return assign_spelling(ctx, std::move(source), usual, true);
}

std::string made_up_name(TranslationContext& ctx, const std::string& usual) {
  // Keyed apart from source names, which hold no control character; one
  // key for every use of the name, so that only a source name clashes.
  std::string key = "\x01" + usual;
  if (const auto known = ctx.names.respelled.find(key); known != ctx.names.respelled.end()) {
    return known->second;
  }
  return assign_spelling(ctx, std::move(key), usual, false);
}

std::string copied_node_name(TranslationContext& ctx, std::string_view node) {
  if (node.size() < 2 || (node.back() != '+' && node.back() != '-')) return std::string(node);
  return polarity_spelling(ctx, node.substr(0, node.size() - 1), node.back());
}

std::string renamed_element(TranslationContext& ctx, std::string_view original,
                            std::string written) {
  NameBook& book = ctx.names;
  const std::uint64_t target = key_hash(book.scope, written);
  book.renamed_elements.push_back(target);
  if (book.assigned.taken_element_names.contains(target)) {
    // Another element of the scope has this name: the first free one with
    // a suffix, the same for every element that would take it.
    auto given = book.given_element_names.find(target);
    if (given == book.given_element_names.end()) {
      const auto taken = [&](const std::string& name) {
        const std::uint64_t h = key_hash(book.scope, name);
        return book.assigned.written_elements.contains(h) || book.given_names.contains(h);
      };
      given = book.given_element_names.emplace(target, free_name(written, taken)).first;
      book.given_names.insert(key_hash(book.scope, given->second));
    }
    post_info(ctx, "Element " + std::string(original) + " is written as " + given->second + ": " +
                       written + " is the name of another element");
    written = given->second;
  }
  book.renamed_in_hand = written;
  return written;
}

void note_written_element(TranslationContext& ctx, std::string_view written) {
  if (written.size() < 2) return;
  if (!ctx.names.renamed_in_hand.empty() && written == ctx.names.renamed_in_hand) {
    ctx.names.renamed_in_hand.clear();
    return;
  }
  // The names renamed elements take: x then m, d or j (xm1), and any g or e
  // name (F1 is g1, H1 e1). Other instance names cannot clash.
  const char first = lower_ascii(written[0]);
  const char second = lower_ascii(written[1]);
  if (first == 'x' ? second != 'm' && second != 'd' && second != 'j'
                   : first != 'g' && first != 'e') {
    return;
  }
  ctx.names.written_elements.push_back(key_hash(ctx.names.scope, written));
}

void note_model(TranslationContext& ctx, std::string_view name) {
  ctx.names.models.emplace(lower_ascii_text(name), true);
}

bool is_model_name(const TranslationContext& ctx, std::string_view name) {
  const std::string lower = lower_ascii_text(name);
  const NameBook& book = ctx.names;
  return book.models.contains(lower) ||
         (!book.assigned.models.empty() && book.assigned.models.contains(lower));
}

void note_declares_m(TranslationContext& ctx, std::string_view subcircuit) {
  ctx.names.declaring_m.emplace(lower_ascii_text(subcircuit), true);
}

bool declares_m(const TranslationContext& ctx, std::string_view subcircuit) {
  const std::string lower = lower_ascii_text(subcircuit);
  const NameBook& book = ctx.names;
  return book.declaring_m.contains(lower) || book.assigned.declaring_m.contains(lower);
}

void note_m_left_out(TranslationContext& ctx, std::string_view subcircuit) {
  ctx.names.m_left_out.push_back(lower_ascii_text(subcircuit));
}

void note_taken_as_value(TranslationContext& ctx, std::string_view name) {
  ctx.names.taken_as_values.push_back(lower_ascii_text(name));
}

void note_shaping_wrapper(TranslationContext& ctx, std::string_view model) {
  ctx.names.shaping_wrappers.emplace(lower_ascii_text(model), true);
}

bool needs_wrapper(TranslationContext& ctx, std::string_view model) {
  NameBook& book = ctx.names;
  const std::string lower = lower_ascii_text(model);
  if (book.shaping_wrappers.contains(lower) || book.assigned.shaping_wrappers.contains(lower)) {
    return true;
  }
  if (!book.models.contains(lower) && !book.plain_for_unknown.contains(lower)) {
    book.plain_for_unknown.emplace(lower, true);
  }
  return false;
}

void note_local_parameter(TranslationContext& ctx, std::string_view name) {
  ctx.names.local_parameters.emplace(lower_ascii_text(name), true);
}

bool is_local_parameter(const TranslationContext& ctx, std::string_view name) {
  return !ctx.names.local_parameters.empty() &&
         ctx.names.local_parameters.contains(lower_ascii_text(name));
}

void note_top_parameter(TranslationContext& ctx, std::string_view name) {
  // Names are scanned in lower case: the symbol is the name's own.
  const int index = ctx.symbols.find(name);
  if (index < 0) return;
  std::vector<bool>& marks = ctx.names.top_parameters;
  const auto slot = static_cast<std::size_t>(index);
  if (marks.size() <= slot) marks.resize(std::max(slot + 1, marks.size() * 2));
  marks[slot] = true;
}

bool is_top_parameter(const TranslationContext& ctx, std::string_view name) {
  const std::vector<bool>& marks = ctx.names.top_parameters;
  if (marks.empty()) return false;
  const int index = ctx.symbols.find(lower_ascii_text(name));
  return index >= 0 && static_cast<std::size_t>(index) < marks.size() &&
         marks[static_cast<std::size_t>(index)];
}

std::string_view model_reference(TranslationContext& ctx, std::string_view name) {
  NameBook& book = ctx.names;
  if (!book.assigned.local_models.empty() && !book.scope.empty()) {
    const auto found =
        book.assigned.local_models.find(element_key(book.scope, lower_ascii_text(name)));
    if (found != book.assigned.local_models.end()) return found->second;
  }
  if (!book.assigned.model_spellings.empty()) {
    const auto found = book.assigned.model_spellings.find(lower_ascii_text(name));
    if (found != book.assigned.model_spellings.end()) return found->second;
  }
  if (name.find('.') == std::string_view::npos) return name;
  book.model_in_hand = strip_dots(name);
  return book.model_in_hand;
}

std::string model_card_name(TranslationContext& ctx, std::string_view source_name) {
  NameBook& book = ctx.names;
  const bool dotted = source_name.find('.') != std::string_view::npos;
  if (!book.assigned.model_spellings.empty()) {
    const std::string lower = lower_ascii_text(source_name);
    const auto assigned = book.assigned.model_spellings.find(lower);
    if (assigned != book.assigned.model_spellings.end()) {
      if (ctx.log != nullptr) {
        ctx.log->post_status("INFO: Model " + std::string(source_name) + " is written as " +
                             assigned->second + ": " + strip_dots(source_name) +
                             " is the name of another model");
      }
      return assigned->second;
    }
  }
  // Only a name with dots can come out as another's: the names without
  // dots met are kept, so that a plain name after them is found too.
  if (!dotted) {
    if (!book.models_written.empty()) {
      const std::string lower = lower_ascii_text(source_name);
      const auto found = book.models_written.find(lower);
      if (found != book.models_written.end() && found->second != lower) {
        book.model_clashes.push_back(lower);
      }
    }
    return std::string(source_name);
  }
  std::string written = strip_dots(source_name);
  const std::string lower = lower_ascii_text(source_name);
  std::string lower_written = lower_ascii_text(written);
  const auto [entry, fresh] = book.models_written.emplace(lower_written, lower);
  if ((!fresh && entry->second != lower) || (fresh && book.models.contains(lower_written))) {
    book.model_clashes.push_back(lower);
  }
  return written;
}

namespace {

// A family is known by where its cards stand: the family's name (lower
// case) for cards of the main text outside subcircuits; else the `.lib`
// section's number and the subcircuit before it, so that a section's or a
// subcircuit's own family is never another's.
std::string family_key(int target, std::string_view scope, std::string_view family) {
  if (target == MAIN_OUTPUT && scope.empty()) return std::string(family);
  std::string key = std::to_string(target);
  key += '\n';
  key += element_key(scope, family);
  return key;
}

// The main text's instances of a family whose cards stand only in `.lib`
// sections take the first section's bins: every section file holds them,
// and sections usually bin alike. A family of several sections is marked,
// so that the choice is said.
constexpr std::string_view kFirstSection = "*\n";
constexpr std::string_view kSeveralSections = "**\n";

const std::vector<ModelBin>* find_family(const NameBook& book, const std::string& key) {
  const auto found = book.families.find(key);
  if (found != book.families.end()) return &found->second;
  const auto assigned = book.assigned.families.find(key);
  if (assigned != book.assigned.families.end()) return &assigned->second;
  return nullptr;
}

// A main-text instance's family whose cards stand only in `.lib`
// sections: the first section's, said when several sections define it.
const std::vector<ModelBin>* first_section_family(TranslationContext& ctx, int target,
                                                  const std::string& family) {
  if (target != MAIN_OUTPUT) return nullptr;
  NameBook& book = ctx.names;
  const std::vector<ModelBin>* bins = find_family(book, std::string(kFirstSection) + family);
  if (bins == nullptr) return nullptr;
  const std::string several = std::string(kSeveralSections) + family;
  if ((book.families.contains(several) || book.assigned.families.contains(several)) &&
      !book.sections_said.contains(family)) {
    book.sections_said.emplace(family, true);
    post_warning(ctx,
                 "Model family binned by its first .lib section's cards; other sections may "
                 "bin otherwise:",
                 family);
  }
  return bins;
}

}  // namespace

void note_model_bin(TranslationContext& ctx, std::string_view source_name, ModelBin bin) {
  const std::size_t dot = source_name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return;
  const std::string family = lower_ascii_text(source_name.substr(0, dot));
  const std::string scope = lower_ascii_text(ctx.names.scope);
  const int target = ctx.statement_target;
  bin.target = target;
  StringMap<std::vector<ModelBin>>& families = ctx.names.families;
  if (target != MAIN_OUTPUT && scope.empty()) {
    std::vector<ModelBin>& first = families[std::string(kFirstSection) + family];
    if (first.empty() || first.front().target == target) {
      first.push_back(bin);
    } else {
      families[std::string(kSeveralSections) + family];
    }
  }
  families[family_key(target, scope, family)].push_back(std::move(bin));
}

const std::vector<ModelBin>* model_family(TranslationContext& ctx, std::string_view name) {
  NameBook& book = ctx.names;
  std::string& lower = book.family_in_hand;
  lower.assign(name);
  for (char& c : lower) c = lower_ascii(c);
  if (book.models.contains(lower)) return nullptr;
  // The nearest family: the subcircuit's own, its section's, the main
  // text's (which every section file holds). Most files have no family:
  // their instances look nothing up.
  const int target = ctx.statement_target;
  const bool placed = target != MAIN_OUTPUT || !book.scope.empty();
  const std::string own = placed ? family_key(target, lower_ascii_text(book.scope), lower) : lower;
  if (!book.families.empty() || !book.assigned.families.empty()) {
    const std::string keys[] = {own, family_key(target, "", lower),
                                family_key(MAIN_OUTPUT, lower_ascii_text(book.scope), lower),
                                lower};
    for (const std::string& key : keys) {
      if (const std::vector<ModelBin>* bins = find_family(book, key)) return bins;
    }
    if (const std::vector<ModelBin>* bins = first_section_family(ctx, target, lower)) return bins;
  }
  // Each name once: a netlist of a million instances of a few models of
  // other files remembers a few names (also under the key a family of its
  // own place would have, which the end of the file looks for).
  if (placed && !book.unknown_models_used.contains(own))
    book.unknown_models_used.emplace(own, true);
  if (!book.unknown_models_used.contains(lower)) book.unknown_models_used.emplace(lower, true);
  return nullptr;
}

NameAssignments find_name_conflicts(const TranslationContext& ctx) {
  const NameBook& book = ctx.names;
  NameAssignments conflicts;
  // Elements may use a local model before its card: the file again, every
  // local model known from the start.
  conflicts.local_models = book.local_models;

  // A name taken for a value that the file defines as a model further on:
  // the file again, every model known from the start.
  if (std::any_of(book.taken_as_values.begin(), book.taken_as_values.end(),
                  [&](const std::string& name) { return book.models.contains(name); })) {
    conflicts.models = book.models;
  }
  // Models that came out as one without their dots: the first keeps the
  // name, the others get a suffix.
  for (const std::string& source : book.model_clashes) {
    const std::string base = lower_ascii_text(strip_dots(source));
    std::string free;
    for (int n = 2; free.empty() || book.models_written.contains(free) ||
                    std::any_of(conflicts.model_spellings.begin(), conflicts.model_spellings.end(),
                                [&](const auto& entry) { return entry.second == free; });
         ++n) {
      free = base + "_" + std::to_string(n);
    }
    conflicts.model_spellings.emplace(source, std::move(free));
  }
  // An instance named a family defined further on.
  if (std::any_of(book.unknown_models_used.begin(), book.unknown_models_used.end(),
                  [&](const auto& entry) {
                    return book.families.contains(entry.first) ||
                           book.families.contains(std::string(kFirstSection) + entry.first);
                  })) {
    conflicts.families = book.families;
  }
  // A plain MOSFET line for a model whose wrapper, further on, shapes its
  // values.
  if (std::any_of(book.plain_for_unknown.begin(), book.plain_for_unknown.end(),
                  [&](const auto& entry) { return book.shaping_wrappers.contains(entry.first); })) {
    conflicts.shaping_wrappers = book.shaping_wrappers;
  }
  // An instance's m left out for a subcircuit that declares m further on.
  if (std::any_of(book.m_left_out.begin(), book.m_left_out.end(),
                  [&](const std::string& name) { return book.declaring_m.contains(name); })) {
    conflicts.declaring_m = book.declaring_m;
  }

  // Spellings: the first name keeps its spelling unless a name of the file
  // is written that way already; the others get a suffix.
  const auto spelling_taken = [&](const std::string& spelling) {
    return ctx.symbols.find(spelling) >= 0 || book.spelled_as.contains(spelling) ||
           std::any_of(conflicts.spellings.begin(), conflicts.spellings.end(),
                       [&](const auto& entry) { return entry.second == spelling; });
  };
  for (const auto& [spelling, names] : book.spelled_as) {
    const bool plain_name = ctx.symbols.find(spelling) >= 0;
    for (std::size_t i = plain_name ? 0 : 1; i < names.size(); ++i) {
      conflicts.spellings.emplace(names[i], free_name(spelling, spelling_taken));
    }
  }

  // Elements: a renamed element whose new name is that of an element of
  // its scope takes another. (Two elements of one name in the source are
  // the source's own matter.)
  if (!book.renamed_elements.empty() && !book.written_elements.empty()) {
    HashSet64 written;
    for (const std::uint64_t h : book.written_elements) written.insert(h);
    for (const std::uint64_t h : book.renamed_elements) {
      if (written.contains(h)) conflicts.taken_element_names.insert(h);
    }
    if (!conflicts.taken_element_names.empty()) conflicts.written_elements = std::move(written);
  }
  return conflicts;
}

}  // namespace corvane
