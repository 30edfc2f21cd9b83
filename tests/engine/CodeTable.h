#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// A code table read whole from its program resource, to check its content.
class CodeTable {
  public:
    static constexpr unsigned Spaces = 0x2020;

    CodeTable(std::string_view name, unsigned base);

    unsigned Base() const { return FBase; }
    std::size_t Entries() const { return FBytes.size() / 2; }
    std::size_t Bytes() const { return FBytes.size(); }
    unsigned Last() const { return FBase + static_cast<unsigned>(Entries()) - 1; }
    bool HasEntry(unsigned code) const { return code >= FBase && code <= Last(); }

    // The entry for a source code (lead byte * 256 + trail byte), lead byte first.
    unsigned Entry(unsigned code) const;

    bool ContainsZeroByte() const;

  private:
    std::vector<unsigned char> FBytes;
    unsigned FBase;
};

// The two-byte codes of a list resource (DUPCODE, DUPDATA), in order.
std::vector<unsigned> ReadCodeList(std::string_view name);
