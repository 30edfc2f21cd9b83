#pragma once

// Which way a conversion runs.
enum class ConversionDirection {
    GbToBig5, // GB2312 text to Big5 text
    Big5ToGb, // Big5 text to GB2312 text
};
