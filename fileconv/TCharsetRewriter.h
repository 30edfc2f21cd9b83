#pragma once

#include "ByteString.h"

#include <string>
#include <string_view>

// Rewrites the first HTML charset declaration of a file's first lines while
// the lines stream through in parts.
//
// The searched text is looked for in a copy of each line with "A".."Z"
// lowered byte by byte, double-byte characters or not; its first occurrence
// is replaced by the replacement as given. At most the first `MaxLines`
// lines are searched and at most one declaration is rewritten. The output is
// the same whatever the parts' sizes: bytes that might begin the declaration
// are held back until the next part settles it.
class TCharsetRewriter {
  public:
    static constexpr int MaxLines = 21;

    // `searched` is in lower case.
    TCharsetRewriter(std::string_view searched, std::string_view replacement, bool enabled);

    // False once the declaration has been rewritten or the last line to be
    // searched has ended; from then on lines pass through untouched.
    bool Searching() const { return FSearching; }

    // Appends `part` to `out`, rewritten where it completes the declaration.
    void RewritePart(std::string_view part, std::string& out);

    // Ends the line: appends what was held back and counts the line.
    void FinishLine(std::string& out);

  private:
    void Take(char byte, std::string& out);
    bool HeldIsPrefix() const;

    const ByteString FSearched;
    const ByteString FReplacement;
    bool FSearching;
    int FSearchedLines = 0;
    std::string FHeld;
};
