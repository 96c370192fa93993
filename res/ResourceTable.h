#pragma once

#include "platform/kernel/Resources.h"

#include <span>

// Every resource of the program: artwork, icon, manifest. Start-up registers it as the
// executable's resources.
std::span<const platform::ResourceEntry> tarnwickResources();

// The parts: the files compiled in, and the dialog templates written in C++.
std::span<const platform::ResourceEntry> generatedResources();
std::span<const platform::ResourceEntry> dialogResources();
