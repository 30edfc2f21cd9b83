#pragma once

#include "ByteString.h"
#include "ConversionDirection.h"
#include "ConvertFile.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

struct BatchOutcome {
    std::vector<ByteString> shown;    // what ConvertFile showed, in order
    std::optional<ByteString> raised; // the error that ended the batch
    std::size_t started = 0;          // entries that ConvertFile was called for
};

// A batch conversion by the rules of the window's Files page: ConvertFile for
// each entry in order, with the charset box ticked; an error raised while
// opening or closing a file ends the batch, one shown from inside a file's
// conversion lets it go on.
class TBatch {
  public:
    using Destination = std::function<ByteString(const ByteString& source)>;
    using BeforeEach = std::function<void(std::size_t index)>;

    TBatch(ConversionDirection direction, const Converters& converters)
        : FDirection(direction), FConverters(converters) {}

    // "In the same folder": folder + base name + suffix + extension.
    static Destination SameFolder(const ByteString& suffix);
    // "In the other folder": folder + "/" + file name part.
    static Destination OtherFolder(const ByteString& folder);

    // `beforeEach` runs before each entry's conversion: the place to pull a
    // fault in mid-batch.
    BatchOutcome Run(const std::vector<ByteString>& sources, const Destination& destination,
                     const BeforeEach& beforeEach = {}) const;

  private:
    const ConversionDirection FDirection;
    const Converters FConverters;
};
