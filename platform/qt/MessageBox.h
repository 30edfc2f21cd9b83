#pragma once

#include "ByteString.h"

#include <QString>

// The application title, used as the caption of every message box.
QString ApplicationTitle();

// Text of a ByteString for the screen; file names and messages are in the
// locale's encoding.
QString ScreenText(const ByteString& text);

// Modal message box centred on the screen: the application title as caption,
// the message, no icon, one "OK" button.
void ShowMessageBox(const ByteString& message);
