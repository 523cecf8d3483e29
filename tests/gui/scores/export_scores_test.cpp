#include "core/scores/score_file.h"
#include "gui/scores/export_scores.h"
#include "gui/shell/message_boxes.h"
#include "main_window.h"
#include "temp_book_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::MainWindow;
using testing::TempBookDir;

namespace fs = std::filesystem;

constexpr const char* Header =
    "Date,Description,Chapter,Chapter name,Correct,Incorrect,Percent\r\n";

// A window with two attempts in its history and its score file in a folder of its own.
struct ExportWindow {
    explicit ExportWindow(GuiBook& book) : window(book) {
        window.session.SetSaveDirectory((saveDir.Path() / "").string());
        for (const auto& [date, chapter] : {std::pair{45358.25, 2}, std::pair{45359.5, 1}}) {
            auto score = std::make_unique<TScore>();
            score->date = date;
            score->setDescription("Test, \"chapters\"");
            score->addCorrect(static_cast<std::int16_t>(chapter));
            score->addIncorrect(static_cast<std::int16_t>(chapter));
            window.session.Scores().AddAttempt(std::move(score));
        }
    }
    // Runs the menu command, answering the save dialog with `chosen` (empty cancels); returns the
    // path the dialog was offered.
    QString Export(const fs::path& chosen, const QString& filter = {}) {
        QString suggested;
        TMessageBoxes::QueueSaveFileName(
            [&](const QString& offered) {
                suggested = offered;
                return QString::fromStdString(chosen.string());
            },
            filter);
        window.Action("ExportScoresItem")->trigger();
        return suggested;
    }
    TempBookDir saveDir;
    TempBookDir exportDir;
    MainWindow window;
};

TEST(ExportScores, TheMenuCommandWritesTheHistoryAndNothingElse) {
    GuiBook book;
    ExportWindow w(book);
    QStringList items;
    for (QAction* item : w.window.Menu("ScoresMenu")->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(items, (QStringList{"&View saved scores", "&Graph scores for selected chapter", "-",
                                  "&Export Scores…"}));

    const fs::path target = w.exportDir.Write("mine.csv", "an older, longer export to replace");
    const QString suggested = w.Export(target);
    EXPECT_EQ(QFileInfo(suggested).fileName(), "Test Book scores.csv");
    EXPECT_TRUE(QFileInfo(suggested).dir().exists()) << suggested.toStdString();
    // Done, the student is told where the table went.
    EXPECT_EQ(TMessageBoxes::Shown(),
              QStringList{"The scores were exported to \"" +
                          QString::fromStdString(target.string()) + "\"."});
    EXPECT_EQ(TempBookDir::ReadFile(target),
              std::string(Header) +
                  "2024-03-07T06:00:00,\"Test, \"\"chapters\"\"\",2,Energy,1,1,50\r\n"
                  "2024-03-08T12:00:00,\"Test, \"\"chapters\"\"\",1,Cells,1,1,50\r\n");
    EXPECT_EQ(TempBookDir::FileNames(w.exportDir.Path()), std::vector<std::string>{"mine.csv"});
    EXPECT_TRUE(TempBookDir::FileNames(w.saveDir.Path()).empty()); // no score file was saved

    w.Export({});
    w.window.session.Scores().clear();
    w.Export(w.exportDir.Path() / "empty.csv");
    EXPECT_EQ(TempBookDir::FileNames(w.exportDir.Path()),
              (std::vector<std::string>{"empty.csv", "mine.csv"}));
    EXPECT_EQ(w.exportDir.Read("empty.csv"), Header);
    EXPECT_EQ(TMessageBoxes::Shown().size(), 2) << "a cancelled export tells nothing";
}

// Where decimals are written with a comma, the save dialog also offers fields between semicolons;
// the comma form stays the first, and elsewhere the dialog offers what it always did.
TEST(ExportScores, ACommaDecimalLocaleMayChooseSemicolons) {
    const QLocale before;
    EXPECT_EQ(ExportFilters(), "CSV files (*.csv);;All files (*)");
    GuiBook book;
    ExportWindow w(book);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ExportFilters(),
              "CSV files, comma separated (*.csv);;" + SemicolonFilter() + ";;All files (*)");
    w.Export(w.exportDir.Path() / "comma.csv");
    w.Export(w.exportDir.Path() / "semicolon.csv", SemicolonFilter());
    QLocale::setDefault(before);
    EXPECT_EQ(w.exportDir.Read("comma.csv"),
              std::string(Header) +
                  "2024-03-07T06:00:00,\"Test, \"\"chapters\"\"\",2,Energy,1,1,50\r\n"
                  "2024-03-08T12:00:00,\"Test, \"\"chapters\"\"\",1,Cells,1,1,50\r\n");
    EXPECT_EQ(w.exportDir.Read("semicolon.csv"),
              "Date;Description;Chapter;Chapter name;Correct;Incorrect;Percent\r\n"
              "2024-03-07T06:00:00;\"Test, \"\"chapters\"\"\";2;Energy;1;1;50\r\n"
              "2024-03-08T12:00:00;\"Test, \"\"chapters\"\"\";1;Cells;1;1;50\r\n");
}

TEST(ExportScores, TheDefaultNameIsOneEveryFileSystemTakes) {
    GuiBook book;
    book.Book.Title = " Cells/Energy: \"Part\" 1";
    ExportWindow w(book);
    EXPECT_EQ(QFileInfo(w.Export({})).fileName(), "Cells-Energy- -Part- 1 scores.csv");
}

TEST(ExportScores, RefusedAndFailedWritesAreReportedAndChangeNothing) {
    GuiBook book;
    ExportWindow w(book);
    ASSERT_TRUE(w.window.session.Scores().saveScores(w.window.session.Settings().SaveDirectory));
    const fs::path scoreFile = w.saveDir.Path() / ScoreFileName;
    const std::string saved = TempBookDir::ReadFile(scoreFile);
    fs::create_directory(w.exportDir.Path() / "folder");
    fs::create_symlink(scoreFile, w.exportDir.Path() / "link.csv");

    const struct {
        fs::path Target;
        const char* Message;
    } cases[] = {
        {w.exportDir.Path() / "no-such-folder" / "scores.csv", "Unable to export scores to"},
        {w.exportDir.Path() / "folder", "Unable to export scores to"},
        {scoreFile, "The scores cannot be exported over the score file itself."},
        {w.exportDir.Path() / "link.csv", "The scores cannot be exported over the score file"},
    };
    for (const auto& c : cases) {
        TMessageBoxes::Reset();
        TMessageBoxes::SetUnattended(true);
        w.Export(c.Target);
        ASSERT_EQ(TMessageBoxes::Shown().size(), 1) << c.Target;
        EXPECT_TRUE(TMessageBoxes::Shown()[0].startsWith(QString::fromUtf8(c.Message)))
            << TMessageBoxes::Shown()[0].toStdString();
        // Nothing half-written is left beside the target, and the score file is untouched.
        EXPECT_EQ(TempBookDir::FileNames(w.exportDir.Path()),
                  (std::vector<std::string>{"folder", "link.csv"}));
        EXPECT_TRUE(fs::is_empty(w.exportDir.Path() / "folder"));
        EXPECT_EQ(TempBookDir::ReadFile(scoreFile), saved);
    }
}

} // namespace
} // namespace quillara::gui
