#include "core/text/table_nesting.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

std::string Nested(int depth, const std::string& inner, const char* table = "table") {
    std::string html;
    for (int i = 0; i < depth; ++i)
        html += std::string("<") + table + " border=1><tr><td>" + std::to_string(i) + "</td><td>";
    html += inner;
    for (int i = 0; i < depth; ++i)
        html += std::string("</td></tr></") + table + ">";
    return html;
}

TEST(FlattenDeepTables, KeepsTablesUpToTheDepthAndTheContentsOfDeeperOnes) {
    struct TCase {
        const char* Name;
        std::string Html;
        std::string Flattened;
    };
    const std::vector<TCase> cases = {
        {"no tables", "<p>a &lt; b</p>", "<p>a &lt; b</p>"},
        {"as deep as allowed", Nested(MaxTableNesting, "x"), Nested(MaxTableNesting, "x")},
        {"one level deeper", Nested(MaxTableNesting + 1, "x"), Nested(MaxTableNesting, "8x")},
        {"much deeper", Nested(MaxTableNesting + 3, "x"), Nested(MaxTableNesting, "8910x")},
        {"any letter case", Nested(MaxTableNesting + 1, "x", "TaBlE"),
         Nested(MaxTableNesting, "8x", "TaBlE")},
        {"head, body, foot and caption",
         Nested(MaxTableNesting, "<table><caption>c</caption><thead><tr><th>h</th></tr></thead>"
                                 "<tbody><tr><td>b</td></tr></tbody><tfoot></tfoot></table>"),
         Nested(MaxTableNesting, "chb")},
        {"words that start like table tags",
         Nested(MaxTableNesting, "<table><tablet><trace><tdx>x</table>"),
         Nested(MaxTableNesting, "<tablet><trace><tdx>x")},
        {"comments are kept as they are",
         Nested(MaxTableNesting, "<!-- <table> --><table><td>x</td></table>"),
         Nested(MaxTableNesting, "<!-- <table> -->x")},
        {"stray closing tags", "</table></table><table><td>x</td></table>",
         "</table></table><table><td>x</td></table>"},
        {"a tag left open at the end", Nested(MaxTableNesting, "x") + "<table",
         Nested(MaxTableNesting, "x") + "<table"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FlattenDeepTables(c.Html), c.Flattened) << c.Name;
}

} // namespace
} // namespace quillara
