#include "core/book/glossary.h"
#include "core/book/topic_pages.h"
#include "core/io/book_errors.h"
#include "core/search/book_search_build.h"
#include "temp_book_dir.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace quillara {
namespace {

using testing::TempBookDir;

struct Built {
    std::unique_ptr<TBookSearchIndex> Index;
    std::vector<std::pair<int, int>> Progress;
};

Built Build(const TBookSearchSource& source, int stopAfter = -1) {
    Built built;
    built.Index = BuildBookSearchIndex(source, [&](int done, int total) {
        built.Progress.emplace_back(done, total);
        return static_cast<int>(built.Progress.size()) != stopAfter;
    });
    return built;
}

// Each document as "where: text".
std::vector<std::string> Documents(const TBookSearchIndex& index) {
    std::vector<std::string> documents;
    for (std::uint32_t d = 0; d < index.DocumentCount(); ++d) {
        const TSearchDocument& doc = index.Document(d);
        const std::string where =
            doc.Place == TSearchPlace::TopicPage
                ? std::to_string(doc.Chapter) + " " + doc.Title
                : (doc.Place == TSearchPlace::GlossaryTerm ? "term " : "definition ") +
                      std::to_string(doc.Entry);
        documents.push_back(where + ": " + std::string(index.Text(d)));
    }
    return documents;
}

struct BookSearchBuild : ::testing::Test {
    BookSearchBuild() {
        // The viewer shows the last page of a title; a key of no topic is never shown.
        dir.Write("TOPICS.1", WriteTopicFile({{"Summary", "<p>old</p>"},
                                              {"Key Ideas", "<b>Key</b> &amp; ideas"},
                                              {"Summary", "<p>Cells &eacute;t&eacute;</p>"},
                                              {"Unlisted", "never shown"}}));
        // Chapter 2 has no topic file; chapter 3's ends inside its second page.
        const std::string three = WriteTopicFile({{"Summary", "<p>Three</p>"}, {"Key Ideas", "x"}});
        dir.Write("topics.3", three.substr(0, three.size() - 1));
        TGlossary glossary;
        for (int i = 0; i < 5000; ++i)
            glossary.Add(
                {"", "Meaning\r\nof " + std::to_string(i), "Term " + std::to_string(i), "1"});
        dir.Write("GLOSSARY.DEF", WriteGlossary(glossary.Entries()));
        source = {dir.Path(), 3, {"Summary", "Key Ideas", "Summary"}, true};
    }
    TempBookDir dir;
    TBookSearchSource source;
};

TEST_F(BookSearchBuild, IndexesPagesAsTheViewerFindsThemThenTheGlossary) {
    const Built built = Build(source);
    ASSERT_TRUE(built.Index);
    const std::vector<std::string> documents = Documents(*built.Index);
    ASSERT_EQ(documents.size(), 3u + 2 * 5000u);
    EXPECT_EQ(std::vector<std::string>(documents.begin(), documents.begin() + 5),
              (std::vector<std::string>{"1 Summary: Cells \xC3\xA9t\xC3\xA9",
                                        "1 Key Ideas: Key & ideas", "3 Summary: Three",
                                        "term 0: Term 0", "definition 0: Meaning of 0"}));
    EXPECT_EQ(documents.back(), "definition 4999: Meaning of 4999");
    EXPECT_EQ(built.Index->Search("meaning of 4321", 10).Total, 1u);
    EXPECT_EQ(built.Index->Search("ete", 10).Total, 1u);
    // One step per chapter, then one per 4096 glossary entries.
    EXPECT_EQ(built.Progress,
              (std::vector<std::pair<int, int>>{{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));
}

TEST_F(BookSearchBuild, StopsWhenTheProgressSaysSo) {
    for (const int stopAfter : {1, 3, 5}) {
        const Built built = Build(source, stopAfter);
        EXPECT_FALSE(built.Index) << stopAfter;
        EXPECT_EQ(built.Progress.size(), static_cast<std::size_t>(stopAfter));
    }
}

TEST_F(BookSearchBuild, ABookWithoutGlossaryReadsNoGlossaryAndAMissingOneRaises) {
    source.HasGlossary = false;
    const Built withoutGlossary = Build(source);
    ASSERT_TRUE(withoutGlossary.Index);
    EXPECT_EQ(withoutGlossary.Index->DocumentCount(), 3u);
    EXPECT_EQ(withoutGlossary.Progress.back(), std::make_pair(3, 3));

    source.HasGlossary = true;
    std::filesystem::remove(dir.Path() / "GLOSSARY.DEF");
    EXPECT_THROW(Build(source), TFileOpenError);
}

} // namespace
} // namespace quillara
