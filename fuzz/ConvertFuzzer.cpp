// Convert in both directions on any bytes: it must not crash, single bytes
// pass unchanged, and every pair gives two bytes, a lead byte at the very
// end too (it pairs with 0x00).

#include "BIG2GB.h"
#include "ByteString.h"
#include "GB2BIG.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr unsigned char LastSingleByte = 0xA0;

[[noreturn]] void Fail(const char* what, std::size_t offset) {
    std::fprintf(stderr, "%s at input offset %zu\n", what, offset);
    std::abort();
}

void CheckShape(const ByteString& source, const ByteString& converted) {
    std::size_t in = 0;
    std::size_t out = 0;
    while (in < source.size()) {
        const auto byte = static_cast<unsigned char>(source[in]);
        if (byte <= LastSingleByte) {
            if (out >= converted.size() || converted[out] != source[in])
                Fail("a single byte did not pass unchanged", in);
            in += 1;
        } else {
            in += 2;
        }
        out += byte <= LastSingleByte ? 1 : 2;
        if (out > converted.size())
            Fail("the output is shorter than its pairs and single bytes", in);
    }
    if (out != converted.size())
        Fail("the output is longer than its pairs and single bytes", in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TBIG2GB big5ToGb;
    static TGB2BIG gbToBig5;
    const ByteString source(reinterpret_cast<const char*>(data), size);
    CheckShape(source, big5ToGb.Convert(source));
    CheckShape(source, gbToBig5.Convert(source));
    return 0;
}
