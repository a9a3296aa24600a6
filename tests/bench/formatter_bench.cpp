// Formatter throughput on long messages, against memcpy of the same output size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "core/format/result_assembly.h"

namespace {

using tagforge::DefaultRandomSource;
using tagforge::FormatterOptions;

// Russian and Latin words, line breaks, smiley markers and an emoji reference, like chat text.
std::string MakeMessage(std::size_t size) {
    static const std::vector<std::string> kWords = {"\xCF\xF0\xE8\xE2\xE5\xF2",
                                                    "all",
                                                    "\xEA\xE0\xEA",
                                                    "are",
                                                    "\xE4\xE5\xEB\xE0?",
                                                    "[::smile::]",
                                                    "ok",
                                                    "\xF1\xEC\xEE\xF2\xF0\xE8",
                                                    "&#128512;",
                                                    "!!!"};
    std::string message;
    message.reserve(size + 16);
    std::size_t lineLength = 0;
    for (std::size_t i = 0; message.size() < size; ++i) {
        const std::string& word = kWords[(i * 7 + i / 3) % kWords.size()];
        message += word;
        lineLength += word.size();
        if (lineLength > 60) {
            message += "\r\n";
            lineLength = 0;
        } else {
            message += ' ';
        }
    }
    message.resize(size);
    return message;
}

double MemcpySeconds(std::size_t bytes) {
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes);
    const int repeats = static_cast<int>(std::max<std::size_t>(1, (64u << 20) / bytes));
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / repeats;
}

void RunFormatter(benchmark::State& state, int effect) {
    FormatterOptions options;
    options.message = MakeMessage(static_cast<std::size_t>(state.range(0)));
    options.colorEffectEnabled = true;
    options.colorEffect = effect;
    options.firstEffectColor = 0x0000FF;
    options.secondEffectColor = 0xFF0000;
    DefaultRandomSource random;

    std::size_t outputBytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        std::string result = tagforge::BuildResultText(options, random);
        outputBytes = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const auto iterations = static_cast<double>(state.iterations());

    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.counters["out_bytes"] = static_cast<double>(outputBytes);
    state.counters["out_bytes/s"] = benchmark::Counter(
        static_cast<double>(outputBytes) * iterations, benchmark::Counter::kIsRate);
    // How many memcpy calls of the whole output one build costs: the figure to watch.
    state.counters["x_memcpy"] = (elapsed.count() / iterations) / MemcpySeconds(outputBytes);
}

void BM_Spectrum(benchmark::State& state) {
    RunFormatter(state, tagforge::kEffectSpectrum);
}
void BM_Gradient(benchmark::State& state) {
    RunFormatter(state, tagforge::kEffectGradient);
}
void BM_RandomPerLetter(benchmark::State& state) {
    RunFormatter(state, tagforge::kEffectRandomPerLetter);
}

void BM_MemcpyOfOutput(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0)) * 27;
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

constexpr std::int64_t kSizes[] = {1024, std::int64_t{64} * 1024, std::int64_t{1024} * 1024};

void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (const std::int64_t size : kSizes) {
        benchmark->Arg(size);
    }
    benchmark->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Spectrum)->Apply(Sizes);
BENCHMARK(BM_Gradient)->Apply(Sizes);
BENCHMARK(BM_RandomPerLetter)->Apply(Sizes);
BENCHMARK(BM_MemcpyOfOutput)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
