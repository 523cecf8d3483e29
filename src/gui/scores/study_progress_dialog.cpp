#include "gui/scores/study_progress_dialog.h"

#include "core/quiz/question_set.h"
#include "core/review/study_progress.h"
#include "core/scores/score_summary.h"
#include "gui/scores/grapher_widget.h"
#include "gui/shell/study_session.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillara::gui {

namespace {

constexpr int DaysAhead = 30;
constexpr int DaysBack = 84;

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TStudyProgressDialog::TStudyProgressDialog(TStudySession& session, QWidget* parent)
    : QDialog(parent), Session(session) {
    setObjectName(QStringLiteral("StudyProgressDialog"));
    setWindowTitle(tr("Study Progress"));
    auto* column = new QVBoxLayout(this);

    column->addWidget(Heading(tr("Questions met, by chapter"), this));
    Chapters = new QTableWidget(0, 3, this);
    Chapters->setObjectName(QStringLiteral("ChapterProgress"));
    NameControl(Chapters, tr("Questions met and recalled, by chapter"));
    Chapters->setHorizontalHeaderLabels({tr("Chapter"), tr("Questions met"),
                                         tr("Would recall now")});
    Chapters->verticalHeader()->hide();
    Chapters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Chapters->setSelectionBehavior(QAbstractItemView::SelectRows);
    Chapters->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int count : {1, 2})
        Chapters->horizontalHeader()->setSectionResizeMode(count, QHeaderView::ResizeToContents);
    column->addWidget(Chapters, 1);

    column->addWidget(Heading(tr("Reviews due in the next 30 days"), this));
    DueChart = new TGrapherWidget(this);
    DueChart->setObjectName(QStringLiteral("DueChart"));
    DueChart->setMinimumHeight(240);
    TGrapher& chart = DueChart->Chart();
    chart.setChartType(TChartType::chartBar);
    chart.setBorderHeight(10);
    chart.setBorderWidth(5);
    chart.setYTickCount(5);
    chart.setAutoScaleY(true);
    chart.SetRegional(Session.Regional());
    column->addWidget(DueChart, 2);
    DueText = new QLabel(this);
    DueText->setObjectName(QStringLiteral("DueText"));
    DueText->setWordWrap(true);
    DueText->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    column->addWidget(DueText);

    Studied = new QLabel(this);
    Studied->setObjectName(QStringLiteral("StudiedText"));
    Studied->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    column->addWidget(Studied);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(600, 620);
}

void TStudyProgressDialog::Fill() {
    const TBookProperties& book = Session.Book();
    TStudyLog* log = Session.StudyLog(false);
    std::vector<TStudyItem> items;
    std::vector<std::int64_t> answered;
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    const std::int64_t today = QDateTime(QDate::currentDate(), QTime(0, 0)).toSecsSinceEpoch();
    try {
        if (log) {
            items = log->Items();
            answered = log->AnsweredSince(today - (DaysBack - 1) * 86400);
        }
    } catch (const std::exception&) {
        // Shown as a log with nothing in it; asking for a review tells what went wrong.
    }

    std::vector<int> held;
    for (int chapter = 1; chapter <= book.ChapterCount; ++chapter)
        held.push_back(QuestionsInChapter(Session.BookDir(), chapter));
    const QLocale locale;
    const auto progress = ChapterProgress(items, held, now);
    Chapters->setRowCount(static_cast<int>(progress.size()));
    for (int row = 0; row < static_cast<int>(progress.size()); ++row) {
        const TChapterProgress& chapter = progress[static_cast<std::size_t>(row)];
        const QString texts[] = {tr("Chapter %1 - %2")
                                     .arg(chapter.Chapter)
                                     .arg(FromBook(book.ChapterName(chapter.Chapter))),
                                 tr("%1 of %2").arg(chapter.Met).arg(chapter.Held),
                                 chapter.Met > 0 ? tr("%1%").arg(
                                                       static_cast<int>(chapter.Recall * 100 + 0.5))
                                                 : tr("none met yet")};
        for (int column = 0; column < 3; ++column)
            Chapters->setItem(row, column, new QTableWidgetItem(texts[column]));
    }

    const std::vector<int> due = DuePerDay(items, today, DaysAhead);
    TGrapher& chart = DueChart->Chart();
    chart.clear();
    QStringList spoken;
    const QDate first = QDate::currentDate();
    const qint64 dayZero = QDate(1899, 12, 30).toJulianDay();
    for (int day = 0; day < DaysAhead; ++day) {
        const QDate date = first.addDays(day);
        chart.setValue(0, day, due[static_cast<std::size_t>(day)]);
        chart.xLabels().push_back(
            day % 5 == 0 ? MonthDayText(static_cast<double>(date.toJulianDay() - dayZero),
                                        Session.Regional())
                         : std::string());
        if (due[static_cast<std::size_t>(day)] > 0)
            spoken << tr("%1: %2")
                          .arg(locale.toString(date, QLocale::LongFormat))
                          .arg(due[static_cast<std::size_t>(day)]);
    }
    chart.seriesNames().assign(1, " Due");
    DueText->setText(spoken.isEmpty()
                         ? tr("No reviews are due in the next 30 days.")
                         : tr("Due: ") + spoken.join(QStringLiteral("; ")) + '.');
    NameControl(DueChart, tr("Chart of the reviews due each day"), DueText->text());
    DueChart->update();

    Studied->setText(tr("You studied on %1 of the last %2 days.")
                         .arg(DaysStudied(answered, today, DaysBack))
                         .arg(DaysBack));
}

} // namespace quillara::gui
