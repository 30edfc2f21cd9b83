#pragma once

#include "ByteString.h"
#include "ConversionDirection.h"
#include "ConvertFile.h"

#include <cstddef>
#include <optional>
#include <vector>

// The text-file rules written the plain way, with every line held whole: the
// reference that the streaming code is checked against.

struct SplitText {
    std::vector<ByteString> lines;
    // Offset of an end-of-file mark that has more bytes after it.
    std::optional<std::size_t> markBeforeMoreBytes;
};

// Splits a file's bytes into lines: CR, CR LF and the end end a line, and
// 0x1A ends the input.
SplitText SplitIntoLines(const ByteString& bytes);

// Rewrites the charset declaration in the first lines and converts each
// line, one whole line per call.
class TWholeLineConverter {
  public:
    TWholeLineConverter(ConversionDirection direction, bool modifyCharset,
                        const Converters& converters);

    // The line rewritten and converted, without a line end.
    ByteString ConvertLine(const ByteString& line);

  private:
    ByteString Rewrite(ByteString line);

    const ConversionDirection FDirection;
    const Converters FConverters;
    bool FSearching;
    int FSearchedLines = 0;
};

// The whole destination file that ConvertFile is to write for `bytes`.
ByteString ConvertWholeFile(const ByteString& bytes, ConversionDirection direction,
                            bool modifyCharset, const Converters& converters);
