#pragma once

#include <stdexcept>

namespace fw {

// Raised when a window, control or array that a handler reaches for does not exist.
// It travels to the caller like any exception; the event dispatch reports the ones
// that nobody caught.
class NilObjectException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when an array is indexed outside its bounds.
class OutOfBoundsException : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

} // namespace fw
