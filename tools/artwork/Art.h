#pragma once

#include <string>

namespace artwork {

// Each draws its pieces of the artwork into files in the folder.
void drawSplash(const std::string& folder);
void drawButtons(const std::string& folder);
void drawDialog(const std::string& folder);
void drawIcon(const std::string& folder);

} // namespace artwork
