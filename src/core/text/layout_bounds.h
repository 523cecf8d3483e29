#pragma once

#include <algorithm>
#include <string_view>

namespace quillara {

// What a book's text may ask of the window's text layout. The layout counts in fixed-point
// pixels and stalls once a document grows taller than about 8 million of them, so sizes stay
// within what a reader can use and a text is cut where it could come near that height.

constexpr double MinFontPoints = 6;
constexpr double MaxFontPoints = 96;

// A line of the fonts a book may name is at most this many times its font's size tall.
constexpr double MaxLineSpacing = 1.5;

// A text is cut where, laid out one character a line, it would pass this height: about 4
// million pixels at 96 dots an inch, half of where the layout stalls.
constexpr double MaxLayoutHeightPoints = 3'000'000;

// Nor does a text give the layout more characters than this, which it lays out in a few
// hundred milliseconds whatever their size.
constexpr int MaxLayoutCharacters = 200'000;

// The layout looks for a line's end afresh from the start of a word for every line the word
// fills, so a word of many thousand letters takes seconds: one longer than this gets a break
// opportunity (ZeroWidthSpace, which shows nothing) after this many characters.
constexpr int MaxUnbrokenCharacters = 1000;
constexpr char32_t ZeroWidthSpace = 0x200B;

// What takes the place of the part of a text that was cut.
constexpr std::string_view QuestionCutNote = "(The rest of this question is too long to show.)";
constexpr std::string_view PageCutNote = "(The rest of this page is too long to show.)";

// A size that is not a number becomes the smallest.
constexpr double BoundFontPoints(double points) {
    return points >= MinFontPoints ? std::min(points, MaxFontPoints) : MinFontPoints;
}

// The tallest line a character of that size can make.
constexpr double WorstLineHeightPoints(double fontPoints) {
    return BoundFontPoints(fontPoints) * MaxLineSpacing;
}

} // namespace quillara
