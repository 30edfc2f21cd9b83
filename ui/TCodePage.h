#pragma once

#include "ByteString.h"

#include <iconv.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

// One code page, to and from the characters the window shows (UTF-8),
// through the C library's iconv.
class TCodePage {
  public:
    struct Encoded {
        ByteString bytes;
        std::size_t replaced = 0; // characters the code page cannot hold
    };

    // `name` as iconv knows it ("CP936", "CP950", "UTF-8").
    explicit TCodePage(const std::string& name);

    const std::string& Name() const { return FName; }

    // A character that the code page cannot hold becomes "?".
    Encoded Encode(std::string_view utf8);

    // A byte that does not decode becomes U+FFFD.
    std::string Decode(std::string_view bytes);

  private:
    struct IconvClose {
        void operator()(iconv_t descriptor) const { iconv_close(descriptor); }
    };
    using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvClose>;

    std::string FName;
    IconvHandle FEncoder;
    IconvHandle FDecoder;
};
