#pragma once

#include "ByteString.h"
#include "TFileHandle.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// Writes a file through a buffer, one block whenever the buffer is full and
// the rest on Close. After a failed write the file holds exactly what was
// written before the failed block, and nothing more is written.
class TTextWriter {
  public:
    static constexpr std::size_t DefaultBufferSize = 64 * 1024;

    // Creates `fileName`, or truncates it once it is locked against every
    // other reader and writer; a device is not truncated. A file that cannot
    // be locked is left untouched ("I/O error 32"). Raises EInOutError; an
    // empty name is "Invalid filename".
    explicit TTextWriter(const ByteString& fileName, std::size_t bufferSize = DefaultBufferSize);

    // Writes at the current offset of a file that is already open, such as
    // standard output: no lock is taken, and nothing written before is ever
    // truncated, so Rewind only takes back what is still in the buffer.
    explicit TTextWriter(TFileHandle file, std::size_t bufferSize = DefaultBufferSize);

    // Raises EInOutError when a block cannot be written.
    void Write(std::string_view bytes);

    // Count of bytes written so far, buffered ones included.
    std::uint64_t Position() const { return FWritten + FUsed; }

    // Takes back what was written after `position`: from the buffer, or from
    // a regular file. Does nothing after a failed write.
    void Rewind(std::uint64_t position) noexcept;

    // Writes the buffer's rest, unless a write has failed, and closes the
    // file, even when that write fails. Raises EInOutError.
    void Close();

  private:
    void Flush();
    [[noreturn]] void Fail(int error);

    TFileHandle FFile;
    // Whether the file is ours from offset 0 and may be truncated.
    bool FRegular = false;
    std::unique_ptr<char[]> FBuffer;
    std::size_t FCapacity;
    std::size_t FUsed = 0;
    std::uint64_t FWritten = 0;
    bool FFailed = false;
};
