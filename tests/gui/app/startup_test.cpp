#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/open_book_dialog.h"
#include "app/settings.h"
#include "app/startup_steps.h"
#include "gui_book.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

namespace fs = std::filesystem;
using testing::GuiBook;
using testing::TempBookDir;

// Runs start-up with the current directory set to `cwd`, restoring it afterwards, and closes the
// main window as soon as it has been drawn so that start-up returns from its event loop.
int Start(TProgram& program, const std::vector<std::string>& arguments, const std::string& self,
          const fs::path& cwd) {
    const fs::path before = fs::current_path();
    fs::current_path(cwd);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<TMainForm*>(window);
            if (form && form->isVisible() && form->windowHandle()->isExposed()) {
                poll.stop();
                // Queued behind what the drawing set going.
                QTimer::singleShot(0, form, &QWidget::close);
            }
        }
    });
    poll.start(5);
    const int status = RunStartup(program, arguments, self);
    fs::current_path(before);
    return status;
}

TEST(Startup, BookDirectoryFromTheCommandLine) {
    TempBookDir dir;
    EXPECT_EQ(BookDirectoryFromCommandLine({}, "/opt/books/bio/quillara"),
              fs::path("/opt/books/bio/"));
    EXPECT_EQ(BookDirectoryFromCommandLine({"/opt/books/bio/BOOK.DEF"}, "x"),
              fs::path("/opt/books/bio/"));
    EXPECT_EQ(BookDirectoryFromCommandLine({"BOOK.DEF"}, "x"), fs::path());
    EXPECT_EQ(BookDirectoryFromCommandLine({dir.Path().string()}, "x"), dir.Path());
    EXPECT_EQ(BookDirectoryFromCommandLine({"/no/such/folder"}, "x"), fs::path("/no/such/"));
}

TEST(Startup, OpensTheBookNamedByAFileInItAndSavesTheScoresThere) {
    GuiBook book;
    const fs::path dir = book.Write();
    TempBookDir elsewhere;
    TProgram program;
    EXPECT_EQ(Start(program, {(dir / "BOOK.DEF").string()}, "/usr/bin/quillara", dir), 0);
    ASSERT_TRUE(program.Book);
    EXPECT_EQ(program.Book->Title, "Test Book");
    ASSERT_TRUE(program.Glossary());
    EXPECT_EQ(program.Glossary()->Entries.size(), 3u);
    EXPECT_TRUE(fs::exists(dir / "SCORES.SAV")); // empty save directory: the current one
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty()) << TMessageBoxes::Shown().join("|").toStdString();
}

TEST(Startup, ABareNameLooksInTheCurrentDirectoryAndNoArgumentInTheProgramsOwn) {
    GuiBook book;
    const fs::path dir = book.Write();
    TProgram bare;
    EXPECT_EQ(Start(bare, {"BOOK.DEF"}, "/usr/bin/quillara", dir), 0);
    ASSERT_TRUE(bare.Book);
    EXPECT_TRUE(bare.ProgramDirectory.empty());
    TProgram none;
    EXPECT_EQ(Start(none, {}, (dir / "quillara").string(), fs::temp_directory_path()), 0);
    ASSERT_TRUE(none.Book);
    EXPECT_EQ(none.Book->Title, "Test Book");
}

TEST(Startup, NoBookThenCancelEndsWithoutAScoreFile) {
    TempBookDir empty;
    TProgram program;
    TMessageBoxes::QueueDialog([](QDialog*) { return int(QDialog::Rejected); });
    EXPECT_EQ(Start(program, {empty.Path().string()}, "x", empty.Path()), 0);
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1);
    EXPECT_EQ(TMessageBoxes::Shown()[0].toStdString(), MissingBookMessage);
    EXPECT_FALSE(fs::exists(empty.Path() / "SCORES.SAV"));
    EXPECT_FALSE(program.Book);
}

TEST(Startup, NoBookThenAnotherDirectoryChosenInTheDialog) {
    TempBookDir empty;
    GuiBook book;
    const fs::path dir = book.Write();
    TProgram program;
    TMessageBoxes::QueueDialog([&](QDialog* dialog) {
        static_cast<TOpenBookDlg*>(dialog)->SelectDirectory(dir);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(Start(program, {empty.Path().string()}, "x", empty.Path()), 0);
    ASSERT_TRUE(program.Book);
    EXPECT_EQ(program.ProgramDirectory, dir);
}

TEST(Startup, FromTheMenuWithNoBookTheDialogStartsInTheInstalledDemoBook) {
    EXPECT_EQ(InstalledDemoBook("/usr/bin/quillara"), fs::path("/usr/share/quillara/books/demo"));

    // An installed tree: the program in bin, the demo book under share.
    TempBookDir prefix;
    GuiBook book;
    const fs::path demo = prefix.Path() / "share/quillara/books/demo";
    fs::create_directories(demo);
    fs::copy(book.Write(), demo, fs::copy_options::recursive);
    const std::string self = (prefix.Path() / "bin/quillara").string();

    TempBookDir home;
    fs::path startedIn;
    fs::path currentThen;
    TMessageBoxes::QueueDialog([&](QDialog* dialog) {
        startedIn = static_cast<TOpenBookDlg*>(dialog)->SelectedDirectory();
        currentThen = fs::current_path();
        return int(QDialog::Accepted);
    });
    TProgram program;
    EXPECT_EQ(Start(program, {}, self, home.Path()), 0);
    EXPECT_EQ(startedIn, fs::canonical(demo));
    // Only the student's own browsing moves the current directory, where the scores are kept.
    EXPECT_EQ(currentThen, fs::canonical(home.Path()));
    ASSERT_TRUE(program.Book);
    EXPECT_EQ(program.Book->Title, "Test Book");
    EXPECT_TRUE(fs::exists(home.Path() / "SCORES.SAV"));
    EXPECT_FALSE(fs::exists(demo / "SCORES.SAV"));

    // A book in the current directory is still where the dialog starts.
    GuiBook other;
    const fs::path here = other.Write();
    TMessageBoxes::QueueDialog([&](QDialog* dialog) {
        startedIn = static_cast<TOpenBookDlg*>(dialog)->SelectedDirectory();
        return int(QDialog::Rejected);
    });
    TProgram second;
    EXPECT_EQ(Start(second, {home.Path().string()}, self, here), 0);
    EXPECT_EQ(startedIn, fs::canonical(here));
}

TEST(Startup, UnknownVersionIsReportedAndASecondFailureEndsWithItsReason) {
    TempBookDir bad;
    bad.Write("BOOK.DEF", std::string("\x04"
                                      "BPQZ\x09",
                                      6));
    TempBookDir empty;
    TProgram program;
    TMessageBoxes::QueueDialog([&](QDialog* dialog) {
        static_cast<TOpenBookDlg*>(dialog)->SelectDirectory(empty.Path());
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(Start(program, {bad.Path().string()}, "x", bad.Path()), 1);
    ASSERT_EQ(TMessageBoxes::Shown().size(), 2);
    EXPECT_TRUE(TMessageBoxes::Shown()[0].endsWith("Unknown version of book properties (9)."));
    EXPECT_TRUE(TMessageBoxes::Shown()[1].contains("BOOK.DEF"));
}

TEST(Startup, SettingsMoveTheSaveDirectoryAndAFailedGlossaryEndsAtOnce) {
    GuiBook book;
    const fs::path dir = book.Write();
    TempBookDir saves;
    book.Dir.Write("wquillara.ini",
                   "[test book]\nsave directory = " + saves.Path().string() + "/\n");
    TProgram program;
    EXPECT_EQ(Start(program, {dir.string()}, "x", dir), 0);
    EXPECT_TRUE(fs::exists(saves.Path() / "SCORES.SAV"));
    EXPECT_FALSE(fs::exists(dir / "SCORES.SAV"));

    book.Dir.Write("GLOSSARY.DEF", "\x05");
    TProgram broken;
    EXPECT_EQ(Start(broken, {dir.string()}, "x", dir), 0);
    ASSERT_FALSE(TMessageBoxes::Shown().isEmpty());
    EXPECT_EQ(TMessageBoxes::Shown().back().toStdString(), GlossaryFailedMessage);
}

// Two scores cut inside the first: a plain start and exit keeps the file as it was beside it,
// says so once, and leaves a complete file.
TEST(Startup, ADamagedScoreFileIsKeptAndToldOfOnce) {
    GuiBook book;
    const fs::path dir = book.Write();
    TScoreHistory two;
    for (const char* quiz : {"True/False Quiz", "Multiple Choice Quiz"}) {
        auto score = std::make_unique<TScore>();
        score->description = quiz;
        score->addCorrect(1);
        two.addAttempt(std::move(score));
    }
    const std::string cut = two.writeScores().substr(0, 12);
    book.Dir.Write("SCORES.SAV", cut);
    for (int run = 0; run < 2; ++run) {
        TProgram program;
        EXPECT_EQ(Start(program, {dir.string()}, "x", dir), 0);
    }

    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().starts_with("SCORES.SAV.damaged-"))
            kept.push_back(entry.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(TempBookDir::ReadFile(kept[0]), cut);
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1);
    const QString told = TMessageBoxes::Shown()[0];
    EXPECT_TRUE(told.contains(QString::fromStdString((dir / "SCORES.SAV").string())))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QString::fromStdString(kept[0].string()))) << told.toStdString();
    TScoreHistory after;
    EXPECT_TRUE(after.loadScores(dir.string() + "/"));
}

TEST(Settings, SectionAndKeysIgnoreCaseAndValuesStayAsWritten) {
    TProgram program;
    program.SettingsSection = "Biology";
    program.SaveDirectory = "keep/";
    ReadSettingsText(
        program, "[Other]\nSave Directory=/wrong/\n[BIOLOGY]\nPROGRAM directory = /books/bio/\n");
    EXPECT_EQ(program.ProgramDirectory, fs::path("/books/bio/"));
    EXPECT_EQ(program.SaveDirectory, "keep/");
    TempBookDir dir;
    ReadSettingsText(program, "[biology]\nSave Directory=" + dir.Path().string() + "\n");
    EXPECT_EQ(program.SaveDirectory, dir.Path().string() + "/"); // a folder gets its separator
    ReadSettingsText(program, "[biology]\nSave Directory=/tmp/prefix-\n");
    EXPECT_EQ(program.SaveDirectory, "/tmp/prefix-");
}

} // namespace
} // namespace quillara::gui
