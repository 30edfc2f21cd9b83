#include "PairConversion.h"

namespace {

constexpr unsigned char LastSingleByte = 0xA0;

// Writes the entry of one pair at `out` and returns the position after it.
// A pair beyond the end of the table has no counterpart: two spaces.
inline char* PutEntry(TResourceStream& table, std::uint16_t base, unsigned lead, unsigned trail,
                      char* out) {
    const auto index = static_cast<std::uint16_t>(lead * 256 + trail - base);
    char entry[2] = {' ', ' '};
    table.Seek(std::size_t{index} * 2);
    table.Read(entry, 2);
    out[0] = entry[0];
    out[1] = entry[1];
    // An entry ends at a zero byte; the tables hold none.
    return out + (entry[0] == '\0' ? 0 : entry[1] == '\0' ? 1 : 2);
}

} // namespace

void ConvertPairs(TResourceStream& table, std::uint16_t base, std::string_view part,
                  std::string& out, PendingLead& pending) {
    if (part.empty())
        return;
    const std::size_t start = out.size();
    out.resize(start + part.size() + 1);
    // Stores through `o` cannot change the table stream: lets its state stay in registers.
    char* __restrict o = out.data() + start;
    const auto* p = reinterpret_cast<const unsigned char*>(part.data());
    const auto* const end = p + part.size();
    if (pending.waiting) {
        o = PutEntry(table, base, pending.byte, *p++, o);
        pending.waiting = false;
    }
    // Every lead byte but the last byte of the part has its trail byte here.
    const auto* const last = end - 1;
    while (p < last) {
        const unsigned char b = *p++;
        if (b <= LastSingleByte) {
            *o++ = static_cast<char>(b);
        } else {
            o = PutEntry(table, base, b, *p++, o);
        }
    }
    if (p == last) {
        if (*p <= LastSingleByte)
            *o++ = static_cast<char>(*p);
        else
            pending = {true, *p};
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

void FinishPairs(TResourceStream& table, std::uint16_t base, std::string& out,
                 PendingLead& pending) {
    if (!pending.waiting)
        return;
    char entry[2];
    const char* const endOfEntry = PutEntry(table, base, pending.byte, 0x00, entry);
    out.append(entry, static_cast<std::size_t>(endOfEntry - entry));
    pending.waiting = false;
}
