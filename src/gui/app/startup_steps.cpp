#include "gui/app/startup_steps.h"

#include "core/book/book_files.h"
#include "core/io/book_errors.h"
#include "gui/app/left_notes.h"
#include "gui/app/main_form.h"
#include "gui/app/open_book_dialog.h"
#include "gui/app/quit_signals.h"
#include "gui/app/remembered.h"
#include "gui/app/window_slot.h"
#include "gui/shell/message_boxes.h"
#include "gui/widgets/book_text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace quillara::gui {

namespace fs = std::filesystem;

const char* const MissingBookMessage = QT_TRANSLATE_NOOP(
    "quillara::gui::TMessageBoxes",
    "Quillara was unable to find the properties of the book. It is possible that parts of the "
    "program are corrupted or were not installed. BOOK.DEF must be in the same directory as the "
    "program. If this error persists, please reinstall the software");

const char* const LeftNotesMessage = QT_TRANSLATE_NOOP(
    "quillara::gui::TMessageBoxes", "Quillara was ended last time before it could tell you this:");

namespace {

// The directory part of a path: everything up to its last separator, nothing when it has none.
fs::path DirectoryPart(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? fs::path() : fs::path(path.substr(0, separator + 1));
}

using TReadBook = TStudySession::TReadBook;

// Reads the book, or says why not and lets the student choose another directory. Started with no
// book named and none beside the program, as from the desktop's menu, the book used last opens,
// and without one the choice of a book comes first, with nothing to apologise for. A choice that
// cannot be read is told of and the choice is offered again; none when the student cancels.
std::optional<TReadBook> ReadBookOrAsk(const TStudySession& session, const fs::path& directory,
                                       QWidget* parent, const std::string& programPath,
                                       bool bookNamed) {
    const bool bookThere =
        bookNamed || FindBookFile(directory.empty() ? fs::path(".") : directory, "BOOK.DEF");
    if (!bookThere) {
        if (const fs::path last = RememberedBook(); !last.empty()) {
            try {
                return session.ReadBook(last);
            } catch (const std::exception&) {
                // The book used last has gone: the choice of a book comes first, without a word.
            }
        }
    } else {
        try {
            return session.ReadBook(directory);
        } catch (const TUnknownBookVersion& unknown) {
            TMessageBoxes::Error(
                nullptr,
                QCoreApplication::translate("quillara::gui::TMessageBoxes", MissingBookMessage) +
                    QStringLiteral("\n\n") + QString::fromStdString(unknown.what()));
        } catch (const TFileOpenError&) {
            TMessageBoxes::Error(nullptr, QCoreApplication::translate(
                                              "quillara::gui::TMessageBoxes", MissingBookMessage));
        } catch (const TBookFileError& damaged) {
            // The book is there but not whole (cut short in copying, say): reinstalling the
            // program would not mend it.
            TMessageBoxes::Error(
                nullptr, QCoreApplication::translate("quillara::gui::TMessageBoxes",
                                                     "The book in %1 is damaged and cannot be "
                                                     "opened.\n\n%2")
                             .arg(QString::fromStdString(directory.string()),
                                  QString::fromStdString(damaged.what())));
        } catch (const std::exception&) {
            TMessageBoxes::Error(nullptr, QCoreApplication::translate(
                                              "quillara::gui::TMessageBoxes", MissingBookMessage));
        }
    }
    TOpenBookDlg openBook(parent);
    openBook.StartInWhenNoBook(DemoBook(programPath));
    while (openBook.ChooseBook() == QDialog::Accepted) {
        try {
            return session.ReadBook(openBook.SelectedDirectory());
        } catch (const std::exception& e) {
            TMessageBoxes::Error(&openBook, QString::fromStdString(e.what()));
        }
    }
    return std::nullopt;
}

// Ended from outside (a signal, the desktop session ending), the program waits on no one: what
// it has to say goes to standard error and is told at the next start instead of in a box.
void LeaveWithoutAsking(const TStudySession& session) {
    if (TMessageBoxes::SendingInstead()) return;
    TMessageBoxes::SendInsteadTo([&session](const QString& text) {
        QString note = text;
        // Told later, a failed save names the file it was for.
        if (text ==
            QCoreApplication::translate("quillara::gui::TMessageBoxes", ScoresNotSavedMessage)) {
            std::error_code error;
            const auto file = fs::absolute(session.ScoreFilePath(), error);
            note += QStringLiteral(": ") + QString::fromStdString(file.string());
        }
        std::fprintf(stderr, "quillara: %s\n", note.toLocal8Bit().constData());
        LeaveNote(note);
    });
}

// Tells what an earlier run could not, then reads what the first window does not show, the
// glossary and the scores, once that window has been drawn: the expose that draws it comes
// first, the rest after it. Made before the window is shown, so that no expose goes by unseen.
class TReadWhenDrawn : public QObject {
public:
    TReadWhenDrawn(QWidget& window, TStudySession& session) : Window(window), Session(session) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QWindow* drawn = Window.windowHandle();
        if (event->type() == QEvent::Expose && watched == drawn && drawn->isExposed()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (const QString notes = TakeLeftNotes(); !notes.isEmpty())
                    TMessageBoxes::Error(&Window,
                                         QCoreApplication::translate("quillara::gui::TMessageBoxes",
                                                                     LeftNotesMessage) +
                                             QStringLiteral("\n\n") + notes);
                Session.Glossary();
                Session.Scores();
            });
        }
        return false;
    }

private:
    QWidget& Window;
    TStudySession& Session;
};

} // namespace

fs::path DemoBook(const std::string& programPath) {
    const fs::path installed =
        (DirectoryPart(programPath) / QUILLARA_DEMO_BOOK_FROM_PROGRAM).lexically_normal();
    const fs::path built =
        (DirectoryPart(programPath) / QUILLARA_DEMO_BOOK_FROM_BUILT_PROGRAM).lexically_normal();
    return !FindBookFile(installed, "BOOK.DEF") && FindBookFile(built, "BOOK.DEF") ? built
                                                                                   : installed;
}

fs::path BookDirectoryFromCommandLine(const std::vector<std::string>& arguments,
                                      const std::string& programPath) {
    if (arguments.empty()) return DirectoryPart(programPath);
    std::error_code error;
    // A folder named on the command line is the book's folder, as anywhere else on the desktop.
    if (fs::is_directory(arguments.front(), error)) return arguments.front();
    return DirectoryPart(arguments.front());
}

int RunStartup(TStudySession& session, const std::vector<std::string>& arguments,
               const std::string& programPath) {
    TMainForm mainForm(session);

    auto read = ReadBookOrAsk(session, BookDirectoryFromCommandLine(arguments, programPath),
                              &mainForm, programPath, !arguments.empty());
    if (!read) return 0;
    session.Open(std::move(*read));
    RememberBook(session.Folder(), FromBook(session.Book().Title));
    QApplication::processEvents();
    mainForm.SetUpBook();
    PlaceMainWindow(mainForm);
    const TWindowSlot slot;
    slot.Offset(mainForm);

    // A desktop session ending, or a signal to end, leaves the way a student closing the window
    // does: what was answered is kept. Neither waits on the student.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &mainForm, [&] {
        const bool leaving = TMessageBoxes::SendingInstead();
        LeaveWithoutAsking(session);
        mainForm.EndAttemptsAndSave();
        // The session may yet go on: boxes are shown again.
        if (!leaving) TMessageBoxes::SendInsteadTo({});
    });
    const TQuitSignals quitSignals([&] {
        LeaveWithoutAsking(session);
        CloseWhenUnblocked(mainForm);
    });

    const TReadWhenDrawn reads(mainForm, session);
    mainForm.show();
    QApplication::exec();
    // Closing the window has saved already, and told of a failure; this finds nothing to do
    // unless that save failed, and tells nothing more.
    {
        const QSignalBlocker quiet(session);
        session.SaveScores();
    }
    TMessageBoxes::SendInsteadTo({});
    return 0;
}

} // namespace quillara::gui
