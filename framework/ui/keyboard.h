#pragma once

namespace fw {

// Whether the keyboard is with this program now. Under X the server is asked which window has
// the input focus, and the answer is yes when that window is one of this program's: Qt learns
// only some 100 ms later that the focus has gone to another program, and it sees no active
// window both then and when the focus is on a window that a modal window, not yet on the
// screen, blocks. Elsewhere, whether the application is the active one.
bool keyboardIsInThisProgram();

} // namespace fw
