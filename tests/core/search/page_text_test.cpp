#include "core/search/page_text.h"

#include <gtest/gtest.h>

using quillara::PageText;
using quillara::PlainText;

namespace {

struct PageCase {
    const char* Html;
    const char* Seen;
};

// Pages are Windows-1252; what the reader sees comes back as UTF-8.
const PageCase PageCases[] = {
    {"<p>the <b>cell</b> wall</p>", "the cell wall"},
    {"mito<i>chon</i>dria", "mitochondria"},
    {"<P>One</P><P>Two</P>", "One Two"},
    {"a<br>b<BR/>c", "a b c"},
    {"<table><tr><td>x</td><td>y</td></tr></table>", "x y"},
    {"<ul><li>first<li>second</ul>", "first second"},
    {"left<img src=\"a.jpg\" alt=\"not > shown\">right", "left right"},
    {"  lots \r\n\t of   space  ", "lots of space"},
    {"caf&eacute; &amp; cr&egrave;me", "caf\xC3\xA9 & cr\xC3\xA8me"},
    {"&lt;tag&gt; &QUOT;q&quot;", "<tag> \"q\""},
    {"&#65;&#x42;&#X43;", "ABC"},
    {"&#150; &#128;", "\xE2\x80\x93 \xE2\x82\xAC"}, // numbered as their Windows-1252 bytes
    {"&#0; &#xD800; &#x110000;", "\xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD"},
    {"R&D &nosuch; &amp &#xZZ; & done", "R&D &nosuch; &amp &#xZZ; & done"},
    {"&verylongname;", "&verylongname;"},
    {"a &nbsp; b", "a \xC2\xA0 b"},
    {"<html><head><title>Hidden</title><style>p { color: red }</style></head>"
     "<body><script>var x = '</p>';</script><p>Shown</p></body></html>",
     "Shown"},
    {"<!-- a <b>comment</b> -->after<!DOCTYPE x><?pi?>", "after"},
    {"<SCRIPT>hidden</Script>seen", "seen"},
    {"1 < 2 and 3 <> 4", "1 < 2 and 3 <> 4"},
    {"na\xEFve \x93quoted\x94", "na\xC3\xAFve \xE2\x80\x9Cquoted\xE2\x80\x9D"},
    {"<p>unclosed <b", "unclosed"},
    {"<style>never closed", ""},
};

TEST(PageText, IsWhatTheReaderSees) {
    for (const PageCase& c : PageCases)
        EXPECT_EQ(PageText(c.Html), c.Seen) << c.Html;
}

TEST(PlainText, CollapsesWhiteSpaceAndConvertsToUtf8) {
    EXPECT_EQ(PlainText("  The smallest\r\nunit\tof  life. "), "The smallest unit of life.");
    EXPECT_EQ(PlainText("r\xE9sum\xE9 <b>&amp;</b>"), "r\xC3\xA9sum\xC3\xA9 <b>&amp;</b>");
    EXPECT_EQ(PlainText(" \r\n "), "");
}

} // namespace
