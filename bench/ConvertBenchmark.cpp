// Throughput of the converters alone on realistic lines: mostly hanzi, some
// ASCII in short runs.
//
// Each benchmark runs on 1000 lines (about 65 KB) and on 50000 lines (about
// 3 MB). The small set repeats so often that the branch predictor learns
// where its ASCII runs are; the large one is the honest figure for text the
// program has not seen.
#include "BIG2GB.h"
#include "GB2BIG.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Lead bytes of the common hanzi; trail bytes from 0x40 (Big5) or from 0xA1
// (GB2312), those from 0x7F to 0xA0 left out.
struct Codes {
    int leadFirst, leadLast, trailFirst;

    int TrailCount() const { return trailFirst == 0x40 ? 0x3F + 0x5E : 0x5E; }
    int Trail(int n) const {
        return trailFirst == 0x40 && n >= 0x3F ? 0xA1 + n - 0x3F : trailFirst + n;
    }
};

constexpr Codes GbCodes{0xB0, 0xD7, 0xA1};
constexpr Codes Big5Codes{0xA4, 0xC5, 0x40};

// A line of 10 to 60 characters as in prose: runs of hanzi, now and then a
// short run of ASCII (a number, a word, punctuation).
std::string MakeLine(std::mt19937& random, const Codes& codes) {
    std::uniform_int_distribution<int> length(10, 60), lead(codes.leadFirst, codes.leadLast),
        trail(0, codes.TrailCount() - 1), ascii(0x20, 0x7E), asciiRun(1, 6), kind(0, 11);
    std::string line;
    for (int n = length(random); n > 0; --n) {
        if (kind(random) == 0) {
            for (int run = asciiRun(random); run > 0; --run)
                line += static_cast<char>(ascii(random));
        } else {
            line += static_cast<char>(lead(random));
            line += static_cast<char>(codes.Trail(trail(random)));
        }
    }
    return line;
}

std::vector<std::string> Lines(const Codes& codes, std::int64_t count) {
    std::mt19937 random(20261211);
    std::vector<std::string> lines;
    for (std::int64_t i = 0; i < count; ++i)
        lines.push_back(MakeLine(random, codes));
    return lines;
}

std::int64_t TotalSize(const std::vector<std::string>& lines) {
    std::int64_t size = 0;
    for (const std::string& line : lines)
        size += static_cast<std::int64_t>(line.size());
    return size;
}

// Convert, one call per line: a new string per call, as the memo does.
template <typename Converter> void ConvertPerLine(benchmark::State& state, const Codes& codes) {
    const auto lines = Lines(codes, state.range(0));
    Converter converter;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            std::string result = converter.Convert(line);
            benchmark::DoNotOptimize(result.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * TotalSize(lines));
}

// Line by line into reused room, as file conversion does.
template <typename Converter> void ConvertIntoRoom(benchmark::State& state, const Codes& codes) {
    const auto lines = Lines(codes, state.range(0));
    Converter converter;
    std::size_t longest = 0;
    for (const std::string& line : lines)
        longest = std::max(longest, line.size());
    const auto room = std::make_unique<char[]>(longest + 3);
    for (auto _ : state) {
        for (const std::string& line : lines) {
            PendingLead pending;
            char* end = converter.ConvertPart(line, room.get(), pending);
            end = converter.FinishLine(end, pending);
            benchmark::DoNotOptimize(end);
        }
    }
    state.SetBytesProcessed(state.iterations() * TotalSize(lines));
}

// All lines as one long line, converted in parts into a reused string.
template <typename Converter> void ConvertStreaming(benchmark::State& state, const Codes& codes) {
    std::string text;
    for (const std::string& line : Lines(codes, state.range(0)))
        text += line;
    Converter converter;
    std::string out;
    for (auto _ : state) {
        out.clear();
        PendingLead pending;
        converter.ConvertPart(text, out, pending);
        converter.FinishLine(out, pending);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void GbToBig5(benchmark::State& state) {
    ConvertPerLine<TGB2BIG>(state, GbCodes);
}
void Big5ToGb(benchmark::State& state) {
    ConvertPerLine<TBIG2GB>(state, Big5Codes);
}
void GbToBig5IntoRoom(benchmark::State& state) {
    ConvertIntoRoom<TGB2BIG>(state, GbCodes);
}
void Big5ToGbIntoRoom(benchmark::State& state) {
    ConvertIntoRoom<TBIG2GB>(state, Big5Codes);
}
void GbToBig5Streaming(benchmark::State& state) {
    ConvertStreaming<TGB2BIG>(state, GbCodes);
}
void Big5ToGbStreaming(benchmark::State& state) {
    ConvertStreaming<TBIG2GB>(state, Big5Codes);
}

} // namespace

BENCHMARK(GbToBig5)->Arg(1000)->Arg(50000);
BENCHMARK(Big5ToGb)->Arg(1000)->Arg(50000);
BENCHMARK(GbToBig5IntoRoom)->Arg(1000)->Arg(50000);
BENCHMARK(Big5ToGbIntoRoom)->Arg(1000)->Arg(50000);
BENCHMARK(GbToBig5Streaming)->Arg(1000)->Arg(50000);
BENCHMARK(Big5ToGbStreaming)->Arg(1000)->Arg(50000);
BENCHMARK_MAIN();
