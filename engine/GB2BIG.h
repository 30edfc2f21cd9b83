#pragma once

#include "ByteString.h"
#include "PairConversion.h"
#include "TResourceStream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Converts GB2312 text to Big5 through the code table GB2BIG.
class TGB2BIG {
  public:
    static constexpr std::uint16_t Base = 0xA1A1;

    // Opens the table; raises EResNotFound when the program does not carry it.
    TGB2BIG();

    // Returns `source` converted; the source is one line or any other text.
    ByteString Convert(const ByteString& source);

    // Converts a line that arrives in parts: appends to `out`, carrying a
    // lead byte that ends one part over to the next.
    void ConvertPart(std::string_view part, std::string& out, PendingLead& pending);
    void FinishLine(std::string& out, PendingLead& pending);

    // The same writing at `out`, which has room for part.size() + 1 bytes
    // (2 for FinishLine); they return the end of what they wrote.
    char* ConvertPart(std::string_view part, char* out, PendingLead& pending);
    char* FinishLine(char* out, PendingLead& pending);

  private:
    const ModuleHandle FModule = 0;
    std::unique_ptr<TResourceStream> FTable;
};
