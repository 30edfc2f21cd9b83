#include "TCodePage.h"

#include "Exception.h"

#include <algorithm>
#include <cerrno>

namespace {

constexpr std::string_view Utf8Replacement = "\xEF\xBF\xBD"; // U+FFFD

iconv_t Open(const std::string& to, const std::string& from) {
    const iconv_t descriptor = iconv_open(to.c_str(), from.c_str());
    if (descriptor == reinterpret_cast<iconv_t>(-1))
        throw Exception("Code page " + (to == "UTF-8" ? from : to) + " is not available");
    return descriptor;
}

// Length of the UTF-8 sequence that starts with `lead`.
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Runs `input` through `descriptor`. Input that does not convert is skipped
// `skip(first byte)` bytes at a time, each time writing `replacement`.
template <typename Skip>
std::string Transcode(iconv_t descriptor, std::string_view input, std::string_view replacement,
                      Skip skip, std::size_t& replaced) {
    std::string output;
    output.reserve(input.size() * 2);
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        const std::size_t length = std::min(skip(static_cast<unsigned char>(*in)), inLeft);
        output += replacement;
        in += length;
        inLeft -= length;
        ++replaced;
    }
    return output;
}

} // namespace

TCodePage::TCodePage(const std::string& name)
    : FName(name), FEncoder(Open(name, "UTF-8")), FDecoder(Open("UTF-8", name)) {}

TCodePage::Encoded TCodePage::Encode(std::string_view utf8) {
    Encoded result;
    result.bytes = Transcode(FEncoder.get(), utf8, "?", Utf8Length, result.replaced);
    return result;
}

std::string TCodePage::Decode(std::string_view bytes) {
    std::size_t undecoded = 0;
    return Transcode(
        FDecoder.get(), bytes, Utf8Replacement, [](unsigned char) -> std::size_t { return 1; },
        undecoded);
}
