#pragma once

// Where the game launcher is downloaded from when it is missing: the build's setting.
const char16_t* LauncherDownloadUrl();
