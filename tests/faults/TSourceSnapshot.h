#pragma once

#include "ByteString.h"

#include <map>
#include <vector>

// The bytes of the source files as they were before a test's faults, to tell
// afterwards which of them changed or went.
class TSourceSnapshot {
  public:
    void Take(const ByteString& fileName);

    // Records that a test moved a source away on purpose.
    void Moved(const ByteString& from, const ByteString& to);

    // The sources that are missing or whose bytes differ from the snapshot.
    std::vector<ByteString> Changed() const;

    std::size_t Count() const { return FBytes.size(); }

  private:
    std::map<ByteString, ByteString> FBytes;
};
