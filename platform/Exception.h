#pragma once

#include <stdexcept>
#include <string>

// Root of the errors the program raises; the message is what the user sees.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}

    std::string Message() const { return what(); }
};

// A named program resource that the executable does not carry.
class EResNotFound : public Exception {
  public:
    using Exception::Exception;
};
