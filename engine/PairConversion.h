#pragma once

#include "TResourceStream.h"

#include <cstdint>
#include <string>
#include <string_view>

// A lead byte that ended one part of a line and waits for its trail byte in the next.
struct PendingLead {
    bool waiting = false;
    unsigned char byte = 0;
};

// The loop both converters run: single bytes up to 0xA0 pass through, every
// other byte leads a pair whose two-byte entry is read from `table` at
// 2 * ((code - base) mod 65536). Appends to `out`.
void ConvertPairs(const TResourceStream& table, std::uint16_t base, std::string_view part,
                  std::string& out, PendingLead& pending);

// The same loop writing at `out`, which has room for part.size() + 1 bytes;
// returns the end of what it wrote.
char* ConvertPairs(const TResourceStream& table, std::uint16_t base, std::string_view part,
                   char* out, PendingLead& pending);

// Ends a line: a lead byte still waiting pairs with the trail byte 0x00.
void FinishPairs(const TResourceStream& table, std::uint16_t base, std::string& out,
                 PendingLead& pending);

// The same writing at `out`, which has room for 2 bytes; returns the end.
char* FinishPairs(const TResourceStream& table, std::uint16_t base, char* out,
                  PendingLead& pending);
