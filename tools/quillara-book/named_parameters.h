#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillara::tool {

// Authors name a function's parameters in its body ("interest(p, r, t) = p*r*t"); the program
// reads them by place ("interest(p, r, t) = {1}*{2}*{3}"). Only the body changes: the head, and
// everything in braces, stay as written. In the body a parameter's name always means the
// parameter, also where a function of that name exists.

// The declaration as the program stores it. Raises std::invalid_argument when the body names a
// parameter that cannot be reached by place or that two parameters share. Text that is not a
// declaration comes back unchanged (the book's check reports it).
std::string PositionalDeclaration(std::string_view named);

// The stored declaration with its parameters named, when naming them gives back exactly the
// same declaration; none otherwise (a body that reads "{1}2", parameters without plain names).
std::optional<std::string> NamedDeclaration(std::string_view positional);

} // namespace quillara::tool
