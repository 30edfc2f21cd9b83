// The streaming path (the charset rewrite and the converter fed a line in
// parts of random sizes, empty ones included) against the whole-line path:
// the same bytes out for every line. Lines are separated by CR in the input.

#include "BIG2GB.h"
#include "ByteString.h"
#include "GB2BIG.h"
#include "TCharsetRewriter.h"
#include "WholeLines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

// Feeds one line in parts the way ConvertFile does.
template <typename Converter>
ByteString StreamLine(std::string_view line, TCharsetRewriter& rewriter, Converter& converter,
                      std::minstd_rand& random, std::size_t maxPart) {
    std::uniform_int_distribution<std::size_t> partSize(0, maxPart);
    ByteString out;
    std::string rewritten;
    PendingLead pending;
    bool endsLine = false;
    while (!endsLine) {
        const std::string_view part = line.substr(0, partSize(random));
        line.remove_prefix(part.size());
        endsLine = line.empty();
        std::string_view text = part;
        if (rewriter.Searching()) {
            rewritten.clear();
            rewriter.RewritePart(part, rewritten);
            if (endsLine)
                rewriter.FinishLine(rewritten);
            text = rewritten;
        }
        converter.ConvertPart(text, out, pending);
    }
    converter.FinishLine(out, pending);
    return out;
}

template <typename Converter>
void CompareLines(std::string_view text, ConversionDirection direction, bool modifyCharset,
                  Converter& converter, const Converters& converters, std::minstd_rand& random,
                  std::size_t maxPart) {
    const bool big5ToGb = direction == ConversionDirection::Big5ToGb;
    TCharsetRewriter rewriter(big5ToGb ? "charset=big5" : "charset=gb2312",
                              big5ToGb ? "charset=gb2312" : "charset=big5", modifyCharset);
    TWholeLineConverter whole(direction, modifyCharset, converters);
    for (;;) {
        const std::size_t end = text.find('\r');
        const std::string_view line = text.substr(0, end);
        if (StreamLine(line, rewriter, converter, random, maxPart) !=
            whole.ConvertLine(ByteString(line))) {
            std::fprintf(stderr, "a line streamed in parts differs from the whole line\n");
            std::abort();
        }
        if (end == std::string_view::npos)
            return;
        text.remove_prefix(end + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TBIG2GB big5ToGb;
    static TGB2BIG gbToBig5;
    const Converters converters{big5ToGb, gbToBig5};

    FuzzedDataProvider input(data, size);
    const bool big5ToGbWay = input.ConsumeBool();
    const bool modifyCharset = input.ConsumeBool();
    const auto maxPart = input.ConsumeIntegralInRange<std::size_t>(1, 40);
    std::minstd_rand random(input.ConsumeIntegral<std::uint32_t>());
    const ByteString text = input.ConsumeRemainingBytesAsString();

    if (big5ToGbWay)
        CompareLines(text, ConversionDirection::Big5ToGb, modifyCharset, big5ToGb, converters,
                     random, maxPart);
    else
        CompareLines(text, ConversionDirection::GbToBig5, modifyCharset, gbToBig5, converters,
                     random, maxPart);
    return 0;
}
