#include "markup_text.h"

#include <gtest/gtest.h>

namespace quillara::tool {
namespace {

struct MarkupCase {
    std::string Written;
    std::string Shown;
};

TEST(MarkupText, HtmlBecomesItsWordsAndLineBreaks) {
    const std::vector<MarkupCase> cases = {
        {"plain words", "plain words"},
        {"  spaced \t out\n words  ", "spaced out words"},
        {"<p>One</p><p>Two</p>", "One\n\nTwo"},
        {"<div><div><p>Nested</p></div></div>after", "Nested\n\nafter"},
        {"a<br>b<br/>c", "a\nb\nc"},
        {"<ul><li>first</li><li>second</li></ul>", "- first\n- second"},
        {"<table><tr><td>a</td><td>b</td></tr><tr><th>c</th></tr></table>", "a b\nc"},
        {"x &lt; y &amp;&amp; &quot;z&quot; &#233; &eacute;", "x < y && \"z\" \xC3\xA9 \xC3\xA9"},
        {"a&nbsp;b", "a\xC2\xA0" "b"},
        {"see <img src=\"p.png\" alt=\"the chart\"> and <img src=\"q.png\">", "see [the chart] and"},
        {"keep<script>alert(1)</script><style>p{}</style> this", "keep this"},
        {"<b>bold</b> <i>it</i><span>s</span>", "bold its"},
        {"unclosed <b>tag", "unclosed tag"},
        {"x < y and y > z", "x < y and y > z"},
        {"<!-- hidden -->shown", "shown"},
        {"<h1>Title</h1>Body", "Title\nBody"},
        {"", ""},
    };
    for (const MarkupCase& c : cases)
        EXPECT_EQ(HtmlToPlainText(c.Written), c.Shown) << c.Written;
}

TEST(MarkupText, HtmlNestedDeeplyStillEnds) {
    std::string html;
    for (int i = 0; i < 20000; ++i)
        html += "<div>";
    html += "deep";
    // Whatever the parser keeps of it, it returns without exhausting the stack.
    EXPECT_LE(HtmlToPlainText(html).size(), 4u);
}

TEST(MarkupText, MarkdownKeepsItsWords) {
    const std::vector<MarkupCase> cases = {
        {"**bold** and __strong__ and `code`", "bold and strong and code"},
        {"# Title\n## Sub\n#hashtag", "Title\nSub\n#hashtag"},
        {"[a link](http://example.org) and [b](c)", "a link and b"},
        {"**unpaired and `one", "**unpaired and `one"},
        {"[not a link] (x)", "[not a link] (x)"},
        {"line\n\n\n\nafter", "line\n\nafter"},
        {"**a** **b** **c**", "a b c"},
    };
    for (const MarkupCase& c : cases)
        EXPECT_EQ(MarkdownToPlainText(c.Written), c.Shown) << c.Written;
}

TEST(MarkupText, TidyLinesTrimsLinesAndCollapsesEmptyOnes) {
    const std::vector<MarkupCase> cases = {
        {"  a  \n\t b \t", "a\nb"},
        {"\n\n a \n\n\n b \n\n", "a\n\nb"},
        {"a\r\nb", "a\nb"},
        {" \n \n ", ""},
        {"one", "one"},
    };
    for (const MarkupCase& c : cases)
        EXPECT_EQ(TidyLines(c.Written), c.Shown) << c.Written;
}

} // namespace
} // namespace quillara::tool
