#include "TTextReader.h"

#include "EInOutError.h"
#include "IoErrorCodes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char EndOfFileMark = '\x1A';

} // namespace

TTextReader::TTextReader(const ByteString& fileName, std::size_t bufferSize)
    : FCapacity(std::max<std::size_t>(bufferSize, 1)) {
    // The old runtime took an empty name for standard input.
    if (fileName.empty())
        throw EInOutError(IoErrorCodes::PathNotFound);
    FFile = TFileHandle::OpenLocked(fileName, O_RDONLY, LockKind::Shared);
    FBuffer = std::make_unique_for_overwrite<char[]>(FCapacity);
}

TTextReader::TTextReader(TFileHandle file, std::size_t bufferSize)
    : FFile(std::move(file)), FCapacity(std::max<std::size_t>(bufferSize, 1)) {
    FBuffer = std::make_unique_for_overwrite<char[]>(FCapacity);
}

bool TTextReader::Eof() {
    return !HasData();
}

LinePart TTextReader::ReadLinePart() {
    if (!HasData())
        return {{}, true};
    const char* const start = FBuffer.get() + FPosition;
    const std::size_t available = FEnd - FPosition;
    const auto* const lineEnd =
        static_cast<const char*>(std::memchr(start, CarriageReturn, available));
    if (lineEnd == nullptr) {
        FPosition = FEnd;
        return {{start, available}, false};
    }
    const auto length = static_cast<std::size_t>(lineEnd - start);
    FPosition += length + 1;
    FSkipLineFeed = true;
    return {{start, length}, true};
}

void TTextReader::Close() {
    if (const int error = FFile.Close())
        throw EInOutError(IoErrorCodes::FromErrno(error));
}

// Makes at least one byte available, after taking the LF of a CR LF; false at
// the end of the input.
bool TTextReader::HasData() {
    for (;;) {
        if (FPosition == FEnd && !Fill())
            return false;
        if (!FSkipLineFeed)
            return true;
        FSkipLineFeed = false;
        if (FBuffer[FPosition] != LineFeed)
            return true;
        ++FPosition;
    }
}

bool TTextReader::Fill() {
    if (FInputEnded)
        return false;
    const std::uint64_t bufferOffset = FBytesRead;
    const std::size_t count = ReadSome(FBuffer.get(), FCapacity);
    FBytesRead += count;
    FPosition = 0;
    FEnd = count;
    if (count == 0) {
        FInputEnded = true;
        return false;
    }
    if (const void* mark = std::memchr(FBuffer.get(), EndOfFileMark, count)) {
        FEnd = static_cast<std::size_t>(static_cast<const char*>(mark) - FBuffer.get());
        FInputEnded = true;
        if (FEnd + 1 < count || AnyByteFollows())
            FMarkBeforeMoreBytes = bufferOffset + FEnd;
    }
    return FEnd > 0;
}

std::size_t TTextReader::ReadSome(char* into, std::size_t count) {
    for (;;) {
        const ssize_t result = ::read(FFile.Descriptor(), into, count);
        if (result >= 0)
            return static_cast<std::size_t>(result);
        if (errno != EINTR)
            throw EInOutError(IoErrorCodes::FromErrno(errno));
    }
}

// Only tells whether the mark was the last byte; the input has already ended,
// so a failure here is no read error.
bool TTextReader::AnyByteFollows() {
    char probe;
    try {
        return ReadSome(&probe, 1) == 1;
    } catch (const EInOutError&) {
        return false;
    }
}
