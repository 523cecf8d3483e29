#include "gui/scores/export_scores.h"

#include "core/scores/score_csv.h"
#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui/widgets/book_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <filesystem>

namespace quillara::gui {

namespace {

// Characters some file system the student may save to (a memory stick, say) does not allow.
bool UnsafeInFileName(QChar c) {
    return c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c);
}

QString DefaultExportPath(const std::string& bookTitle) {
    QString title = FromBook(bookTitle);
    for (QChar& c : title)
        if (UnsafeInFileName(c)) c = u'-';
    title = title.trimmed();
    const QString name =
        title.isEmpty() ? QStringLiteral("scores.csv") : title + QStringLiteral(" scores.csv");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

bool IsScoreFile(const QString& path, const TStudySession& session) {
    std::error_code error;
    return std::filesystem::equivalent(QFile::encodeName(path).toStdString(),
                                       session.ScoreFilePath(), error);
}

// QSaveFile writes beside the target and renames only once everything is on disk, so a failure
// leaves the old file, or none, rather than half a table. Empty on success, else the reason.
QString WriteWholeFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (file.commit()) return {};
    }
    return file.errorString();
}

} // namespace

QString ExportFilters() {
    if (QLocale().decimalPoint() != QStringLiteral(","))
        return QCoreApplication::translate("quillara::gui::ExportScores",
                                           "CSV files (*.csv);;All files (*)");
    return QCoreApplication::translate("quillara::gui::ExportScores",
                                       "CSV files, comma separated (*.csv)") +
           QStringLiteral(";;") + SemicolonFilter() + QStringLiteral(";;") +
           QCoreApplication::translate("quillara::gui::ExportScores", "All files (*)");
}

QString SemicolonFilter() {
    return QCoreApplication::translate("quillara::gui::ExportScores",
                                       "CSV files, semicolon separated (*.csv)");
}

void ExportScores(QWidget* parent, TStudySession& session) {
    // Read first: the history read tells where the score file is.
    const TScoreHistory& history = session.Scores();
    QString chosen;
    const QString path = TMessageBoxes::SaveFileName(
        parent, QCoreApplication::translate("quillara::gui::ExportScores", "Export Scores"),
        DefaultExportPath(session.Settings().SettingsSection), ExportFilters(), &chosen);
    if (path.isEmpty()) return;
    if (IsScoreFile(path, session)) {
        TMessageBoxes::Error(
            parent, QCoreApplication::translate("quillara::gui::ExportScores",
                                                "The scores cannot be exported over the score "
                                                "file itself. Choose another name."));
        return;
    }
    const QString error =
        WriteWholeFile(path, ScoresCsv(history, session.IsOpen() ? &session.Book() : nullptr,
                                       chosen == SemicolonFilter() ? ';' : ','));
    if (!error.isEmpty())
        TMessageBoxes::Error(parent,
                             QCoreApplication::translate("quillara::gui::ExportScores",
                                                         "Unable to export scores to \"%1\".\n%2")
                                 .arg(QDir::toNativeSeparators(path), error));
    else
        TMessageBoxes::Information(
            parent, QCoreApplication::translate("quillara::gui::ExportScores",
                                                "The scores were exported to \"%1\".")
                        .arg(QDir::toNativeSeparators(path)));
}

} // namespace quillara::gui
