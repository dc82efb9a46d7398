#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "run/input_text.h"
#include "translate/translate_file.h"

namespace corvane {

class TemporaryFiles;
class TextStream;

/// The file a translation without sections is written to: the output path,
/// or, when that is the input path itself, the input's file name from its
/// first "." on replaced by "odl.lib" (lib/models.lib -> lib/modelsodl.lib).
std::string main_output_file(std::string_view output_path, std::string_view input_path);

/// The file a path names, links and ".." resolved: two paths of one file
/// resolve alike.
std::string resolved_path(const std::string& path);
using ResolvedPaths = std::unordered_set<std::string>;

/// For each pair (input i, output i), the last earlier pair whose output,
/// section file or log may be its input (links and ".." resolved, as a
/// rename would replace them), or kNoPair: a pair read before that one is
/// written would read the file the run is about to replace.
inline constexpr std::size_t kNoPair = static_cast<std::size_t>(-1);
std::vector<std::size_t> earlier_writers(const std::vector<std::string>& inputs,
                                         const std::vector<std::string>& outputs);

/// The file of one `.lib` section: the output path less its extension, "_",
/// the section name and ".lib".
std::string section_output_file(std::string_view output_path, std::string_view section_name);

/// Writes the translated texts: one file, or one per section holding the main
/// text with the section's before the main text's `.end`. Each file is written beside its final
/// name and renamed into place, so a failure leaves no truncated file. Returns the files written;
/// throws FatalError when a file cannot be created, or when one of them is (links and ".."
/// resolved) one of `inputs`, the run's inputs: then none is written. `files`, when given, tracks
/// the files while they are written.
std::vector<std::string> write_output_files(const TranslationOutput& output,
                                            std::string_view output_path,
                                            std::string_view input_path,
                                            const ResolvedPaths& inputs = {},
                                            TemporaryFiles* files = nullptr);
std::vector<std::string> write_output_files(const TranslatedBlocks& output,
                                            std::string_view output_path,
                                            std::string_view input_path,
                                            const ResolvedPaths& inputs = {},
                                            TemporaryFiles* files = nullptr);

/// Writes a translation without sections to `stream`, byte for byte what
/// `write_output_files` would write into its one file. Returns the stream's
/// name as the file written; throws FatalError when the stream fails
/// (what it took stays there: a stream cannot be renamed into place).
std::vector<std::string> write_output_stream(const TranslatedBlocks& output, TextStream& stream);

/// The bytes `write_output_files` would write: the main text once, or once
/// per section file with that section's text.
std::uintmax_t output_size(const TranslatedBlocks& output);

/// How much more than its input a pair may write: section files each repeat
/// the text outside the sections, so many sections of a large library could
/// fill a disk. Outputs up to `kOutputSizeFloor` are never held against it.
inline constexpr double kOutputRatioWarning = 100;
inline constexpr double kDefaultOutputRatioLimit = 1000;
inline constexpr std::uintmax_t kOutputSizeFloor = std::uintmax_t{1} << 20;

using TextPieces = std::vector<std::string_view>;

/// Writes the pieces, in order, to a file beside `path` and renames it into
/// place, so `path` is either the old file or the whole new one; `files`,
/// when given, tracks the file while it is written. False when the file
/// cannot be written.
bool write_file_atomically(const std::string& path, const TextPieces& pieces,
                           TemporaryFiles* files = nullptr);

/// Reads a whole file; throws FatalError (as the run reports an input that
/// cannot be opened) when it cannot be read, and when it gives more than
/// `limit` bytes past its size (a pipe or device that never ends).
std::string read_input_file(const std::string& path, std::size_t limit = kLargestStreamedInput);

}  // namespace corvane
