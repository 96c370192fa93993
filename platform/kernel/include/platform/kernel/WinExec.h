#pragma once

#include "platform/base/WinTypes.h"

// Results of WinExec below 32 are failures.
constexpr UINT WINEXEC_OUT_OF_RESOURCES = 0;

// Starts the program a command line names (see platform::splitCommandLine), never through a
// shell. A file that begins with "MZ" is started through wine when wine is on the PATH. The child
// runs in a session of its own, detached from the caller, and outlives it; its standard input is
// /dev/null and it inherits no descriptor beyond standard output and error. The show command is
// passed on to nothing: a Linux program decides for itself how it shows. Returns 33 on success,
// otherwise 2 (file not found), 3 (path not found), 5 (access denied), 11 (bad format) or 0 (out
// of resources).
UINT WinExec(LPCSTR cmdLine, UINT cmdShow);
