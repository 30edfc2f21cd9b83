#include "WholeLines.h"

namespace {

constexpr int MaxSearchedLines = 21;

ByteString Lowered(ByteString text) {
    for (char& byte : text) {
        if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<char>(byte + ('a' - 'A'));
    }
    return text;
}

} // namespace

SplitText SplitIntoLines(const ByteString& bytes) {
    SplitText split;
    const std::size_t mark = bytes.find('\x1A');
    if (mark != ByteString::npos && mark + 1 < bytes.size())
        split.markBeforeMoreBytes = mark;
    const ByteString text = bytes.substr(0, mark);
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find('\r', position);
        if (end == ByteString::npos)
            end = text.size();
        split.lines.push_back(text.substr(position, end - position));
        position = end + 1;
        if (position < text.size() && text[position] == '\n')
            ++position;
    }
    return split;
}

TWholeLineConverter::TWholeLineConverter(ConversionDirection direction, bool modifyCharset,
                                         const Converters& converters)
    : FDirection(direction), FConverters(converters), FSearching(modifyCharset) {}

ByteString TWholeLineConverter::ConvertLine(const ByteString& line) {
    const ByteString rewritten = Rewrite(line);
    return FDirection == ConversionDirection::Big5ToGb ? FConverters.Big5ToGb.Convert(rewritten)
                                                       : FConverters.GbToBig5.Convert(rewritten);
}

ByteString TWholeLineConverter::Rewrite(ByteString line) {
    if (!FSearching)
        return line;
    const bool big5ToGb = FDirection == ConversionDirection::Big5ToGb;
    const ByteString searched = big5ToGb ? "charset=big5" : "charset=gb2312";
    const ByteString replacement = big5ToGb ? "charset=gb2312" : "charset=big5";
    const std::size_t at = Lowered(line).find(searched);
    if (at != ByteString::npos) {
        line.replace(at, searched.size(), replacement);
        FSearching = false;
    }
    if (++FSearchedLines >= MaxSearchedLines)
        FSearching = false;
    return line;
}

ByteString ConvertWholeFile(const ByteString& bytes, ConversionDirection direction,
                            bool modifyCharset, const Converters& converters) {
    TWholeLineConverter converter(direction, modifyCharset, converters);
    ByteString output;
    for (const ByteString& line : SplitIntoLines(bytes).lines)
        output += converter.ConvertLine(line) + "\r\n";
    return output;
}
