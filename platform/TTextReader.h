#pragma once

#include "ByteString.h"
#include "TFileHandle.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

// A piece of a line. The piece that ends the line has `endsLine` set; it may
// be empty.
struct LinePart {
    std::string_view bytes;
    bool endsLine = false;
};

// Reads a text file line by line, each line in parts of at most the buffer's
// size, so that a line of any length takes no more memory than the buffer.
//
// A line runs up to the next CR or 0x1A, or to the end of the file. A CR ends
// the line, and so does CR LF; an LF on its own is content. 0x1A marks the end
// of the input: it and what follows are never delivered.
class TTextReader {
  public:
    static constexpr std::size_t DefaultBufferSize = 64 * 1024;

    // Opens `fileName` for reading while admitting other readers only. Raises
    // EInOutError; an empty name is "Invalid filename".
    explicit TTextReader(const ByteString& fileName, std::size_t bufferSize = DefaultBufferSize);

    // Reads from a file that is already open, such as standard input, as it
    // stands: no lock is taken.
    explicit TTextReader(TFileHandle file, std::size_t bufferSize = DefaultBufferSize);

    // True when no line is left. Tested before each line.
    bool Eof();

    // The next part of the current line, viewing the reader's buffer: valid
    // until the next call. Raises EInOutError when the read fails.
    LinePart ReadLinePart();

    // Byte offset of an end-of-file mark that had more bytes after it, once
    // the input has ended there.
    std::optional<std::uint64_t> MarkBeforeMoreBytes() const { return FMarkBeforeMoreBytes; }

    // Raises EInOutError when closing fails.
    void Close();

  private:
    bool HasData();
    bool Fill();
    std::size_t ReadSome(char* into, std::size_t count);
    bool AnyByteFollows();

    TFileHandle FFile;
    std::unique_ptr<char[]> FBuffer;
    std::size_t FCapacity;
    std::size_t FPosition = 0;
    std::size_t FEnd = 0;
    std::uint64_t FBytesRead = 0;
    bool FInputEnded = false;
    bool FSkipLineFeed = false;
    std::optional<std::uint64_t> FMarkBeforeMoreBytes;
};
