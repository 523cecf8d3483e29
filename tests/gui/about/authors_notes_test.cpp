#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui/reading/view_authors_notes_frame.h"
#include "core/book/authors_notes.h"
#include "gui_book.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

struct AuthorsNotes : ::testing::Test {
    AuthorsNotes() {
        Program.Open(Program.ReadBook(Book.Write()));
        Notes = new TViewAuthorsNotesFrame1(Program, &Client);
        Memo = Notes->findChild<QPlainTextEdit*>("Memo1");
        Client.show();
    }

    testing::GuiBook Book;
    TStudySession Program;
    QWidget Client;
    TViewAuthorsNotesFrame1* Notes;
    QPlainTextEdit* Memo;
};

TEST_F(AuthorsNotes, ShowsTheNotesWithoutTheFinalNulAndBlanks) {
    Book.AuthorsNotes = std::string("Dear reader,\r\nthank you.\r\n\xe9t\xe9 2024\0  \t ", 39);
    Book.Write();
    EXPECT_TRUE(Notes->isHidden());
    EXPECT_EQ(Notes->findChild<QLabel*>("Label1")->text(), "Authors Notes");

    Notes->ShowNotes();
    EXPECT_FALSE(Notes->isHidden());
    EXPECT_EQ(Memo->toPlainText(), QString::fromUtf8("Dear reader,\nthank you.\nété 2024"));
    EXPECT_TRUE(Memo->isReadOnly());
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty());
}

TEST_F(AuthorsNotes, ClosingEmptiesTheViewAndShowingAgainRereadsTheFile) {
    Book.Write();
    Notes->ShowNotes();
    EXPECT_EQ(Memo->toPlainText(), "Notes of the author.");

    Notes->findChild<QPushButton*>("Button1")->click();
    EXPECT_TRUE(Notes->isHidden());
    EXPECT_TRUE(Memo->toPlainText().isEmpty());

    Book.Dir.Write("AUTHORS", WriteAuthorsNotes("Second edition notes."));
    Notes->ShowNotes();
    EXPECT_FALSE(Notes->isHidden());
    EXPECT_EQ(Memo->toPlainText(), "Second edition notes.");
}

TEST_F(AuthorsNotes, AFileThatCannotBeReadShowsAnEmptyViewAndIsReported) {
    Book.Write();
    Notes->ShowNotes();
    ASSERT_FALSE(Memo->toPlainText().isEmpty());

    // Damaged: the length says more than the file holds.
    Book.Dir.Write("AUTHORS", std::string("\x40\x00Too short", 11));
    Notes->ShowNotes();
    EXPECT_FALSE(Notes->isHidden());
    EXPECT_TRUE(Memo->toPlainText().isEmpty());
    ASSERT_EQ(TMessageBoxes::Shown().size(), 1);

    std::filesystem::remove(Book.Dir.Path() / "AUTHORS");
    Notes->findChild<QPushButton*>("Button1")->click();
    Notes->ShowNotes();
    EXPECT_FALSE(Notes->isHidden());
    EXPECT_TRUE(Memo->toPlainText().isEmpty());
    ASSERT_EQ(TMessageBoxes::Shown().size(), 2);
    EXPECT_TRUE(TMessageBoxes::Shown()[1].contains("AUTHORS"))
        << TMessageBoxes::Shown()[1].toStdString();
}

} // namespace
} // namespace quillara::gui
