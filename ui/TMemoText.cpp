#include "TMemoText.h"

#include <string_view>

namespace {

constexpr std::string_view CrLf = "\r\n";

// Text lines separated by "\n" as bytes separated by CR LF. Neither CP936 nor
// CP950 has 0x0A inside a character.
ByteString WithCrLf(const ByteString& bytes) {
    ByteString result;
    result.reserve(bytes.size() + bytes.size() / 16);
    for (const char byte : bytes) {
        if (byte == '\n')
            result += CrLf;
        else
            result += byte;
    }
    return result;
}

// Calls `visit` for each line of `bytes`; a break at the end starts no line.
template <typename Visit> void ForEachLine(const ByteString& bytes, Visit visit) {
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const auto end = rest.find(CrLf);
        visit(ByteString(rest.substr(0, end)));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + CrLf.size());
    }
}

} // namespace

TMemoText::TMemoText() : FUtf8("UTF-8"), FCp936("CP936"), FCp950("CP950") {}

TMemoText::Conversion TMemoText::Convert(const std::string& text, CodePageId from, CodePageId to,
                                         const LineConverter& convert) {
    Conversion result;
    const ByteString source = BytesIn(text, from, result.replaced);
    TCodePage& target = CodePage(to);
    ForEachLine(source, [&](const ByteString& line) {
        const ByteString converted = convert(line);
        result.bytes += converted;
        result.bytes += CrLf;
        result.text += target.Decode(converted);
        result.text += '\n';
    });
    return result;
}

void TMemoText::Converted(const std::string& before, const std::string& after, CodePageId to,
                          ByteString bytes) {
    const State* known = Find(before);
    State previous = known ? *known : State{before, FPage, std::nullopt};
    previous.text = before;
    FStates.push_back(std::move(previous));
    FStates.push_back({after, to, std::move(bytes)});
    FPage = to;
}

ByteString TMemoText::Bytes(const std::string& text) {
    std::size_t replaced = 0;
    return BytesIn(text, PageOf(text), replaced);
}

void TMemoText::Clear() {
    FStates.clear();
}

const TMemoText::State* TMemoText::Find(const std::string& text) const {
    for (auto state = FStates.rbegin(); state != FStates.rend(); ++state) {
        if (state->text == text)
            return &*state;
    }
    return nullptr;
}

CodePageId TMemoText::PageOf(const std::string& text) const {
    const State* state = Find(text);
    return state ? state->page : FPage;
}

ByteString TMemoText::BytesIn(const std::string& text, CodePageId page, std::size_t& replaced) {
    if (const State* state = Find(text); state && state->bytes && state->page == page)
        return *state->bytes;
    TCodePage::Encoded encoded = CodePage(page).Encode(text);
    replaced = encoded.replaced;
    return WithCrLf(encoded.bytes);
}

TCodePage& TMemoText::CodePage(CodePageId page) {
    switch (page) {
    case CodePageId::Cp936:
        return FCp936;
    case CodePageId::Cp950:
        return FCp950;
    case CodePageId::Utf8:
        break;
    }
    return FUtf8;
}
