#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;

namespace quillara::gui {

class TStudySession;
class TGrapherWidget;

// View > Study Progress: of each chapter's questions, how many the student has met and how much
// of them they would recall now; the reviews due each day of the next 30 days; the days studied
// in the last 12 weeks. Everything the chart shows is also text a screen reader reads.
class TStudyProgressDialog : public QDialog {
    Q_OBJECT
public:
    TStudyProgressDialog(TStudySession& session, QWidget* parent);
    // Reads the study log afresh and shows it.
    void Fill();

private:
    TStudySession& Session;
    QTableWidget* Chapters;
    TGrapherWidget* DueChart;
    QLabel* DueText;
    QLabel* Studied;
};

} // namespace quillara::gui
