#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/symbol_tables.h"

namespace corvane {

/// Names that a translation must write otherwise than it would by itself,
/// because written its own way they would be one name with another. Found
/// by one translation of a file and followed by the next.
struct NameAssignments {
  /// A source name holding characters Ondrel names cannot (lower case) ->
  /// its spelling.
  StringMap<std::string> spellings;
  /// An element's scope and name (`element_key`) -> the name written.
  StringMap<std::string> elements;
  /// Every model name of the file, when an element took a name for a value
  /// because the model of that name came later.
  StringMap<bool> models;
  /// What holds for the whole file but stood after statements it applies
  /// to: the `.global` names, and `.option scale` and `scalm` as the source
  /// gives their values (empty when not given).
  std::vector<std::string> global_names;
  std::string scale;
  std::string scalm;
  bool settings_came_late = false;
  /// An .if block asked for parameters' earlier values: keep them.
  bool keep_parameter_values = false;
  /// Models defined inside a subcircuit that Ondrel writes as subcircuits
  /// of their own: their scope and name (`element_key`) -> the name they are
  /// written under, outside the subcircuit.
  StringMap<std::string> local_models;

  bool empty() const {
    return spellings.empty() && elements.empty() && models.empty() && !settings_came_late &&
           !keep_parameter_values && local_models.empty();
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
  /// Names after an element's nodes taken for a value because no model of
  /// that name was known.
  std::vector<std::string> taken_as_values;

  /// Elements written under another name than their own.
  struct Renamed {
    std::string scope;
    std::string original;
    std::string written;
  };
  std::vector<Renamed> renamed;
};

}  // namespace corvane
