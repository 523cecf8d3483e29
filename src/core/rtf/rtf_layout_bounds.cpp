#include "core/rtf/rtf_layout_bounds.h"

#include "core/text/layout_bounds.h"
#include "core/text/utf8.h"

namespace quillara {

namespace {

double LineHeight(const TRtfCharFormat& format) {
    return WorstLineHeightPoints(format.HalfPoints / 2.0);
}

bool IsCharacterStart(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Keeps the first `kept` paragraphs and ends the document with the note.
void EndWithNote(TRtfDocument& document, std::size_t kept, std::string_view note) {
    document.Paragraphs.resize(kept);
    TRtfParagraph last;
    last.Runs.push_back({std::string(note), {}});
    document.Paragraphs.push_back(std::move(last));
}

bool IsSpace(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n';
}

// A word may run on from one run into the next, so the count goes on across the paragraph.
void BreakLongWords(TRtfParagraph& paragraph) {
    std::string breakHere;
    AppendUtf8(breakHere, ZeroWidthSpace);
    int unbroken = 0;
    for (TRtfRun& run : paragraph.Runs) {
        std::string text;
        text.reserve(run.Text.size());
        for (const char byte : run.Text) {
            if (IsSpace(byte)) {
                unbroken = 0;
            } else if (IsCharacterStart(byte) && ++unbroken > MaxUnbrokenCharacters) {
                text += breakHere;
                unbroken = 1;
            }
            text += byte;
        }
        run.Text = std::move(text);
    }
}

} // namespace

bool BoundForLayout(TRtfDocument& document, std::string_view note) {
    for (TRtfParagraph& paragraph : document.Paragraphs)
        BreakLongWords(paragraph);
    double height = 0;
    int characters = 0;
    const auto tooMuch = [&](double lineHeight) {
        height += lineHeight;
        return height > MaxLayoutHeightPoints || ++characters > MaxLayoutCharacters;
    };
    for (std::size_t p = 0; p < document.Paragraphs.size(); ++p) {
        TRtfParagraph& paragraph = document.Paragraphs[p];
        // An empty paragraph still takes the line its mark gives it.
        if (tooMuch(LineHeight(paragraph.Mark))) {
            EndWithNote(document, p, note);
            return true;
        }
        for (std::size_t r = 0; r < paragraph.Runs.size(); ++r) {
            std::string& text = paragraph.Runs[r].Text;
            const double line = LineHeight(paragraph.Runs[r].Format);
            for (std::size_t at = 0; at < text.size(); ++at) {
                if (!IsCharacterStart(text[at]) || !tooMuch(line)) continue;
                text.resize(at);
                paragraph.Runs.resize(text.empty() ? r : r + 1);
                EndWithNote(document, p + 1, note);
                return true;
            }
        }
    }
    return false;
}

} // namespace quillara
