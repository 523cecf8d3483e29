#pragma once

#include <initializer_list>
#include <string>

namespace quillara::testing {

// A string of the given byte values, for spelling out file layouts in tests.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

} // namespace quillara::testing
