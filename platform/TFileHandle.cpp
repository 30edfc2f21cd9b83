#include "TFileHandle.h"

#include "EInOutError.h"
#include "IoErrorCodes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// 0 or the errno of a refused lock. The lock ends with the open file description.
int LockWholeFile(int descriptor, LockKind lock) {
    struct flock range {};
    range.l_type = lock == LockKind::Shared ? F_RDLCK : F_WRLCK;
    range.l_whence = SEEK_SET; // l_start 0, l_len 0: the whole file, however long it grows
    return ::fcntl(descriptor, F_OFD_SETLK, &range) == 0 ? 0 : errno;
}

bool IsFolder(int descriptor) {
    struct stat st {};
    return ::fstat(descriptor, &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

TFileHandle::~TFileHandle() {
    Close();
}

TFileHandle::TFileHandle(TFileHandle&& other) noexcept
    : FDescriptor(std::exchange(other.FDescriptor, -1)) {}

TFileHandle& TFileHandle::operator=(TFileHandle&& other) noexcept {
    if (this != &other) {
        Close();
        FDescriptor = std::exchange(other.FDescriptor, -1);
    }
    return *this;
}

TFileHandle TFileHandle::OpenLocked(const ByteString& fileName, int flags, LockKind lock) {
    int descriptor;
    do {
        descriptor = ::open(fileName.c_str(), flags | O_CLOEXEC, 0666);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        throw EInOutError(IoErrorCodes::FromOpenErrno(errno, fileName));
    TFileHandle file(descriptor);
    // Windows refuses to open a folder as a file.
    if (IsFolder(descriptor))
        throw EInOutError(IoErrorCodes::AccessDenied);
    if (const int error = LockWholeFile(descriptor, lock))
        throw EInOutError(IoErrorCodes::FromLockErrno(error));
    return file;
}

bool TFileHandle::IsRegularFile() const {
    struct stat st {};
    return ::fstat(FDescriptor, &st) == 0 && S_ISREG(st.st_mode);
}

int TFileHandle::Close() {
    if (FDescriptor < 0)
        return 0;
    const int descriptor = std::exchange(FDescriptor, -1);
    // Linux releases the descriptor even when close is interrupted: no retry.
    if (::close(descriptor) != 0 && errno != EINTR)
        return errno;
    return 0;
}
