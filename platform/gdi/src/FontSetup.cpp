#include "platform/gdi/FontSetup.h"

#include <pango/pangocairo.h>

namespace platform::gdi {

void startFontSetup() {
    // The calling thread's font map is the one every text call of this library uses. Making it
    // is cheap, and the text library reads the font configuration for it on a worker of its own.
    pango_cairo_font_map_get_default();
}

} // namespace platform::gdi
