#pragma once

#include "BIG2GB.h"
#include "ByteString.h"
#include "ConversionDirection.h"
#include "GB2BIG.h"
#include "TTextReader.h"
#include "TTextWriter.h"

#include <cstddef>
#include <functional>

// The converters a conversion uses; the window owns them.
struct Converters {
    TBIG2GB& Big5ToGb;
    TGB2BIG& GbToBig5;
};

// Shows a message to the user; modal: returns when the user has answered.
using ShowMessage = std::function<void(const ByteString& message)>;

// Sizes of the file buffers; a line of any length needs no more memory.
struct ConvertOptions {
    std::size_t readBufferSize = TTextReader::DefaultBufferSize;
    std::size_t writeBufferSize = TTextWriter::DefaultBufferSize;
};

// Converts the text file `sourceName` line by line into `destName`, which is
// created or truncated; every line is written followed by CR LF. With
// `modifyCharset`, the first charset declaration of the source's encoding in
// lines 1 to 21 is rewritten to the destination's.
//
// Raises EInOutError for failures while opening or closing; failures inside
// the loop go to showMessage and it returns normally.
void ConvertFile(const ByteString& sourceName, const ByteString& destName,
                 ConversionDirection direction, bool modifyCharset, const Converters& converters,
                 const ShowMessage& showMessage);
void ConvertFile(const ByteString& sourceName, const ByteString& destName,
                 ConversionDirection direction, bool modifyCharset, const Converters& converters,
                 const ShowMessage& showMessage, const ConvertOptions& options);

// The body of ConvertFile for a source and destination that are already
// open, such as standard input and output: converts, then closes both.
// `sourceName` names the source in messages. Returns false when a failure
// inside the loop stopped it (its message has been shown).
bool ConvertStream(TTextReader& source, TTextWriter& dest, const ByteString& sourceName,
                   ConversionDirection direction, bool modifyCharset, const Converters& converters,
                   const ShowMessage& showMessage);

// True when the box is ticked and the extension of the file name part is .htm
// or .html, a..z taken as capitals.
bool ShouldModifyCharset(const ByteString& fileName, bool charsetBoxTicked);
