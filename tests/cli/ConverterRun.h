#pragma once

#include "ByteString.h"

#include <vector>

// How standard input and output of a run are connected.
struct RunStreams {
    static RunStreams Text(const ByteString& input, bool throughPipe = false) {
        RunStreams streams;
        streams.input = input;
        streams.inputThroughPipe = throughPipe;
        return streams;
    }
    static RunStreams FromFile(const ByteString& fileName) {
        RunStreams streams;
        streams.inputFile = fileName;
        return streams;
    }
    static RunStreams AppendingTo(const ByteString& fileName) {
        RunStreams streams;
        streams.outputFile = fileName;
        return streams;
    }

    ByteString input;              // fed to standard input
    bool inputThroughPipe = false; // a pipe instead of a regular file
    ByteString inputFile;          // when set: standard input is this file instead
    ByteString outputFile;         // when set: standard output is appended to this file
};

struct RunResult {
    int status = -1; // the exit status; -1 when the program did not exit
    ByteString out;  // standard output, unless it went to RunStreams::outputFile
    ByteString err;
};

// Runs quendrel-convert, whose path CTest passes in QUENDREL_CONVERT, with
// `arguments` in the folder `workFolder`.
RunResult RunConverter(const ByteString& workFolder, const std::vector<ByteString>& arguments,
                       const RunStreams& streams = {});
