#pragma once

#include <array>
#include <string_view>

namespace quillara::demo {

// A 5x7 font with one row below the baseline for descenders. Each glyph is 8 rows of 5 dots.
struct Glyph {
    char ch;
    std::array<const char*, 8> rows;
};

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 8;
constexpr int GlyphAdvance = 6;

const Glyph& FindGlyph(char ch);
// Width in pixels of a text drawn with dots of the given size.
double TextWidth(std::string_view text, double dot);

} // namespace quillara::demo
