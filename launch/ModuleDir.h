#pragma once

#include <string>

// The folder of the running executable, with forward slashes and no trailing slash; empty when
// the path has no slash.
std::u16string GetModuleDir();

// The same for a given executable path: every backslash made a slash, cut before the last slash.
std::u16string ModuleDirOf(std::u16string executablePath);
