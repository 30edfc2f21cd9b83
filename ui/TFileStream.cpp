#include "TFileStream.h"

#include "Exception.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

TFileStream::TFileStream(const ByteString& fileName)
    : FHandle(::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)) {
    if (FHandle < 0)
        throw Exception("Cannot create file " + fileName);
}

TFileStream::~TFileStream() {
    ::close(FHandle);
}

void TFileStream::WriteBuffer(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(FHandle, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw Exception("Stream write error");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}
