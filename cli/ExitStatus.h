#pragma once

// The exit statuses of quendrel-convert.
namespace ExitStatus {

constexpr int Converted = 0;  // every file converted
constexpr int Failed = 1;     // some file or check failed
constexpr int UsageError = 2; // the command line could not be run

} // namespace ExitStatus
