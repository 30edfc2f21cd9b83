#pragma once

#include <map>
#include <optional>
#include <string>

// The double-byte codes of a glibc charmap (GB2312, BIG5) with their code
// points, read at test time from /usr/share/i18n/charmaps.
class Charmap {
  public:
    explicit Charmap(const std::string& name);

    bool Has(unsigned code) const { return FCodePoints.contains(code); }
    std::optional<char32_t> CodePoint(unsigned code) const;
    // The lowest code that holds the code point.
    std::optional<unsigned> Code(char32_t codePoint) const;
    const std::map<unsigned, char32_t>& Codes() const { return FCodePoints; }

  private:
    std::map<unsigned, char32_t> FCodePoints;
    std::map<char32_t, unsigned> FCodes;
};
