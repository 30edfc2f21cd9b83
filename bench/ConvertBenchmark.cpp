// Throughput of Convert alone on realistic lines: mostly hanzi, some ASCII.
#include "BIG2GB.h"
#include "GB2BIG.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

// A line of 10 to 60 characters as in prose: runs of hanzi, now and then a
// short run of ASCII (a number, a word, punctuation). Lead and trail ranges
// are those of the common characters of each encoding.
std::string MakeLine(std::mt19937& random, int leadFirst, int leadLast, int trailFirst,
                     int trailLast) {
    std::uniform_int_distribution<int> length(10, 60), lead(leadFirst, leadLast),
        trail(trailFirst, trailLast), ascii(0x20, 0x7E), asciiRun(1, 6), kind(0, 11);
    std::string line;
    for (int n = length(random); n > 0; --n) {
        if (kind(random) == 0) {
            for (int run = asciiRun(random); run > 0; --run)
                line += static_cast<char>(ascii(random));
        } else {
            line += static_cast<char>(lead(random));
            line += static_cast<char>(trail(random));
        }
    }
    return line;
}

template <typename Converter>
void ConvertLines(benchmark::State& state, const std::vector<std::string>& lines) {
    Converter converter;
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            std::string result = converter.Convert(line);
            benchmark::DoNotOptimize(result.data());
            bytes += line.size();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

std::vector<std::string> Lines(int leadFirst, int leadLast, int trailFirst, int trailLast) {
    std::mt19937 random(20261211);
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i)
        lines.push_back(MakeLine(random, leadFirst, leadLast, trailFirst, trailLast));
    return lines;
}

void GbToBig5(benchmark::State& state) {
    static const auto lines = Lines(0xB0, 0xD7, 0xA1, 0xFE);
    ConvertLines<TGB2BIG>(state, lines);
}

void Big5ToGb(benchmark::State& state) {
    static const auto lines = Lines(0xA4, 0xC6, 0x40, 0x7E);
    ConvertLines<TBIG2GB>(state, lines);
}

// A long line converted in place into a reused buffer, as file conversion does.
void GbToBig5Streaming(benchmark::State& state) {
    static const auto lines = Lines(0xB0, 0xD7, 0xA1, 0xFE);
    std::string text;
    for (const std::string& line : lines)
        text += line;
    TGB2BIG converter;
    std::string out;
    for (auto _ : state) {
        out.clear();
        PendingLead pending;
        converter.ConvertPart(text, out, pending);
        converter.FinishLine(out, pending);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

} // namespace

BENCHMARK(GbToBig5);
BENCHMARK(Big5ToGb);
BENCHMARK(GbToBig5Streaming);
BENCHMARK_MAIN();
