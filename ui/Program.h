#pragma once

// Creates the main window and runs the event loop until it closes; returns
// the process's exit status. A window that cannot be created (a code table
// that cannot be opened) is reported and gives a non-zero status.
int RunProgram();
