#pragma once

#include "ByteString.h"

// Parts of a file name. The only delimiter is "/"; no Big5 or GB2312 trail
// byte is below 0x40, so neither "/" nor "." can sit inside a character.

// The folder part: everything up to and including the last "/".
ByteString ExtractFilePath(const ByteString& fileName);

// The file name part: everything after the last "/".
ByteString ExtractFileName(const ByteString& fileName);

// The extension of the file name part: from its last "." to the end, dot
// included, or empty when it has none.
ByteString ExtractFileExt(const ByteString& fileName);
