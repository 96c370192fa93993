#pragma once

// The font configuration (the fonts on the system, their caches and rules) takes milliseconds to
// read the first time text is measured or drawn on a thread. A program that knows it will show
// text soon starts that reading early; the text library then reads it in the background while the
// program goes on, and the first text call waits only for what is left.

namespace platform::gdi {

// Starts reading the font configuration for text drawn on the calling thread. Calling it again
// does nothing.
void startFontSetup();

} // namespace platform::gdi
