#include "TTextWriter.h"

#include "EInOutError.h"
#include "IoErrorCodes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

TTextWriter::TTextWriter(const ByteString& fileName, std::size_t bufferSize)
    : FCapacity(std::max<std::size_t>(bufferSize, 1)) {
    // The old runtime took an empty name for standard output.
    if (fileName.empty())
        throw EInOutError(IoErrorCodes::PathNotFound);
    // Not O_TRUNC: the file may be the source under another name, and only
    // the lock tells.
    FFile = TFileHandle::OpenLocked(fileName, O_WRONLY | O_CREAT, LockKind::Exclusive);
    FRegular = FFile.IsRegularFile();
    if (FRegular && ::ftruncate(FFile.Descriptor(), 0) != 0)
        throw EInOutError(IoErrorCodes::FromErrno(errno));
    FBuffer = std::make_unique_for_overwrite<char[]>(FCapacity);
}

TTextWriter::TTextWriter(TFileHandle file, std::size_t bufferSize)
    : FFile(std::move(file)), FCapacity(std::max<std::size_t>(bufferSize, 1)) {
    FBuffer = std::make_unique_for_overwrite<char[]>(FCapacity);
}

void TTextWriter::Write(std::string_view bytes) {
    while (!bytes.empty() && !FFailed) {
        const std::size_t count = std::min(bytes.size(), FCapacity - FUsed);
        std::memcpy(FBuffer.get() + FUsed, bytes.data(), count);
        FUsed += count;
        bytes.remove_prefix(count);
        if (FUsed == FCapacity)
            Flush();
    }
}

void TTextWriter::Rewind(std::uint64_t position) noexcept {
    if (FFailed || position >= Position())
        return;
    if (position >= FWritten) {
        FUsed = static_cast<std::size_t>(position - FWritten);
        return;
    }
    FUsed = 0;
    const auto offset = static_cast<off_t>(position);
    if (FRegular && ::ftruncate(FFile.Descriptor(), offset) == 0 &&
        ::lseek(FFile.Descriptor(), offset, SEEK_SET) == offset)
        FWritten = position;
}

void TTextWriter::Close() {
    if (!FFile.IsOpen())
        return;
    if (!FFailed && FUsed > 0) {
        try {
            Flush();
        } catch (const EInOutError&) {
            FFile.Close();
            throw;
        }
    }
    if (const int error = FFile.Close())
        throw EInOutError(IoErrorCodes::FromErrno(error));
}

void TTextWriter::Flush() {
    const char* data = FBuffer.get();
    std::size_t left = FUsed;
    while (left > 0) {
        const ssize_t result = ::write(FFile.Descriptor(), data, left);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            Fail(result < 0 ? errno : EIO);
        data += result;
        left -= static_cast<std::size_t>(result);
    }
    FWritten += FUsed;
    FUsed = 0;
}

void TTextWriter::Fail(int error) {
    // A block cut short by a full disk leaves part of itself in the file.
    if (FRegular)
        (void)::ftruncate(FFile.Descriptor(), static_cast<off_t>(FWritten));
    FFailed = true;
    FUsed = 0;
    throw EInOutError(IoErrorCodes::FromErrno(error));
}
