#pragma once

// Icons and bitmaps from the program's resources.

#include "platform/gdi/Gdi.h"
#include "platform/user/WinUser.h"

#include <cairo.h>

// The group icon resource (the icon file's bytes, 32-bit images); null when it is missing or
// holds no 32-bit image.
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
BOOL DestroyIcon(HICON icon);
// Draws the icon at the system's icon size (SM_CXICON x SM_CYICON), blended by its alpha.
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// The bitmap resource (a device-independent bitmap of 24 or 32 bits), opaque.
HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name);

namespace platform::user {
// The icon's picture, for a backend that shows it; null for an unknown icon.
cairo_surface_t* iconSurface(HICON icon);
} // namespace platform::user
