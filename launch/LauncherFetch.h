#pragma once

#include <string>

// Makes sure the game launcher sits next to the executable, downloading it when it is missing,
// and starts it with the stored launch arguments. A download that fails is reported to the user
// and leaves no launcher file; the login window then stays open for another try.
void FetchAndStartLauncher();

// Starts the game launcher with the arguments and requests the program's end with the launch
// exit code, whether the start succeeded or not (a failed start is reported first).
void StartLauncher(const char16_t* args);

// The launcher's command line in the thread's code page: the quoted launcher path in the module
// folder, then the arguments exactly as given, with nothing between them.
std::string LauncherCommandLine(const std::u16string& moduleDir, const char16_t* args);
