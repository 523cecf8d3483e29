#include "rtf/rtf_cut.h"

#include "text/layout_bounds.h"

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

} // namespace

bool CutToLayoutHeight(TRtfDocument& document, std::string_view note) {
    double height = 0;
    for (std::size_t p = 0; p < document.Paragraphs.size(); ++p) {
        TRtfParagraph& paragraph = document.Paragraphs[p];
        // An empty paragraph still takes the line its mark gives it.
        height += LineHeight(paragraph.Mark);
        if (height > MaxLayoutHeightPoints) {
            EndWithNote(document, p, note);
            return true;
        }
        for (std::size_t r = 0; r < paragraph.Runs.size(); ++r) {
            std::string& text = paragraph.Runs[r].Text;
            const double line = LineHeight(paragraph.Runs[r].Format);
            for (std::size_t at = 0; at < text.size(); ++at) {
                if (!IsCharacterStart(text[at])) continue;
                height += line;
                if (height <= MaxLayoutHeightPoints) continue;
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
