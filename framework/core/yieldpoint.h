#pragma once

namespace fw {

// The point at the end of every pass of a deal or print loop where a long loop could
// hand control back to the event loop. Our loops finish in microseconds (a deal) or
// a few milliseconds (a page of help), so nothing is let in here: letting events in
// would allow a click to start a second deal inside the first, or a reply of the
// update check to open a modal box half-way through a deal. Events that arrive
// meanwhile are handled by the event loop as soon as the loop is done.
inline void yieldPoint() {}

} // namespace fw
