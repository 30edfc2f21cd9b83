#include "ConvertFile.h"

#include "Exception.h"
#include "FileNames.h"
#include "TCharsetRewriter.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view LineEnd = "\r\n";

struct Declarations {
    std::string_view searched;
    std::string_view replacement;
};

constexpr Declarations DeclarationsFor(ConversionDirection direction) {
    if (direction == ConversionDirection::Big5ToGb)
        return {"charset=big5", "charset=gb2312"};
    return {"charset=gb2312", "charset=big5"};
}

// Scratch for one part. `converted` is room to convert into: its size only
// grows, so a part costs no fill of the string.
struct PartBuffers {
    std::string rewritten;
    std::string converted;

    char* Room(std::size_t size) {
        if (converted.size() < size)
            converted.resize(size);
        return converted.data();
    }
};

// Converts one line without ever holding it whole: each part is rewritten,
// converted and written as it comes, and a lead byte that ends a part waits
// for its trail byte in the next.
template <typename Converter>
void ConvertLine(TTextReader& source, TTextWriter& dest, TCharsetRewriter& rewriter,
                 Converter& converter, PartBuffers& buffers) {
    PendingLead pending;
    LinePart part;
    do {
        part = source.ReadLinePart();
        std::string_view text = part.bytes;
        if (rewriter.Searching()) {
            buffers.rewritten.clear();
            rewriter.RewritePart(text, buffers.rewritten);
            if (part.endsLine)
                rewriter.FinishLine(buffers.rewritten);
            text = buffers.rewritten;
        }
        // The part converted, and at the line's end the waiting lead byte's
        // pair and the line end: one write.
        char* const room = buffers.Room(text.size() + 1 + 2 + LineEnd.size());
        char* end = converter.ConvertPart(text, room, pending);
        if (part.endsLine) {
            end = converter.FinishLine(end, pending);
            end = std::copy(LineEnd.begin(), LineEnd.end(), end);
        }
        dest.Write({room, static_cast<std::size_t>(end - room)});
    } while (!part.endsLine);
}

template <typename Converter>
void ConvertLines(TTextReader& source, TTextWriter& dest, TCharsetRewriter& rewriter,
                  Converter& converter) {
    PartBuffers buffers;
    while (!source.Eof()) {
        const std::uint64_t lineStart = dest.Position();
        try {
            ConvertLine(source, dest, rewriter, converter, buffers);
        } catch (...) {
            // A read that fails inside a line leaves no half line behind.
            dest.Rewind(lineStart);
            throw;
        }
    }
}

std::string TrailingBytesMessage(const ByteString& sourceName, std::uint64_t markOffset) {
    return "The text of " + sourceName + " ends at the end-of-file mark (Ctrl+Z) at byte offset " +
           std::to_string(markOffset) + "; the bytes after it were not converted.";
}

} // namespace

void ConvertFile(const ByteString& sourceName, const ByteString& destName,
                 ConversionDirection direction, bool modifyCharset, const Converters& converters,
                 const ShowMessage& showMessage) {
    ConvertFile(sourceName, destName, direction, modifyCharset, converters, showMessage,
                ConvertOptions{});
}

void ConvertFile(const ByteString& sourceName, const ByteString& destName,
                 ConversionDirection direction, bool modifyCharset, const Converters& converters,
                 const ShowMessage& showMessage, const ConvertOptions& options) {
    TTextReader source(sourceName, options.readBufferSize);
    // Should this raise, the source closes on the way out.
    TTextWriter dest(destName, options.writeBufferSize);
    ConvertStream(source, dest, sourceName, direction, modifyCharset, converters, showMessage);
}

bool ConvertStream(TTextReader& source, TTextWriter& dest, const ByteString& sourceName,
                   ConversionDirection direction, bool modifyCharset, const Converters& converters,
                   const ShowMessage& showMessage) {
    const Declarations declarations = DeclarationsFor(direction);
    TCharsetRewriter rewriter(declarations.searched, declarations.replacement, modifyCharset);
    bool finished = false;
    try {
        if (direction == ConversionDirection::Big5ToGb)
            ConvertLines(source, dest, rewriter, converters.Big5ToGb);
        else
            ConvertLines(source, dest, rewriter, converters.GbToBig5);
        finished = true;
    } catch (const Exception& e) {
        showMessage(e.Message());
    } catch (const std::exception& e) {
        showMessage(e.what());
    }

    std::exception_ptr firstFailure;
    try {
        source.Close();
    } catch (...) {
        firstFailure = std::current_exception();
    }
    try {
        dest.Close();
    } catch (...) {
        if (!firstFailure)
            firstFailure = std::current_exception();
    }
    if (firstFailure)
        std::rethrow_exception(firstFailure);

    if (const auto mark = source.MarkBeforeMoreBytes(); finished && mark)
        showMessage(TrailingBytesMessage(sourceName, *mark));
    return finished;
}

bool ShouldModifyCharset(const ByteString& fileName, bool charsetBoxTicked) {
    if (!charsetBoxTicked)
        return false;
    ByteString extension = ExtractFileExt(ExtractFileName(fileName));
    for (char& byte : extension) {
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>(byte - ('a' - 'A'));
    }
    return extension == ".HTML" || extension == ".HTM";
}
