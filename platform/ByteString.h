#pragma once

#include <string>

// Text as raw 8-bit bytes in one of the two code pages (or ASCII). File names too.
using ByteString = std::string;
