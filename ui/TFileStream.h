#pragma once

#include "ByteString.h"

#include <string_view>

// A file created (or truncated) for writing; closed when destroyed, keeping
// what was written.
class TFileStream {
  public:
    // Raises Exception "Cannot create file <name>".
    explicit TFileStream(const ByteString& fileName);
    ~TFileStream();

    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    // Writes all of `bytes` or raises Exception "Stream write error".
    void WriteBuffer(std::string_view bytes);

  private:
    int FHandle;
};
