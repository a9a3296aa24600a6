// What a user waits for on long messages: the result built and encoded, UTF-8 for the clipboard
// and the command line, Windows-1251 for the preview page. Each figure is set against a memcpy
// of the same output size, measured in the same run with source and target out of cache; both
// in processor time (the CPU column and x_memcpy).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/cp1251.h"
#include "core/format/result_assembly.h"
#include "core/format/result_writer.h"
#include "core/preview/rich_text_line.h"

namespace {

using tagforge::DefaultRandomSource;
using tagforge::FormatterOptions;
using tagforge::TextEncoding;

constexpr std::size_t kMillion = 1'000'000;

struct Word {
    std::string_view text;  // Windows-1251
    std::size_t letters;
};

// Russian and Latin words, smiley markers and an emoji reference, like chat text.
constexpr Word kWords[] = {
    {"\xCF\xF0\xE8\xE2\xE5\xF2", 6},  // Привет
    {"all", 3},
    {"\xEA\xE0\xEA", 3},  // как
    {"are", 3},
    {"\xE4\xE5\xEB\xE0?", 5},  // дела?
    {"[::smile::]", 0},
    {"ok", 2},
    {"\xF1\xEC\xEE\xF2\xF0\xE8", 6},  // смотри
    {"&#128512;", 1},
    {"!!!", 3},
};

// A message of at least `letters` visible letters in lines of about 60 bytes.
std::string MakeMessage(std::size_t letters) {
    std::string message;
    std::size_t counted = 0;
    std::size_t lineLength = 0;
    for (std::size_t i = 0; counted < letters; ++i) {
        const Word& word = kWords[(i * 7 + i / 3) % std::size(kWords)];
        message += word.text;
        counted += word.letters;
        lineLength += word.text.size();
        if (lineLength > 60) {
            message += "\r\n";
            lineLength = 0;
        } else {
            message += ' ';
            ++counted;
        }
    }
    return message;
}

// The per-letter gradient from red to blue that scripts/bench.sh also gives the command line.
FormatterOptions EffectOptions(int effect, std::size_t letters) {
    FormatterOptions options;
    options.message = MakeMessage(letters);
    options.colorEffectEnabled = true;
    options.colorEffect = effect;
    options.firstEffectColor = tagforge::FromColorCode("FF0000");
    options.secondEffectColor = tagforge::FromColorCode("0000FF");
    return options;
}

// Processor time of this thread: the machines benchmarks run on are often shared, and time spent
// waiting for the processor belongs to neither the formatter nor the copy.
double ThreadSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Memory for reference copies, touched once up front. Copies rotate through it, so each one
// reads and writes memory last used a whole pool ago, which no cache still holds.
class CopyPool {
  public:
    static CopyPool& Get() {
        static CopyPool pool;
        return pool;
    }

    // Seconds per memcpy of `bytes`: copies of distinct pairs timed in batches of a few
    // megabytes, for about 50 ms.
    double SecondsPerCopy(std::size_t bytes) {
        const std::size_t pairSize = 2 * bytes;
        const std::size_t pairs = std::max<std::size_t>(1, memory_.size() / pairSize);
        const std::size_t batch = std::clamp<std::size_t>((std::size_t{8} << 20) / bytes, 1, pairs);
        double total = 0.0;
        std::size_t copies = 0;
        std::size_t next = 0;
        while (total < 0.05 || copies < 3) {
            const double start = ThreadSeconds();
            for (std::size_t i = 0; i < batch; ++i, ++next) {
                char* from = memory_.data() + (next % pairs) * pairSize;
                char* to = from + bytes;
                std::memcpy(to, from, bytes);
                benchmark::DoNotOptimize(to);
                benchmark::ClobberMemory();
            }
            total += ThreadSeconds() - start;
            copies += batch;
        }
        return total / static_cast<double>(copies);
    }

  private:
    // Four times the last-level cache, and no less than 256 MiB.
    CopyPool() {
        long cache = ::sysconf(_SC_LEVEL3_CACHE_SIZE);
        if (cache <= 0) {
            cache = ::sysconf(_SC_LEVEL2_CACHE_SIZE);
        }
        const std::size_t size = std::max<std::size_t>(
            std::size_t{256} << 20, 4 * static_cast<std::size_t>(std::max(cache, 0L)));
        memory_.assign(size, 'x');
    }

    std::vector<char> memory_;
};

void RunFormatter(benchmark::State& state, int effect, TextEncoding encoding) {
    const FormatterOptions options =
        EffectOptions(effect, static_cast<std::size_t>(state.range(0)));
    DefaultRandomSource random;

    // One buffer for every build, as long output is written once into a buffer kept for it.
    std::string output;
    std::size_t outputBytes = 0;
    const double start = ThreadSeconds();
    for (auto _ : state) {
        output.clear();
        tagforge::WriteResultText(options, random, encoding, tagforge::AppendTo(output));
        outputBytes = output.size();
        benchmark::DoNotOptimize(output.data());
    }
    const double perBuild = (ThreadSeconds() - start) / static_cast<double>(state.iterations());

    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * outputBytes));
    state.counters["out_bytes"] = static_cast<double>(outputBytes);
    // The figure to watch: one build in memcpy calls of its whole output.
    state.counters["x_memcpy"] = perBuild / CopyPool::Get().SecondsPerCopy(outputBytes);
}

void BM_GradientUtf8(benchmark::State& state) {
    RunFormatter(state, tagforge::kEffectGradient, TextEncoding::Utf8);
}
void BM_GradientWindows1251(benchmark::State& state) {
    RunFormatter(state, tagforge::kEffectGradient, TextEncoding::Windows1251);
}
void BM_SpectrumUtf8(benchmark::State& state) {
    RunFormatter(state, tagforge::kEffectSpectrum, TextEncoding::Utf8);
}
void BM_RandomPerLetterUtf8(benchmark::State& state) {
    RunFormatter(state, tagforge::kEffectRandomPerLetter, TextEncoding::Utf8);
}

// The reference: a memcpy of exactly the UTF-8 output of the per-letter gradient, out of cache.
void BM_MemcpyOfGradientOutput(benchmark::State& state) {
    const FormatterOptions options =
        EffectOptions(tagforge::kEffectGradient, static_cast<std::size_t>(state.range(0)));
    DefaultRandomSource random;
    std::string output;
    tagforge::WriteResultText(options, random, TextEncoding::Utf8, tagforge::AppendTo(output));
    const std::size_t bytes = output.size();
    CopyPool& pool = CopyPool::Get();
    for (auto _ : state) {
        state.SetIterationTime(pool.SecondsPerCopy(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["out_bytes"] = static_cast<double>(bytes);
}

constexpr std::int64_t kSizes[] = {1000, 64'000, kMillion};

void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (const std::int64_t size : kSizes) {
        benchmark->Arg(size);
    }
    benchmark->ArgName("letters")->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_GradientUtf8)->Apply(Sizes);
BENCHMARK(BM_GradientWindows1251)->Apply(Sizes);
BENCHMARK(BM_SpectrumUtf8)->Apply(Sizes);
BENCHMARK(BM_RandomPerLetterUtf8)->Apply(Sizes);
BENCHMARK(BM_MemcpyOfGradientOutput)->Apply(Sizes)->UseManualTime()->Iterations(5);

// The line the copy would take, a colour per letter through the spectrum, turned into the HTML
// the window's live preview hands to Qt's rich text.
void BM_RichTextOfSpectrum(benchmark::State& state) {
    DefaultRandomSource random;
    const std::string line = tagforge::BuildResultText(
        EffectOptions(tagforge::kEffectSpectrum, static_cast<std::size_t>(state.range(0))), random);
    tagforge::RichTextOptions options;
    options.pictures = [](std::string_view name) -> std::optional<std::filesystem::path> {
        if (name == "smile") {
            return std::filesystem::path("/opt/tagforge/Smiles/smile.gif");
        }
        return std::nullopt;
    };
    std::size_t htmlBytes = 0;
    for (auto _ : state) {
        const tagforge::RichTextLine html = tagforge::ChatLineToRichText(line, options);
        htmlBytes = html.html.size();
        benchmark::DoNotOptimize(html.html.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.counters["line_bytes"] = static_cast<double>(line.size());
    state.counters["html_bytes"] = static_cast<double>(htmlBytes);
}

BENCHMARK(BM_RichTextOfSpectrum)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10'000)
    ->ArgName("letters")
    ->Unit(benchmark::kMicrosecond);

// Writes the benchmarks' message of a million letters as UTF-8, for timing the command line.
bool WriteMessageFile(int argc, char** argv) {
    constexpr std::string_view kOption = "--write_message=";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.substr(0, kOption.size()) == kOption) {
            const std::string path(arg.substr(kOption.size()));
            const std::string utf8 = tagforge::Cp1251ToUtf8(MakeMessage(kMillion));
            std::FILE* file = std::fopen(path.c_str(), "wb");
            const bool written =
                file != nullptr && std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size();
            if (file != nullptr) {
                std::fclose(file);
            }
            return written;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]).substr(0, 16) == "--write_message=") {
        return WriteMessageFile(argc, argv) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
