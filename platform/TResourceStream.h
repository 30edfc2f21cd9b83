#pragma once

#include "ProgramResources.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Handle of a module whose resources are read; zero is the program itself.
using ModuleHandle = std::uintptr_t;

// Read-only stream over a named program resource.
class TResourceStream {
  public:
    // Raises EResNotFound ("Resource %s not found") for an unknown name.
    TResourceStream(ModuleHandle module, std::string_view name, ResourceType type);

    TResourceStream(const TResourceStream&) = delete;
    TResourceStream& operator=(const TResourceStream&) = delete;

    std::size_t Size() const { return FSize; }
    // The resource's bytes, to be read in place.
    const unsigned char* Memory() const { return FData; }
    std::size_t Position() const { return FPosition; }
    void Seek(std::size_t offset) { FPosition = offset; }

    // Copies up to `count` bytes from the position and advances it; a read
    // at or beyond the end transfers nothing.
    std::size_t Read(void* buffer, std::size_t count) {
        if (FPosition >= FSize)
            return 0;
        // Written so that a read of a constant count copies without a call.
        const std::size_t n = count <= FSize - FPosition ? count : FSize - FPosition;
        if (n == count)
            std::memcpy(buffer, FData + FPosition, count);
        else
            std::memcpy(buffer, FData + FPosition, n);
        FPosition += n;
        return n;
    }

  private:
    const unsigned char* FData = nullptr;
    std::size_t FSize = 0;
    std::size_t FPosition = 0;
};
