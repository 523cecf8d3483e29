// What a student did is kept however the program is left, and the test window keeps the focus
// and its dialogs.
#include "gui/shell/message_boxes.h"
#include "gui/app/quit_signals.h"
#include "gui/app/remembered.h"
#include "gui/app/window_slot.h"
#include "find_child.h"
#include "main_window.h"
#include "gui/quiz/answer_response_form.h"
#include "gui/quiz/test_window.h"
#include "gui/quiz/attempt_frame.h"
#include "core/scores/score_file.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

// Chapter 1 asks three True/False questions.
void AskThree(GuiBook& book) {
    TQuestion q;
    q.Kind = qkTrueFalse;
    q.Answer = 'T';
    q.Text = "Is it so?";
    book.Banks[0] = {q, q, q};
}

// The attempts in the score file on disk, as another window would read them.
std::vector<std::string> OnDisk(const TStudySession& session) {
    TScoreHistory history;
    history.loadScores(session.Settings().SaveDirectory);
    std::vector<std::string> found;
    for (std::size_t i = 0; i < history.size(); ++i)
        found.push_back(std::string(history.at(i).description()) + " " +
                        std::to_string(history.at(i).totalAnswered()));
    return found;
}

void AnswerNextResponse() {
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        In<QPushButton>(dialog, "Button2")->click();
        return dialog->result();
    });
}

// Each way out of the program with a quiz half answered keeps the answers on disk, and an
// attempt that ends is on disk at once, before any way out.
TEST(WayOut, EveryWayOutKeepsWhatWasAnswered) {
    enum class EWay { Finished, Close, Signal, SessionEnd };
    for (const EWay way : {EWay::Finished, EWay::Close, EWay::Signal, EWay::SessionEnd}) {
        SCOPED_TRACE(static_cast<int>(way));
        GuiBook book;
        AskThree(book);
        MainWindow window(book);
        TTestFrame1* runner = window.form->QuizRunner();
        window.Action("QuizTrueFalseItem")->trigger();
        const int answers = way == EWay::Finished ? 3 : 2;
        for (int i = 0; i < answers; ++i) {
            AnswerNextResponse();
            In<QPushButton>(runner, "ButtonTrue")->click();
        }
        switch (way) {
        case EWay::Finished:
            break;
        case EWay::Close:
            window.form->close();
            break;
        case EWay::Signal: {
            const TQuitSignals quit([&window] { CloseWhenUnblocked(*window.form); });
            std::raise(SIGTERM);
            QTRY_VERIFY(!window.form->isVisible());
            break;
        }
        case EWay::SessionEnd:
            window.form->EndAttemptsAndSave();
            break;
        }
        // A finished quiz shows its results; every other way out ends with the window.
        EXPECT_EQ(runner->isVisible(), way == EWay::Finished);
        EXPECT_EQ(
            OnDisk(window.session),
            std::vector<std::string>{"True False Quiz from chapter 1 " + std::to_string(answers)});
        EXPECT_TRUE(TMessageBoxes::Shown().isEmpty())
            << TMessageBoxes::Shown().join("|").toStdString();
    }
}

// A signal while a dialog is open closes the dialog first, then the window, keeping the answer.
TEST(WayOut, ASignalDuringAnAnswerDialogStillEndsAndKeeps) {
    GuiBook book;
    AskThree(book);
    MainWindow window(book);
    TTestFrame1* runner = window.form->QuizRunner();
    window.Action("QuizTrueFalseItem")->trigger();
    const TQuitSignals quit([&window] { CloseWhenUnblocked(*window.form); });
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        std::raise(SIGTERM);
        return dialog->exec(); // a real modal loop, left by the signal
    });
    In<QPushButton>(runner, "ButtonTrue")->click();
    QTRY_VERIFY(!window.form->isVisible());
    EXPECT_EQ(OnDisk(window.session), std::vector<std::string>{"True False Quiz from chapter 1 1"});
}

// The answer dialog belongs to the window that asked, and the focus goes back to that window's
// answer buttons; a cancelled choice of chapters never brings back an ended test.
TEST(TestWindowFocus, DialogsBelongToTheTestWindowAndCancelShowsNoEndedTest) {
    GuiBook book;
    AskThree(book);
    MainWindow window(book);
    TTestForm1* testWindow = window.form->TestWindow();
    TTestFrame1* runner = testWindow->Runner();
    TMessageBoxes::QueueDialog([](QDialog* dialog) {
        In<QListWidget>(dialog, "ChapterList")->item(0)->setCheckState(Qt::Checked);
        return int(QDialog::Accepted);
    });
    window.Action("TestTrueFalseItem")->trigger();
    ASSERT_TRUE(testWindow->isVisible());
    QWidget* owner = nullptr;
    TMessageBoxes::QueueDialog([&owner](QDialog* dialog) {
        owner = dialog->parentWidget();
        In<QPushButton>(dialog, "Button2")->click();
        return dialog->result();
    });
    In<QPushButton>(runner, "ButtonTrue")->click();
    EXPECT_EQ(owner, testWindow);
    EXPECT_EQ(testWindow->focusWidget(), In(runner, "ButtonTrue"));

    // Ended early, then a Test menu item cancelled, or confirmed with no chapter ticked.
    TMessageBoxes::QueueAnswer(true);
    In<QPushButton>(runner, "QuitButton")->click();
    In<QPushButton>(runner, "ResultsCloseButton")->click();
    ASSERT_FALSE(testWindow->isVisible());
    for (const int result : {int(QDialog::Rejected), int(QDialog::Accepted)}) {
        TMessageBoxes::QueueDialog([result](QDialog*) { return result; });
        window.Action("TestTrueFalseItem")->trigger();
        EXPECT_FALSE(testWindow->isVisible()) << result;
    }
}

// The main window comes back at the size and place it was left, maximized or not; the first
// start takes two thirds of the screen's free area.
TEST(WindowPlace, TheFirstStartFillsTwoThirdsAndLaterStartsRestoreWhatWasLeft) {
    GuiBook book;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    {
        MainWindow first(book);
        TMainForm fresh(first.session);
        QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/quillara/quillara.conf"),
                  QSettings::IniFormat)
            .remove(QStringLiteral("MainWindow"));
        PlaceMainWindow(fresh);
        EXPECT_EQ(fresh.size(), (room.size() * 2 / 3).expandedTo(fresh.minimumSize()));
        fresh.setGeometry(room.x() + 30, room.y() + 40, 700, 500);
        fresh.show();
        fresh.close();
    }
    MainWindow second(book);
    TMainForm again(second.session);
    PlaceMainWindow(again);
    EXPECT_EQ(again.geometry().size(), QSize(700, 500));
    again.showMaximized();
    again.close();
    TMainForm third(second.session);
    PlaceMainWindow(third);
    EXPECT_TRUE(third.windowState() & Qt::WindowMaximized);
}

// A window started while another runs steps down and right of it, by a title bar's height a
// window; a slot given up is taken again by the next.
TEST(WindowPlace, AWindowStartedBesideAnotherStepsAside) {
    testing::TempBookDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    ::chmod(runtime.Path().c_str(), 0700);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path().string()));
    {
        auto first = std::make_unique<TWindowSlot>();
        const TWindowSlot second;
        EXPECT_EQ(first->Number(), 0);
        EXPECT_EQ(second.Number(), 1);
        QWidget window;
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        window.setGeometry(free.x() + 50, free.y() + 60, 300, 200);
        const QPoint placed = window.pos();
        second.Offset(window);
        EXPECT_EQ(window.pos(), placed + QPoint(32, 32));
        first.reset();
        const TWindowSlot third;
        EXPECT_EQ(third.Number(), 0);
    }
    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
} // namespace quillara::gui
