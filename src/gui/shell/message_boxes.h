#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QDialog;
class QWidget;

namespace quillara::gui {

// Every message box and modal dialog of the program goes through here, so that a test can
// queue the answers instead of blocking in a modal loop.
class TMessageBoxes {
public:
    static void Error(QWidget* parent, const QString& text);
    static void Information(QWidget* parent, const QString& text);
    // Yes/No; true for Yes.
    static bool Confirm(QWidget* parent, const QString& text);
    // Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
    static int Exec(QDialog* dialog);
    // Asks where to save a file, starting from the suggested path; empty when cancelled. A name
    // typed without a suffix gets the suggested file's. `chosenFilter`, when given, receives the
    // file type the student chose among those of `filter`.
    static QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter, QString* chosenFilter = nullptr);

    // For tests. Answers are taken in order: true answers Yes (or OK), false No. A dialog handler
    // receives the dialog, may fill it in, and returns its result. Unattended, a box or dialog
    // without a queued answer is recorded and answered No (or Rejected; no file is chosen) instead
    // of blocking.
    static void QueueAnswer(bool yes);
    static void QueueDialog(std::function<int(QDialog*)> handler);
    // A save-file handler receives the suggested path and returns the chosen one, empty to cancel;
    // the file type chosen is `filter`, or the first one offered when that is empty.
    static void QueueSaveFileName(std::function<QString(const QString& suggested)> handler,
                                  const QString& filter = {});
    static void SetUnattended(bool unattended);

    // While the program is being ended from outside (a signal, the desktop session ending),
    // nothing may wait on the student: the text of every error and information box goes to
    // `sink` instead, questions are answered No and dialogs rejected. An empty function shows
    // boxes again.
    static void SendInsteadTo(std::function<void(const QString&)> sink);
    static bool SendingInstead();
    // Texts of the boxes shown so far, oldest first; cleared by Reset.
    static const QStringList& Shown();
    static void Reset();
};

} // namespace quillara::gui
