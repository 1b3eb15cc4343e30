#pragma once

namespace fw {

// The codes that HTTPSocket's Error event carries. They are shown to the user in the
// update window's message ("... (Code: 102)"), so they never change.
enum HttpErrorCode : int {
    // Any other failure of the connection (no permission, no resources, ...).
    HttpErrorOther = 100,
    // The connection was refused, or broke before it was established.
    HttpErrorConnectionFailed = 102,
    // The host name could not be resolved.
    HttpErrorHostNotFound = 103,
    // The system gave up waiting for the connection (the socket has no time-out of its own).
    HttpErrorTimedOut = 105,
    // Get was called while a request of the same socket was still under way; that
    // request goes on undisturbed.
    HttpErrorBusy = 106,
    // The URL cannot be used: its port is outside 1 to 65535, or it holds a line break.
    HttpErrorBadAddress = 107,
    // The reply grew past the size limit (1 MiB, headers and body together).
    HttpErrorReplyTooLarge = 108,
};

} // namespace fw
