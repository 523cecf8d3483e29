#pragma once

#include "canvas.h"

#include <array>
#include <string_view>

namespace quillara::demo {

// The chapter names and the picture names must follow books/demo/book.json.
constexpr std::array<std::string_view, 5> ChapterNames = {
    "Budgets and Cash Flow", "Saving and Interest", "Borrowing and Credit", "Investing Basics",
    "Insurance and Protection"};

Canvas Cover();
Canvas ChapterHeading(std::size_t index);

struct Picture {
    const char* file;
    Canvas (*draw)();
};

// The pictures the topic pages name.
extern const std::array<Picture, 10> PagePictures;

} // namespace quillara::demo
