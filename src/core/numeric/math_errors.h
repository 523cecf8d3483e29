#pragma once

#include <stdexcept>

namespace quillara {

// Arithmetic failures: an overflow, an invalid operation, a division by zero.
class EMathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

} // namespace quillara
