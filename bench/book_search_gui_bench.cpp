// Searching the largest book there can be: 255 chapters of three 64 KB topic pages and a glossary
// of 65,535 terms. The index is built as the search window builds it in the background, beside
// reading the book's bytes; each search after that is measured in the core beside a plain byte
// scan of the same text for the same words (what any search without an index costs at the
// least), and in the search window with the repaint of its list.
#include "gui/app/main_form.h"
#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "core/book/book_files.h"
#include "core/book/book_properties_writer.h"
#include "core/book/glossary.h"
#include "core/book/topic_pages.h"
#include "core/search/book_search_build.h"
#include "core/search/page_text.h"
#include "gui/search/book_search_dialog.h"
#include "gui/search/search_hit_model.h"
#include "temp_book_dir.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace quillara {
namespace {

constexpr int Chapters = 255;
constexpr std::size_t PageBytes = 65000;
constexpr std::size_t Terms = 65535;
// As many hits as the search window lists.
constexpr std::size_t ListedHits = 1000;
const std::vector<std::string> Titles = {"Summary", "Key Ideas", "Worked Examples"};

// Prose over a vocabulary of a few thousand words, common ones far more often than rare ones,
// as in a real textbook; some words carry accents written as entities or Windows-1252 bytes.
class TProse {
public:
    TProse() {
        for (const char* word :
             {"the", "of", "and",   "a",  "to",    "in",     "is",   "that", "for",
              "it",  "as", "with",  "on", "by",    "this",   "are",  "be",   "from",
              "or",  "an", "which", "at", "their", "energy", "cell", "rate"})
            Words.push_back(word);
        const char* syllables[] = {"ba", "ce", "di",  "fo", "gu", "ha", "je", "ki", "lo", "mu",
                                   "na", "pe", "qui", "ro", "su", "ta", "ve", "wo", "xy", "zo"};
        while (Words.size() < 4000) {
            std::string word;
            for (unsigned n = 2 + Random() % 3; n > 0; --n)
                word += syllables[Random() % 20];
            Words.push_back(word);
        }
        Words[100] = "r&eacute;sum&eacute;";
        Words[200] = "na\xEFve";
        Words[300] = "caf&eacute;";
    }

    // Low ranks come up far more often: the rank is the square of a uniform draw, scaled.
    const std::string& Word() {
        const double u = std::uniform_real_distribution<double>(0, 1)(Random);
        return Words[static_cast<std::size_t>(u * u * u * static_cast<double>(Words.size()))];
    }

    std::string Sentence(int words) {
        std::string text;
        for (int i = 0; i < words; ++i) {
            if (i) text += ' ';
            const std::string& word = Word();
            text += Random() % 40 == 0 ? "<b>" + word + "</b>" : word;
        }
        return text + ". ";
    }

    std::string Page(int chapter, const std::string& title) {
        std::string page = "<h2>" + title + " of chapter " + std::to_string(chapter) + "</h2>\r\n";
        while (page.size() < PageBytes - 1000) {
            page += "<p>";
            for (int s = 0; s < 6; ++s)
                page += Sentence(8 + static_cast<int>(Random() % 12));
            page += "</p>\r\n";
            if (Random() % 10 == 0)
                page += "<table><tr><td>" + Word() + "</td><td>" + Word() + "&nbsp;&amp; " +
                        Word() + "</td></tr></table>\r\n";
        }
        return page;
    }

    std::mt19937 Random{2024};

private:
    std::vector<std::string> Words;
};

const testing::TempBookDir& LargestBook() {
    static const testing::TempBookDir dir;
    static const bool written = [] {
        TProse prose;
        for (int c = 1; c <= Chapters; ++c) {
            std::vector<TTopicEntry> pages;
            for (const std::string& title : Titles)
                pages.push_back({title, prose.Page(c, title)});
            // A word and a phrase that only the last chapter's examples hold.
            if (c == Chapters) pages.back().Page += "<p>The zymurgical <i>method</i> works.</p>";
            dir.Write(TopicFileName(c), WriteTopicFile(pages));
        }
        TBookProperties book;
        book.Title = "Largest Book";
        book.HasGlossary = true;
        for (const std::string& title : Titles)
            book.Topics.push_back({title, 0, 2, 1});
        for (int c = 1; c <= Chapters; ++c)
            book.ChapterNames.push_back("Chapter " + std::to_string(c));
        dir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
        TGlossary glossary;
        for (std::size_t t = 0; t < Terms; ++t) {
            const std::string term = prose.Word() + " " + prose.Word();
            std::string definition = prose.Sentence(12) + prose.Sentence(10);
            if (t == Terms / 2) definition += "Compare quillwort.";
            glossary.Add({"", definition, term, std::to_string(1 + t % Chapters)});
        }
        dir.Write("GLOSSARY.DEF", WriteGlossary(glossary.Entries()));
        return true;
    }();
    (void)written;
    return dir;
}

TBookSearchSource Source() {
    return {LargestBook().Path(), Chapters, Titles, true};
}

const TBookSearchIndex& Index() {
    static const auto index = BuildBookSearchIndex(Source(), [](int, int) { return true; });
    return *index;
}

// Every document's reader text, one after the other, read from the book's files as the index
// reads them: what a search without an index reads.
const std::string& AllText() {
    static const std::string text = [] {
        std::string all;
        for (int c = 1; c <= Chapters; ++c)
            for (const std::string& page : FindTopicTexts(LargestBook().Path(), c, Titles))
                all += PageText(page);
        TGlossary glossary;
        glossary.LoadGlossary(LargestBook().Path(), false);
        for (const TDefinition& entry : glossary.Entries())
            all += PlainText(entry.Term) + PlainText(entry.DefinitionText);
        return all;
    }();
    return text;
}

// The floor of the build: the bytes of every file it reads.
void BM_ReadBookBytes(benchmark::State& state) {
    const auto& book = LargestBook();
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (int c = 1; c <= Chapters; ++c)
            bytes += static_cast<std::int64_t>(
                ReadBookFile(book.Path(), TopicFileName(c), MaxTopicFileSize).size());
        bytes += static_cast<std::int64_t>(
            ReadBookFile(book.Path(), "GLOSSARY.DEF", MaxGlossarySize).size());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReadBookBytes)->Unit(benchmark::kMillisecond);

void BM_BuildIndex(benchmark::State& state) {
    LargestBook();
    std::size_t memory = 0;
    for (auto _ : state) {
        const auto index = BuildBookSearchIndex(Source(), [](int, int) { return true; });
        memory = index->MemoryBytes();
    }
    state.counters["index_MB"] = static_cast<double>(memory) / 1e6;
    state.counters["text_MB"] = static_cast<double>(AllText().size()) / 1e6;
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->Iterations(1);

const std::vector<std::pair<const char*, const char*>> Queries = {
    {"rare_word", "zymurgical"},
    {"phrase_with_rare_word", "zymurgical method"},
    {"glossary_only_word", "quillwort"},
    {"accented_entity_word", "RESUME"},
    {"common_word", "energy"},
    {"common_phrase", "of the"},
    {"one_letter", "e"},
};

void BM_Search(benchmark::State& state, const char* query) {
    const TBookSearchIndex& index = Index();
    std::size_t total = 0;
    for (auto _ : state) {
        const TSearchResult result = index.Search(query, ListedHits);
        total = result.Total;
        benchmark::DoNotOptimize(result.Hits.data());
    }
    state.counters["hits"] = static_cast<double>(total);
}

// Case-sensitive, no accents, no index: std::string_view::find over all the text.
void BM_ByteScan(benchmark::State& state, const char* query) {
    const std::string_view text = AllText();
    const std::string_view needle = query;
    std::size_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (std::size_t at = text.find(needle); at != std::string_view::npos;
             at = text.find(needle, at + needle.size()))
            ++total;
        benchmark::DoNotOptimize(total);
    }
    state.counters["hits"] = static_cast<double>(total);
}

// The main window of the program on the largest book, never shown: the search window's owner.
struct TWindow {
    TWindow() {
        Session.Open(Session.ReadBook(LargestBook().Path()));
        Form = std::make_unique<gui::TMainForm>(Session);
    }
    gui::TStudySession Session;
    std::unique_ptr<gui::TMainForm> Form;
};

// Everything made here goes before the application.
std::unique_ptr<TWindow> SharedWindow;
std::unique_ptr<gui::TBookSearchDialog> SharedDialog;

// Types the query and presses Search; true when the list shows hits.
bool SearchInWindow(gui::TBookSearchDialog& dialog, const char* query) {
    dialog.findChild<QLineEdit*>("searchText")->setText(QString::fromUtf8(query));
    dialog.Search();
    return dialog.Hits().rowCount() > 0;
}

// The first search of a session: the window opens, prepares the book on its thread while the
// window's thread goes on, and lists the hits. Wall time, as the student waits it.
void BM_FirstSearchInWindow(benchmark::State& state) {
    LargestBook();
    for (auto _ : state) {
        TWindow window;
        gui::TBookSearchDialog dialog(window.Session, *window.Form);
        dialog.ShowSearch();
        SearchInWindow(dialog, "zymurgical");
        while (!dialog.Ready())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        dialog.repaint();
        if (dialog.Hits().rowCount() != 1) state.SkipWithError("the search found another count");
    }
}
BENCHMARK(BM_FirstSearchInWindow)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// A search after the first: the window's search and the repaint of its list.
void BM_SearchInWindow(benchmark::State& state, const char* query) {
    if (!SharedDialog) {
        SharedWindow = std::make_unique<TWindow>();
        SharedDialog =
            std::make_unique<gui::TBookSearchDialog>(SharedWindow->Session, *SharedWindow->Form);
        SharedDialog->ShowSearch();
        while (!SharedDialog->Ready())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    for (auto _ : state) {
        if (!SearchInWindow(*SharedDialog, query)) state.SkipWithError("nothing was found");
        SharedDialog->repaint();
    }
}

const bool Registered = [] {
    for (const auto& [name, query] : Queries) {
        benchmark::RegisterBenchmark((std::string("BM_Search/") + name).c_str(), BM_Search, query)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_ByteScan/") + name).c_str(), BM_ByteScan,
                                     query)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_SearchInWindow/") + name).c_str(),
                                     BM_SearchInWindow, query)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
} // namespace quillara

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quillara::gui::TMessageBoxes::SetUnattended(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    quillara::SharedDialog.reset();
    quillara::SharedWindow.reset();
    return 0;
}
