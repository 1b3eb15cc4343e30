#pragma once

namespace fw {

// The height of the first screen that is free for windows (without panels and
// docks), in pixels.
int ScreenAvailableHeight();

// The runtime's conversion of a Double to an Int32: to the nearest whole number,
// halves away from zero (12.5 gives 13, -12.5 gives -13); values beyond the Int32
// range give its nearest end.
int toInt32(double value);

} // namespace fw
