#include "gui/glossary/glossary_box.h"
#include "gui/glossary/view_glossary_frame.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using quillara::TDefinition;
using quillara::TGlossary;
using quillara::gui::TGlossaryBox;
using quillara::gui::TViewGlossaryFrame1;

// The view in a window of its own, as in the main window's client area, with its controls at hand.
class GlossaryView : public ::testing::Test {
protected:
    GlossaryView() { (new QVBoxLayout(&Window))->addWidget(&View); }

    void Show(const std::vector<TDefinition>& entries) { Show(TGlossary(entries)); }
    void Show(TGlossary glossary) {
        Glossary = std::move(glossary);
        View.SetGlossary(&Glossary);
        Window.resize(400, 500);
        Window.show();
        View.ShowGlossaryView();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    }

    void Type(const QString& text) { QTest::keyClicks(Search, text); }
    void ClickLine(int row) {
        const QRect line = Terms->visualRect(Terms->model()->index(row, 0));
        QTest::mouseClick(Terms->viewport(), Qt::LeftButton, {}, line.center());
    }
    QString Term() const {
        const TDefinition* entry = Terms->SelectedTerm();
        return entry ? QString::fromUtf8(entry->Term) : QStringLiteral("<none>");
    }
    QString ChapterLine() const { return View.findChild<QLabel*>("Label2")->text(); }
    QString DefinitionText() const {
        return View.findChild<QTextEdit*>("Definition")->toPlainText();
    }

    TGlossary Glossary;
    QWidget Window;
    TViewGlossaryFrame1& View = *new TViewGlossaryFrame1(&Window);
    TGlossaryBox* Terms = View.findChild<TGlossaryBox*>("Terms");
    QLineEdit* Search = View.findChild<QLineEdit*>("searchTerm");
};

TEST_F(GlossaryView, TypingSelectsTheFirstMatchInListOrder) {
    Show({{"12", "Light.", "PHOTON", "3, 7"},
          {"", "Stages.", "Phase", ""},
          {"45-46", "Tissue.", "phloem", "2"},
          {"", "Ratio.", "Pi", "1"}});
    EXPECT_EQ(Term(), "PHOTON");
    EXPECT_EQ(View.findChild<QLabel*>("Label1")->text(), "Glossary");

    Type("ph");
    EXPECT_EQ(Term(), "PHOTON");
    Type("l");
    EXPECT_EQ(Term(), "phloem");
    EXPECT_EQ(ChapterLine(), "Chapter 2, page(s) 45-46");
    EXPECT_EQ(DefinitionText(), "Tissue.");

    Search->clear();
    Type("pHa");
    EXPECT_EQ(Term(), "Phase");
    EXPECT_EQ(ChapterLine(), "Chapter N/A, page(s) N/A");
}

TEST_F(GlossaryView, UnmatchedSearchClearsUntilATermIsClicked) {
    Show({{"45-46", "Light.", "photon", "3, 7"}, {"9", "Mass.", "proton", ""}});
    Type("px");
    EXPECT_EQ(Terms->SelectedIndex(), -1);
    EXPECT_EQ(ChapterLine(), "");
    EXPECT_EQ(DefinitionText(), "");

    QTest::keyClick(Search, Qt::Key_Backspace);
    EXPECT_EQ(Term(), "photon");
    QTest::keyClick(Search, Qt::Key_Backspace);
    EXPECT_EQ(Search->text(), "");
    EXPECT_EQ(Term(), "photon");

    Search->setText("x");
    QTest::keyClick(Search, Qt::Key_Backspace);
    EXPECT_EQ(Terms->SelectedIndex(), -1);
    EXPECT_EQ(ChapterLine(), "");

    Type("pho");
    ClickLine(1);
    EXPECT_EQ(Search->text(), "");
    EXPECT_EQ(Term(), "proton");
    EXPECT_EQ(ChapterLine(), "Chapter N/A, page(s) 9");
    EXPECT_EQ(DefinitionText(), "Mass.");

    ClickLine(0);
    EXPECT_EQ(ChapterLine(), "Chapter 3, 7, page(s) 45-46");
}

TEST_F(GlossaryView, MovingThroughTheListWithTheKeyboardShowsEachTerm) {
    Show({{"", "First.", "alpha", ""}, {"", "Second.", "beta", ""}});
    Type("a");
    Terms->setFocus();
    QTest::keyClick(Terms, Qt::Key_Down);
    EXPECT_EQ(Term(), "beta");
    EXPECT_EQ(DefinitionText(), "Second.");
    EXPECT_EQ(Search->text(), "");
}

TEST_F(GlossaryView, SpacesInTermsAndSearchAreNotTrimmed) {
    Show({{"", "", " cell", ""}, {"", "", "cellar", ""}, {"", "", "cell wall", ""}});
    Type("c");
    EXPECT_EQ(Term(), "cellar");
    Type("ell ");
    EXPECT_EQ(Term(), "cell wall");

    Search->clear();
    Type(" C");
    EXPECT_EQ(Term(), " cell");
}

TEST_F(GlossaryView, ShowingAgainStartsOverAndClosingHides) {
    Show({{"", "One.", "one", ""}, {"", "Two.", "two", ""}});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    Type("tw");
    EXPECT_EQ(Term(), "two");
    Terms->setFocus();

    QTest::mouseClick(View.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(View.isVisible());
    EXPECT_EQ(Search->text(), "tw");

    View.ShowGlossaryView();
    EXPECT_EQ(QApplication::focusWidget(), Search);
    EXPECT_EQ(Search->text(), "");
    EXPECT_EQ(Term(), "one");
    EXPECT_EQ(DefinitionText(), "One.");
}

TEST_F(GlossaryView, WithoutAGlossaryTheListStaysEmpty) {
    View.SetGlossary(nullptr);
    View.ShowGlossaryView();
    Type("a");
    EXPECT_EQ(Terms->Count(), 0);
    EXPECT_EQ(Terms->SelectedTerm(), nullptr);
    EXPECT_EQ(ChapterLine(), "");
    EXPECT_EQ(DefinitionText(), "");

    Glossary = TGlossary({{"", "", "a", ""}});
    View.SetGlossary(&Glossary);
    View.SetGlossary(&Glossary);
    EXPECT_EQ(Terms->Count(), 1);
}

TEST_F(GlossaryView, TheLargestGlossaryListsAndFindsItsLastTerm) {
    TGlossary glossary;
    for (int i = 0; i < 65535; ++i)
        glossary.Add({std::to_string(i), "Definition " + std::to_string(i),
                      i == 65534 ? "Zymogen" : "Term " + std::to_string(i), "1"});
    Show(std::move(glossary));
    EXPECT_EQ(Terms->Count(), 65535);

    Type("zy");
    EXPECT_EQ(Terms->SelectedIndex(), 65534);
    EXPECT_EQ(DefinitionText(), "Definition 65534");
    const QRect line = Terms->visualRect(Terms->model()->index(65534, 0));
    EXPECT_TRUE(Terms->viewport()->rect().contains(line));
}

} // namespace
