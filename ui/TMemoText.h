#pragma once

#include "ByteString.h"
#include "TCodePage.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The code pages the memo can hold: the desktop's own until a conversion,
// then the target encoding of the last one.
enum class CodePageId { Utf8, Cp936, Cp950 };

// The memo's text as bytes. The memo shows characters (UTF-8, lines
// separated by "\n"); its bytes are that text in the code page it holds,
// lines separated by CR LF. The bytes a conversion produced are kept exactly
// while the memo shows their text, also after an undo and a redo, so that a
// byte without a character (the converter passes 0x80..0xA0 through) is not
// lost on its way to Save or to the next conversion.
class TMemoText {
  public:
    using LineConverter = std::function<ByteString(const ByteString&)>;

    struct Conversion {
        std::string text;         // what the memo shows afterwards
        ByteString bytes;         // what it holds afterwards
        std::size_t replaced = 0; // characters `from` could not hold, now "?"
    };

    TMemoText();

    // Converts `text` by its lines: each line as bytes in `from`, through
    // `convert`, shown decoded from `to`. Every line is followed by a break.
    Conversion Convert(const std::string& text, CodePageId from, CodePageId to,
                       const LineConverter& convert);

    // The memo went from showing `before` to showing `after`, the text of
    // `bytes` in `to`.
    void Converted(const std::string& before, const std::string& after, CodePageId to,
                   ByteString bytes);

    // The bytes of `text` in the code page the memo holds: what Save writes.
    ByteString Bytes(const std::string& text);

    // The memo was emptied; what it showed before is gone.
    void Clear();

  private:
    struct State {
        std::string text;
        CodePageId page;
        std::optional<ByteString> bytes;
    };

    const State* Find(const std::string& text) const;
    CodePageId PageOf(const std::string& text) const;
    ByteString BytesIn(const std::string& text, CodePageId page, std::size_t& replaced);
    TCodePage& CodePage(CodePageId page);

    TCodePage FUtf8;
    TCodePage FCp936;
    TCodePage FCp950;
    std::vector<State> FStates; // oldest first
    CodePageId FPage = CodePageId::Utf8;
};
