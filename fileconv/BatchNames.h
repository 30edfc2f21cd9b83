#pragma once

#include "ByteString.h"
#include "ConversionDirection.h"

// Names in a batch conversion. Folder part, file name part and extension are
// those of FileNames.h, with "/" as the only delimiter.

// The suffix of "In the same folder": the typed text without blanks and
// control characters at either end, or, when nothing is left, "_gb" for
// GbToBig5 and "_big5" for Big5ToGb (the encoding converted from).
ByteString BatchSuffix(const ByteString& typed, ConversionDirection direction);

// folder part + base name + suffix + extension: only the trailing extension
// moves behind the suffix.
ByteString SameFolderDestination(const ByteString& source, const ByteString& suffix);

// The folder of "In the other folder": the field's text as it stands,
// followed by "/".
ByteString DestinationFolder(const ByteString& fieldText);

// The destination folder followed by the source's file name part.
ByteString OtherFolderDestination(const ByteString& folder, const ByteString& source);

// Whether two folders are the same name: equal lengths, byte by byte, with
// every byte from "a" to "z" taken as its capital.
bool SameFolder(const ByteString& first, const ByteString& second);

// Whether `folder` exists as a folder or could be created; only its last
// level is created.
bool EnsureFolder(const ByteString& folder);
