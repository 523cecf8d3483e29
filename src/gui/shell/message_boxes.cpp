#include "gui/shell/message_boxes.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <optional>

namespace quillara::gui {

namespace {

struct Queue {
    std::deque<bool> Answers;
    std::deque<std::function<int(QDialog*)>> Dialogs;
    std::deque<std::pair<std::function<QString(const QString&)>, QString>> SaveFileNames;
    bool Unattended = false;
    QStringList Shown;
    std::function<void(const QString&)> Instead;
};

Queue& State() {
    static Queue queue;
    return queue;
}

// The queued answer when there is one, else nothing (the real box is shown). Being ended from
// outside, the text goes where it was sent instead, and the answer is No.
std::optional<bool> TakeAnswer(const QString& text) {
    Queue& q = State();
    if (q.Instead) {
        q.Instead(text);
        return false;
    }
    q.Shown.append(text);
    if (!q.Answers.empty()) {
        const bool answer = q.Answers.front();
        q.Answers.pop_front();
        return answer;
    }
    if (q.Unattended) return false;
    return std::nullopt;
}

} // namespace

void TMessageBoxes::Error(QWidget* parent, const QString& text) {
    if (!TakeAnswer(text)) QMessageBox::critical(parent, QStringLiteral("Quillara"), text);
}

void TMessageBoxes::Information(QWidget* parent, const QString& text) {
    if (!TakeAnswer(text)) QMessageBox::information(parent, QStringLiteral("Quillara"), text);
}

bool TMessageBoxes::Confirm(QWidget* parent, const QString& text) {
    if (const auto answer = TakeAnswer(text)) return *answer;
    return QMessageBox::question(parent, QStringLiteral("Quillara"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int TMessageBoxes::Exec(QDialog* dialog) {
    Queue& q = State();
    if (!q.Dialogs.empty()) {
        auto handler = std::move(q.Dialogs.front());
        q.Dialogs.pop_front();
        return handler(dialog);
    }
    if (q.Unattended || q.Instead) return QDialog::Rejected;
    return dialog->exec();
}

QString TMessageBoxes::SaveFileName(QWidget* parent, const QString& caption,
                                    const QString& suggested, const QString& filter,
                                    QString* chosenFilter) {
    Queue& q = State();
    if (!q.SaveFileNames.empty()) {
        auto [handler, chosen] = std::move(q.SaveFileNames.front());
        q.SaveFileNames.pop_front();
        if (chosenFilter)
            *chosenFilter = chosen.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0) : chosen;
        return handler(suggested);
    }
    if (q.Unattended || q.Instead) return {};
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    if (dialog.exec() != QDialog::Accepted) return {};
    if (chosenFilter) *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

void TMessageBoxes::QueueAnswer(bool yes) {
    State().Answers.push_back(yes);
}

void TMessageBoxes::QueueDialog(std::function<int(QDialog*)> handler) {
    State().Dialogs.push_back(std::move(handler));
}

void TMessageBoxes::QueueSaveFileName(std::function<QString(const QString&)> handler,
                                      const QString& filter) {
    State().SaveFileNames.emplace_back(std::move(handler), filter);
}

void TMessageBoxes::SetUnattended(bool unattended) {
    State().Unattended = unattended;
}

void TMessageBoxes::SendInsteadTo(std::function<void(const QString&)> sink) {
    State().Instead = std::move(sink);
}

bool TMessageBoxes::SendingInstead() {
    return static_cast<bool>(State().Instead);
}

const QStringList& TMessageBoxes::Shown() {
    return State().Shown;
}

void TMessageBoxes::Reset() {
    State() = Queue{};
}

} // namespace quillara::gui
