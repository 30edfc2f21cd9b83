#include "TCharsetRewriter.h"

namespace {

constexpr char LowerAscii(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + ('a' - 'A')) : byte;
}

} // namespace

TCharsetRewriter::TCharsetRewriter(std::string_view searched, std::string_view replacement,
                                   bool enabled)
    : FSearched(searched), FReplacement(replacement), FSearching(enabled && !searched.empty()) {
    FHeld.reserve(FSearched.size());
}

void TCharsetRewriter::RewritePart(std::string_view part, std::string& out) {
    const char first = FSearched.empty() ? '\0' : FSearched.front();
    std::size_t i = 0;
    while (i < part.size()) {
        if (!FSearching) {
            out.append(part.substr(i));
            return;
        }
        if (FHeld.empty()) {
            // Nothing pending: copy up to the next byte that could begin the text.
            std::size_t next = i;
            while (next < part.size() && LowerAscii(part[next]) != first)
                ++next;
            out.append(part.substr(i, next - i));
            i = next;
            if (i == part.size())
                return;
        }
        Take(part[i++], out);
    }
}

void TCharsetRewriter::FinishLine(std::string& out) {
    out.append(FHeld);
    FHeld.clear();
    if (FSearching && ++FSearchedLines >= MaxLines)
        FSearching = false;
}

// Keeps the longest run of held bytes that still begins the searched text;
// the bytes it drops from the front can no longer be part of a match.
void TCharsetRewriter::Take(char byte, std::string& out) {
    FHeld.push_back(byte);
    while (!FHeld.empty() && !HeldIsPrefix()) {
        out.push_back(FHeld.front());
        FHeld.erase(0, 1);
    }
    if (FHeld.size() == FSearched.size()) {
        out.append(FReplacement);
        FHeld.clear();
        FSearching = false;
    }
}

bool TCharsetRewriter::HeldIsPrefix() const {
    for (std::size_t k = 0; k < FHeld.size(); ++k) {
        if (LowerAscii(FHeld[k]) != FSearched[k])
            return false;
    }
    return true;
}
