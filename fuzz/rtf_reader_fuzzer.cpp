// The question box's RTF from arbitrary bytes: the model that comes back must be one a window can
// lay out, and no bigger than the input can justify; bounded for the layout, it must keep within
// the characters the layout is given and still be whole UTF-8.
#include "core/rtf/rtf_layout_bounds.h"
#include "core/rtf/rtf_reader.h"
#include "core/text/layout_bounds.h"

#include <cstddef>
#include <cstdint>

namespace {

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead >= 0x80 && lead < 0xC2) return false;
        if (lead > 0xF4 || i + length > text.size()) return false;
        // Surrogates have no UTF-8 form.
        if (lead == 0xED && static_cast<unsigned char>(text[i + 1]) >= 0xA0) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    const TRtfDocument document = ReadRtf(rtf);
    if (document.Paragraphs.size() > size) __builtin_trap();
    std::size_t textBytes = 0;
    for (const TRtfParagraph& paragraph : document.Paragraphs) {
        if (paragraph.TabStops.size() > 64) __builtin_trap();
        for (std::size_t i = 0; i < paragraph.TabStops.size(); ++i)
            if (paragraph.TabStops[i] <= 0 ||
                (i > 0 && paragraph.TabStops[i] <= paragraph.TabStops[i - 1]))
                __builtin_trap();
        for (std::size_t i = 0; i < paragraph.Runs.size(); ++i) {
            const TRtfRun& run = paragraph.Runs[i];
            if (run.Text.empty() || !IsValidUtf8(run.Text)) __builtin_trap();
            if (i > 0 && paragraph.Runs[i - 1].Format == run.Format) __builtin_trap();
            if (run.Format.HalfPoints < MinFontPoints * 2 ||
                run.Format.HalfPoints > MaxFontPoints * 2)
                __builtin_trap();
            textBytes += run.Text.size();
        }
    }
    // A Windows-1252 byte grows to at most three bytes of UTF-8.
    if (textBytes > 3 * size) __builtin_trap();

    TRtfDocument bounded = document;
    const bool cut = BoundForLayout(bounded, QuestionCutNote);
    std::size_t characters = 0;
    for (std::size_t p = 0; p + (cut ? 1 : 0) < bounded.Paragraphs.size(); ++p)
        for (const TRtfRun& run : bounded.Paragraphs[p].Runs) {
            if (run.Text.empty() || !IsValidUtf8(run.Text)) __builtin_trap();
            for (const char byte : run.Text)
                characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
        }
    if (characters > static_cast<std::size_t>(MaxLayoutCharacters)) __builtin_trap();
    return 0;
}
