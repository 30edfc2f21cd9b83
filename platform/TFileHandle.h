#pragma once

#include "ByteString.h"

// How a whole file is locked while it is open.
enum class LockKind {
    Shared,    // other readers only
    Exclusive, // no one else
};

// Owns one open file descriptor and closes it when destroyed.
class TFileHandle {
  public:
    TFileHandle() = default;
    explicit TFileHandle(int descriptor) : FDescriptor(descriptor) {}
    ~TFileHandle();

    TFileHandle(TFileHandle&& other) noexcept;
    TFileHandle& operator=(TFileHandle&& other) noexcept;
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    // Opens `fileName` with the open(2) `flags` and locks the whole file, or
    // raises EInOutError. The lock is an open-file-description lock, so it
    // keeps out every other opening of the same file, in this process too,
    // whatever name, link or path reaches it. A folder cannot be opened.
    static TFileHandle OpenLocked(const ByteString& fileName, int flags, LockKind lock);

    int Descriptor() const { return FDescriptor; }
    bool IsOpen() const { return FDescriptor >= 0; }
    bool IsRegularFile() const;

    // Closes the descriptor; returns 0 or the errno of a failed close. The
    // handle is empty afterwards either way.
    int Close();

  private:
    int FDescriptor = -1;
};
