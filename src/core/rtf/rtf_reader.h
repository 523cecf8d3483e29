#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillara {

// The RTF the question box shows, read into paragraphs of formatted runs that a window can lay
// out. Only what question texts use is kept: indents, tab stops, bold, italic, underline and size.

struct TRtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24;

    bool operator==(const TRtfCharFormat&) const = default;
};

struct TRtfRun {
    // UTF-8. A tab is '\t' and a line break inside the paragraph is '\n'.
    std::string Text;
    TRtfCharFormat Format;
};

struct TRtfParagraph {
    // Twips from the left edge to every line but the first.
    int LeftIndent = 0;
    // Twips from LeftIndent to the first line; negative for a hanging indent.
    int FirstIndent = 0;
    // Twips from the left edge, ascending, without repeats.
    std::vector<int> TabStops;
    // Adjacent runs never share a format.
    std::vector<TRtfRun> Runs;
    // The format in force at the paragraph's end, which gives an empty paragraph its height.
    TRtfCharFormat Mark;
};

struct TRtfDocument {
    std::vector<TRtfParagraph> Paragraphs;
};

// Never fails: whatever cannot be understood is left out, and the work done and the memory used
// stay in proportion to the length of the input.
TRtfDocument ReadRtf(std::string_view rtf);

} // namespace quillara
