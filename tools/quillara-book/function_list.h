#pragma once

#include "core/book/book_properties.h"

#include <ostream>

namespace quillara::tool {

// Every function a formula of the book may call, one a line with its parameters: those the
// program computes itself, then those the book declares.
void PrintFunctions(std::ostream& out, const TBookProperties& book);

} // namespace quillara::tool
