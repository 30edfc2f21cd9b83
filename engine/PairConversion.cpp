#include "PairConversion.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr unsigned char LastSingleByte = 0xA0;
constexpr char Space = ' ';
constexpr unsigned char SpacePair[2] = {' ', ' '};

// A code table read in place: two bytes per entry, entry k for the code
// base + k. A code beyond the last entry has no counterpart: two spaces.
class TableView {
  public:
    TableView(const TResourceStream& table, std::uint16_t base)
        : FData(table.Memory()), FCount(table.Size() / 2), FBase(base) {}

    std::size_t Index(unsigned lead, unsigned trail) const {
        return static_cast<std::uint16_t>(lead * 256 + trail - FBase);
    }
    bool Holds(std::size_t index) const { return index < FCount; }
    const unsigned char* Entry(std::size_t index) const { return FData + 2 * index; }
    unsigned char First(std::size_t index) const { return FData[2 * index]; }
    unsigned char Second(std::size_t index) const { return FData[2 * index + 1]; }

    // Writes the entry of a pair at `out` and returns the position after it;
    // an entry ends at a zero byte.
    char* Put(unsigned lead, unsigned trail, char* out) const {
        const std::size_t index = Index(lead, trail);
        out[0] = Holds(index) ? static_cast<char>(First(index)) : Space;
        out[1] = Holds(index) ? static_cast<char>(Second(index)) : Space;
        return out + (out[0] == '\0' ? 0 : out[1] == '\0' ? 1 : 2);
    }

  private:
    const unsigned char* FData;
    std::size_t FCount;
    std::uint16_t FBase;
};

} // namespace

char* ConvertPairs(const TResourceStream& table, std::uint16_t base, std::string_view part,
                   char* out, PendingLead& pending) {
    if (part.empty())
        return out;
    const TableView entries(table, base);
    char* o = out;
    const auto* p = reinterpret_cast<const unsigned char*>(part.data());
    const auto* const end = p + part.size();
    if (pending.waiting) {
        o = entries.Put(pending.byte, *p++, o);
        pending.waiting = false;
    }
    // Every lead byte but the last byte of the part has its trail byte here.
    const auto* const last = end - 1;
    while (p < last) {
        const unsigned b = *p;
        if (b <= LastSingleByte) {
            *o++ = static_cast<char>(b);
            ++p;
            continue;
        }
        const std::size_t index = entries.Index(b, p[1]);
        p += 2;
        // Both bytes of the entry move as one 16-bit word.
        std::memcpy(o, entries.Holds(index) ? entries.Entry(index) : SpacePair, 2);
        if (o[0] == '\0' || o[1] == '\0') [[unlikely]]
            o += o[0] == '\0' ? 0 : 1;
        else
            o += 2;
    }
    if (p == last) {
        if (*p <= LastSingleByte)
            *o++ = static_cast<char>(*p);
        else
            pending = {true, *p};
    }
    return o;
}

void ConvertPairs(const TResourceStream& table, std::uint16_t base, std::string_view part,
                  std::string& out, PendingLead& pending) {
    const std::size_t start = out.size();
    out.resize(start + part.size() + 1);
    const char* const end = ConvertPairs(table, base, part, out.data() + start, pending);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

char* FinishPairs(const TResourceStream& table, std::uint16_t base, char* out,
                  PendingLead& pending) {
    if (!pending.waiting)
        return out;
    pending.waiting = false;
    return TableView(table, base).Put(pending.byte, 0x00, out);
}

void FinishPairs(const TResourceStream& table, std::uint16_t base, std::string& out,
                 PendingLead& pending) {
    char entry[2];
    const char* const end = FinishPairs(table, base, entry, pending);
    out.append(entry, static_cast<std::size_t>(end - entry));
}
