#pragma once

#include <string>

// The folder of the running executable, with forward slashes and no trailing slash; empty when
// the path has no slash.
std::u16string GetModuleDir();
