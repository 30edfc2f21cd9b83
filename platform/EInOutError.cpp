#include "EInOutError.h"

#include <string>

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr CodeText Texts[] = {
    {2, "File not found"},          {3, "Invalid filename"},          {4, "Too many open files"},
    {5, "File access denied"},      {100, "Read beyond end of file"}, {101, "Disk full"},
    {106, "Invalid numeric input"},
};

std::string MessageFor(int code) {
    for (const CodeText& entry : Texts) {
        if (entry.code == code)
            return entry.text;
    }
    return "I/O error " + std::to_string(code);
}

} // namespace

EInOutError::EInOutError(int errorCode) : Exception(MessageFor(errorCode)), FErrorCode(errorCode) {}
