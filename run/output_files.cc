#include "run/output_files.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unordered_map>

#include "core/fatal_error.h"
#include "run/path_names.h"
#include "run/temporary_files.h"
#include "run/text_stream.h"

namespace corvane {
namespace {

constexpr std::size_t kReadBlock = std::size_t{1} << 16;

[[noreturn]] void cannot_create_output() {
  throw FatalError(StandardStream::error, "Fatal Error: Unable to open output file\n");
}

// The pieces of `text` from byte `from` up to byte `to` (or its end).
void add_pieces(TextPieces& pieces, std::string_view text, std::size_t from = 0,
                std::size_t to = std::string_view::npos) {
  if (from < text.size()) pieces.push_back(text.substr(from, to - from));
}

void add_pieces(TextPieces& pieces, const OutputText& text, std::size_t from = 0,
                std::size_t to = std::string_view::npos) {
  std::size_t at = 0;
  text.for_each_block([&](std::string_view block) {
    const std::size_t start = at;
    at += block.size();
    if (at <= from || start >= to) return;
    const std::size_t first = from > start ? from - start : 0;
    const std::size_t last = std::min(to, at) - start;
    pieces.push_back(block.substr(first, last - first));
  });
}

void write_or_fail(const std::string& path, const TextPieces& pieces, TemporaryFiles* files) {
  if (!write_file_atomically(path, pieces, files)) cannot_create_output();
}

}  // namespace

std::string resolved_path(const std::string& path) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

bool write_file_atomically(const std::string& path, const TextPieces& pieces,
                           TemporaryFiles* files) {
  TemporaryFile file(path, files);
  for (std::string_view piece : pieces) {
    if (!file.write(piece)) return false;
  }
  return file.place();
}

std::string main_output_file(std::string_view output_path, std::string_view input_path) {
  if (output_path != input_path) return std::string(output_path);
  std::string result = directory_part(output_path);
  const std::string name = file_name_part(output_path);
  result += name.substr(0, name.find('.'));
  result += "odl.lib";
  return result;
}

namespace {

// The two files a path may be: the one it leads to, links resolved, and the
// entry itself (only its folder resolved), which a rename replaces.
std::array<std::string, 2> path_forms(const std::string& path) {
  const std::string directory = directory_part(path);
  std::string entry = resolved_path(directory.empty() ? "." : directory);
  if (!entry.empty() && !is_path_separator(entry.back())) entry += '/';
  entry += file_name_part(path);
  return {resolved_path(path), std::move(entry)};
}

}  // namespace

std::vector<std::size_t> earlier_writers(const std::vector<std::string>& inputs,
                                         const std::vector<std::string>& outputs) {
  // By file: the last pair so far that writes it; by "folder/name_": the last
  // pair whose section files start so (they are known only once translated).
  std::unordered_map<std::string, std::size_t> writers;
  std::unordered_map<std::string, std::size_t> section_stems;
  std::vector<std::size_t> result(inputs.size(), kNoPair);
  const auto note = [&result](std::size_t pair, std::size_t writer) {
    if (result[pair] == kNoPair || writer > result[pair]) result[pair] = writer;
  };
  for (std::size_t pair = 0; pair < inputs.size(); ++pair) {
    for (const std::string& form : path_forms(inputs[pair])) {
      if (const auto writer = writers.find(form); writer != writers.end()) {
        note(pair, writer->second);
      }
      if (!form.ends_with(".lib")) continue;
      const std::size_t name_start = form.size() - file_name_part(form).size();
      for (std::size_t cut = form.find('_', name_start); cut != std::string::npos;
           cut = form.find('_', cut + 1)) {
        const auto stem = section_stems.find(form.substr(0, cut + 1));
        if (stem != section_stems.end()) note(pair, stem->second);
      }
    }
    if (pair >= outputs.size() || outputs[pair].empty()) continue;
    for (const std::string& file :
         {main_output_file(outputs[pair], inputs[pair]), change_extension(outputs[pair], "err")}) {
      for (std::string& form : path_forms(file)) writers[std::move(form)] = pair;
    }
    for (std::string& form : path_forms(without_extension(outputs[pair]) + "_")) {
      section_stems[std::move(form)] = pair;
    }
  }
  return result;
}

std::string section_output_file(std::string_view output_path, std::string_view section_name) {
  std::string result = without_extension(output_path);
  result += '_';
  // A section name never leads out of the output's directory.
  for (char c : section_name) result += is_path_separator(c) ? '_' : c;
  result += ".lib";
  return result;
}

namespace {

// No file of the pair is an input of the run: checked for every file before
// any is written (a section file is known only after the translation).
template <typename Output>
void refuse_inputs(const Output& output, std::string_view output_path, std::string_view input_path,
                   const ResolvedPaths& inputs) {
  if (inputs.empty()) return;
  std::vector<std::string> files;
  if (output.sections.empty()) files.push_back(main_output_file(output_path, input_path));
  for (const auto& section : output.sections) {
    files.push_back(section_output_file(output_path, section.name));
  }
  for (const std::string& file : files) {
    if (!inputs.contains(resolved_path(file))) continue;
    throw FatalError(StandardStream::error, "Fatal Error: The output " + file +
                                                " is an input of this run; nothing of " +
                                                std::string(input_path) + " was written\n");
  }
}

// One file, or one per section holding the main text with the section's
// text before the main text's `.end`.
template <typename Output>
std::vector<std::string> write_texts(const Output& output, std::string_view output_path,
                                     std::string_view input_path, const ResolvedPaths& inputs,
                                     TemporaryFiles* files) {
  refuse_inputs(output, output_path, input_path, inputs);
  std::vector<std::string> written;
  TextPieces pieces;
  if (output.sections.empty()) {
    written.push_back(main_output_file(output_path, input_path));
    add_pieces(pieces, output.main_text);
    write_or_fail(written.back(), pieces, files);
    return written;
  }
  for (const auto& section : output.sections) {
    written.push_back(section_output_file(output_path, section.name));
    pieces.clear();
    add_pieces(pieces, output.main_text, 0, output.sections_at);
    add_pieces(pieces, section.text);
    add_pieces(pieces, output.main_text, output.sections_at);
    write_or_fail(written.back(), pieces, files);
  }
  return written;
}

}  // namespace

std::vector<std::string> write_output_files(const TranslationOutput& output,
                                            std::string_view output_path,
                                            std::string_view input_path,
                                            const ResolvedPaths& inputs, TemporaryFiles* files) {
  return write_texts(output, output_path, input_path, inputs, files);
}

std::vector<std::string> write_output_files(const TranslatedBlocks& output,
                                            std::string_view output_path,
                                            std::string_view input_path,
                                            const ResolvedPaths& inputs, TemporaryFiles* files) {
  return write_texts(output, output_path, input_path, inputs, files);
}

std::vector<std::string> write_output_stream(const TranslatedBlocks& output, TextStream& stream) {
  TextPieces pieces;
  add_pieces(pieces, output.main_text);
  for (std::string_view piece : pieces) {
    if (stream.write(piece)) continue;
    throw FatalError(StandardStream::error, "corvane: cannot write the translation to " +
                                                stream.name() + ": " + stream.failure() + "\n");
  }
  return {stream.name()};
}

std::uintmax_t output_size(const TranslatedBlocks& output) {
  if (output.sections.empty()) return output.main_text.size();
  std::uintmax_t size = 0;
  for (const auto& section : output.sections) size += output.main_text.size() + section.text.size();
  return size;
}

std::string read_input_file(const std::string& path, std::size_t limit_past_size) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  std::error_code error;
  const bool directory = std::filesystem::is_directory(path, error);
  if (!in || directory) {
    const int number = directory ? EISDIR : (errno != 0 ? errno : ENOENT);
    std::string text = "\nADA-91: \nSession: Can't open input file ";
    text += path;
    text += '(';
    text += std::generic_category().message(number);
    text += ")\n";
    throw FatalError(StandardStream::error, text);
  }
  // A file's bytes go straight into the text; what follows (all of a pipe,
  // or what a growing file gained) is read in blocks.
  std::string content;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > 0) {
    content.resize(static_cast<std::size_t>(size));
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));
  }
  // A pipe or device may never end (/dev/zero): it is read up to a limit.
  const std::size_t limit = content.size() + limit_past_size;
  while (in && content.size() <= limit) {
    const std::size_t old_size = content.size();
    content.resize(old_size + kReadBlock);
    in.read(content.data() + old_size, static_cast<std::streamsize>(kReadBlock));
    content.resize(old_size + static_cast<std::size_t>(in.gcount()));
  }
  if (content.size() > limit) {
    throw FatalError(StandardStream::error, "corvane: " + path + ": gave more than " +
                                                std::to_string(limit) +
                                                " bytes; an input that large must be a regular "
                                                "file\n");
  }
  return content;
}

}  // namespace corvane
