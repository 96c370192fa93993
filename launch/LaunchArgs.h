#pragma once

#include <string>

// Replaces the stored launch arguments with the text, up to its first NUL, in the thread's code
// page.
void SetLaunchArgs(const char16_t* args);
