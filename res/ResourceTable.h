#pragma once

#include "platform/kernel/Resources.h"

#include <span>

// Every resource of the program: artwork, icon, manifest. Start-up registers it as the
// executable's resources.
std::span<const platform::ResourceEntry> tarnwickResources();
