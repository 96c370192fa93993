#pragma once

// The font configuration (the fonts on the system, their caches and rules) takes a few
// milliseconds to read the first time text is measured or drawn. A program that knows it will show
// text starts that reading early, on a thread of its own, so that it overlaps the rest of its
// start-up; the first text call waits for it to finish. Without the early start the first text
// call reads the configuration itself.

namespace platform::gdi {

// Starts reading the font configuration in the background. Calling it again does nothing.
void startFontSetup();

// Waits until a reading started by startFontSetup has finished; returns at once otherwise.
// Every text call of this library calls it before touching the fonts.
void finishFontSetup();

} // namespace platform::gdi
