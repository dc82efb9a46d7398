#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/symbol_tables.h"

namespace corvane {

/// A set of 64-bit hashes kept in one table (open addressing): tests for
/// membership chase no pointers.
class HashSet64 {
 public:
  void insert(std::uint64_t value) {
    if ((count_ + 1) * 2 > slots_.size()) grow();
    std::uint64_t& slot = slots_[find(stored(value))];
    if (slot == 0) {
      slot = stored(value);
      ++count_;
    }
  }
  bool contains(std::uint64_t value) const {
    return count_ > 0 && slots_[find(stored(value))] != 0;
  }
  bool empty() const { return count_ == 0; }

 private:
  // 0 marks an empty slot.
  static std::uint64_t stored(std::uint64_t value) { return value == 0 ? 1 : value; }
  std::size_t find(std::uint64_t value) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = static_cast<std::size_t>((value * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (slots_[at] != 0 && slots_[at] != value) at = (at + 1) & mask;
    return at;
  }
  void grow() {
    std::vector<std::uint64_t> old(slots_.empty() ? 16 : slots_.size() * 2, 0);
    old.swap(slots_);
    count_ = 0;
    for (const std::uint64_t value : old) {
      if (value != 0) insert(value);
    }
  }
  std::vector<std::uint64_t> slots_;
  std::size_t count_ = 0;
};

/// One model of a binned family (`nch.1`, `nch.2` ... of the family `nch`):
/// the lengths and widths it is for, lmin <= l < lmax and wmin <= w < wmax,
/// and the name its card is written under.
struct ModelBin {
  double lmin = 0;
  double lmax = 0;  // 0: no upper bound
  double wmin = 0;
  double wmax = 0;
  std::string written;
  int target = 0;  // the text its card stands in: main or a `.lib` section
};

/// HSPICE's defaults for a MOSFET line that leaves a value out, as
/// `.option defl defw defad defas` give them (empty when not given): the
/// defaults of every MOSFET wrapper subcircuit.
struct ElementDefaults {
  std::string l;
  std::string w;
  std::string ad;
  std::string as;
  bool operator==(const ElementDefaults&) const = default;
};

/// Names that a translation must write otherwise than it would by itself,
/// because written its own way they would be one name with another. Found
/// by one translation of a file and followed by the next.
struct NameAssignments {
  /// A source name holding characters Ondrel names cannot (lower case) ->
  /// its spelling.
  StringMap<std::string> spellings;
  /// The names (`element_key` hashes) that renamed elements would take
  /// from other elements of their scope; and every element written under
  /// its own name, so that free names are chosen.
  HashSet64 taken_element_names;
  HashSet64 written_elements;
  /// Every model name of the file, when an element took a name for a value
  /// because the model of that name came later.
  StringMap<bool> models;
  /// What holds for the whole file but stood after statements it applies
  /// to: the `.global` names, `.option scale` and `scalm` as the source
  /// gives their values (empty when not given), and the MOSFET defaults.
  std::vector<std::string> global_names;
  std::string scale;
  std::string scalm;
  ElementDefaults element_defaults;
  bool settings_came_late = false;
  /// An .if block asked for parameters' earlier values: keep them.
  bool keep_parameter_values = false;
  /// Models defined inside a subcircuit that Ondrel writes as subcircuits
  /// of their own: their scope and name (`element_key`) -> the name they are
  /// written under, outside the subcircuit.
  StringMap<std::string> local_models;
  /// Every subcircuit of the file that declares a parameter m, when an
  /// instance's m was left out because its subcircuit came later.
  StringMap<bool> declaring_m;
  /// Models whose names, without their dots, are another model's: source
  /// name (lower case) -> the name written.
  StringMap<std::string> model_spellings;
  /// The binned families of the file (lower case), when an instance named
  /// one before its cards.
  StringMap<std::vector<ModelBin>> families;
  /// MOSFET wrappers that do more than pass an instance's values on (the
  /// names written, lower case), when an instance took the plain form
  /// before its model's card.
  StringMap<bool> shaping_wrappers;

  bool empty() const {
    return spellings.empty() && taken_element_names.empty() && models.empty() &&
           !settings_came_late && !keep_parameter_values && local_models.empty() &&
           declaring_m.empty() && model_spellings.empty() && families.empty() &&
           shaping_wrappers.empty();
  }
};

/// The key of an element in its scope: the subcircuit (empty at the top
/// level), a newline, the element's name.
std::string element_key(std::string_view scope, std::string_view name);

/// What one translation keeps of the names it writes: enough to tell, at
/// the end of the file, whether two names came out as one.
struct NameBook {
  /// From an earlier translation of the same file.
  NameAssignments assigned;
  /// The subcircuit whose body is being read; empty at the top level.
  std::string scope;

  /// Source names written with other characters: name -> spelling, each
  /// reported once.
  StringMap<std::string> respelled;
  /// Room for the lower-case text of the name being looked up.
  std::string name_in_hand;
  /// Spelling -> the source names written with it, in the order met.
  StringMap<std::vector<std::string>> spelled_as;

  /// The hash (`TextIndex::hash`) of the `element_key` of every element
  /// written under its own name that a renamed element could take (xm...,
  /// xd..., xj..., g..., e...). Hashes keep this small for netlists of millions of
  /// instances; two keys with one hash only cost a needless second pass.
  std::vector<std::uint64_t> written_elements;
  /// The name of the renamed element about to be written, which is not
  /// counted among the elements written under their own name.
  std::string renamed_in_hand;
  /// The model names defined so far (lower case, as written).
  StringMap<bool> models;
  /// Local models met (see `NameAssignments::local_models`).
  StringMap<std::string> local_models;
  /// The parameters of the subcircuit being read (lower case); those of the
  /// top level, marked by their symbol's index (a line of a million
  /// definitions keeps no second copy of the names).
  StringMap<bool> local_parameters;
  std::vector<bool> top_parameters;
  /// MOSFET wrappers written that do more than pass an instance's values
  /// on; and the models instances took the plain form for unknown (each
  /// once: a netlist of a million instances names a few models).
  StringMap<bool> shaping_wrappers;
  StringMap<bool> plain_for_unknown;
  /// Names after an element's nodes taken for a value because no model of
  /// that name was known.
  std::vector<std::string> taken_as_values;
  /// Subcircuits (lower case, as instances name them) that declare a
  /// parameter m, Corvane's wrappers among them; and those an instance's m
  /// was left out for.
  StringMap<bool> declaring_m;
  std::vector<std::string> m_left_out;
  /// Model names without their dots (lower case) -> the first source name
  /// written so; and the source names that came out as one written before.
  StringMap<std::string> models_written;
  std::vector<std::string> model_clashes;
  /// The binned families met (lower case); and the model names instances
  /// used before any model or family of that name was known.
  StringMap<std::vector<ModelBin>> families;
  StringMap<bool> unknown_models_used;
  /// Families of several sections whose bins the main text took from the
  /// first, said once each.
  StringMap<bool> sections_said;
  /// Room for a model name as an element writes it, and for one looked up
  /// as a family.
  std::string model_in_hand;
  std::string family_in_hand;

  /// The names (`element_key` hashes) renamed elements were written under.
  std::vector<std::uint64_t> renamed_elements;
  /// The names given instead of taken ones, by the taken name's hash; and
  /// the given names' own hashes.
  std::unordered_map<std::uint64_t, std::string> given_element_names;
  HashSet64 given_names;
};

}  // namespace corvane
