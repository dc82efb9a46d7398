// Google Benchmark of the scanner, the output writer and the in-memory
// translation, over a generated library.

#include <benchmark/benchmark.h>

#include "bench/library_generator.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "translate/translate_file.h"

namespace corvane {
namespace {

const std::string& library() {
  static const std::string text = generate_library(5u << 20);
  return text;
}

void BM_Scanner(benchmark::State& state) {
  for (auto _ : state) {
    TranslationContext ctx;
    scanner_open(ctx, library());
    scanner_reset_tables(ctx);
    std::size_t tokens = 0;
    while (next_token(ctx, MODE_ALL_KEYWORDS) != TOK_EOF) ++tokens;
    benchmark::DoNotOptimize(tokens);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * library().size()));
}
BENCHMARK(BM_Scanner)->Unit(benchmark::kMillisecond);

void BM_Writer(benchmark::State& state) {
  for (auto _ : state) {
    TranslationContext ctx;
    for (std::size_t i = 0; i < 200000; ++i) {
      write_text(ctx, MAIN_OUTPUT, "vth0", true);
      write_text(ctx, MAIN_OUTPUT, "=", true);
      write_line(ctx, MAIN_OUTPUT, "0.3694<x>");
    }
    benchmark::DoNotOptimize(ctx.outputs[MAIN_OUTPUT].take());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 200000 * 19);
}
BENCHMARK(BM_Writer)->Unit(benchmark::kMillisecond);

void BM_TranslateText(benchmark::State& state) {
  for (auto _ : state) {
    RecordingSink sink;
    TranslationOutput output = translate_text(library(), {}, sink);
    benchmark::DoNotOptimize(output.main_text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * library().size()));
}
BENCHMARK(BM_TranslateText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
