#include "gui/quiz/attempt_results_view.h"

#include "core/book/book_properties.h"
#include "core/quiz/attempt_results.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/heading_font.h"
#include "gui/widgets/text_size.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quillara::gui {

namespace {

// Book text as HTML: escaped, its line breaks kept.
QString Html(std::string_view bookText) {
    QString text = FromBook(bookText).toHtmlEscaped();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return text;
}

// "7 of 10, 70%", in the student's language.
QString ResultCaption(int correct, int answered) {
    return QCoreApplication::translate("quillara::gui::TAttemptResultsView", "%1 of %2, %3%")
        .arg(correct)
        .arg(answered)
        .arg(wholePercent(correct, answered));
}

// A True/False answer in the student's language; any other answer as the book has it.
QString AnswerCaption(const TQuestion& question, const std::string& answer) {
    const std::string text = AnswerText(question, answer);
    if (question.Kind == qkTrueFalse && text == "True")
        return QCoreApplication::translate("quillara::gui::TAttemptResultsView", "True");
    if (question.Kind == qkTrueFalse && text == "False")
        return QCoreApplication::translate("quillara::gui::TAttemptResultsView", "False");
    return FromBook(text);
}

QString MissedHtml(const TMissedAnswer& missed) {
    const TQuestion& question = missed.Question;
    QString html = QStringLiteral("<p>") + Html(missed.ShownText) + QStringLiteral("</p><p>");
    html += QCoreApplication::translate("quillara::gui::TAttemptResultsView",
                                        "Your answer: <b>%1</b><br>Right answer: <b>%2</b>")
                .arg(AnswerCaption(question, missed.Given).toHtmlEscaped(),
                     AnswerCaption(question, missed.Right).toHtmlEscaped());
    html += QStringLiteral("</p>");
    if (!question.Explanation.empty()) {
        html += QStringLiteral("<p>") + Html(question.Explanation) + QStringLiteral("</p>");
    } else if (question.GlossaryTerms && !question.GlossaryTerms->empty()) {
        QStringList terms;
        for (const std::string& term : *question.GlossaryTerms)
            terms << Html(term);
        html += QCoreApplication::translate("quillara::gui::TAttemptResultsView",
                                            "<p>Related terms: ") +
                terms.join(QStringLiteral(", ")) + QStringLiteral("</p>");
    }
    return html;
}

} // namespace

TAttemptResultsView::TAttemptResultsView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AttemptResults"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    Heading = new QLabel(this);
    Heading->setObjectName(QStringLiteral("ResultsHeading"));
    Heading->setAlignment(Qt::AlignCenter);
    Heading->setWordWrap(true);
    Heading->setTextFormat(Qt::PlainText);
    QFont title = HeadingFont(20);
    title.setBold(true);
    Heading->setFont(title);
    column->addWidget(Heading);

    ScoreText = new QLabel(this);
    ScoreText->setObjectName(QStringLiteral("ResultScore"));
    ScoreText->setAlignment(Qt::AlignCenter);
    ScoreText->setTextFormat(Qt::PlainText);
    QFont score = ScoreText->font();
    score.setPointSizeF(score.pointSizeF() * 1.5);
    ScoreText->setFont(score);
    column->addWidget(ScoreText);

    Details = new QTextBrowser(this);
    Details->setObjectName(QStringLiteral("ResultDetails"));
    NameControl(Details, tr("Results"));
    Details->setOpenLinks(false);
    FollowTextSize(Details);
    column->addWidget(Details, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    RetakeButton = new QPushButton(tr("&Retake Missed Questions"), this);
    RetakeButton->setObjectName(QStringLiteral("ResultsRetakeButton"));
    RetakeButton->setAutoDefault(true);
    CloseButton = new QPushButton(tr("&Close"), this);
    CloseButton->setObjectName(QStringLiteral("ResultsCloseButton"));
    CloseButton->setAutoDefault(true);
    buttons->addWidget(RetakeButton);
    buttons->addWidget(CloseButton);
    column->addLayout(buttons);
    connect(RetakeButton, &QPushButton::clicked, this, &TAttemptResultsView::RetakeChosen);
    connect(CloseButton, &QPushButton::clicked, this, &TAttemptResultsView::CloseChosen);

    setTabOrder(Details, RetakeButton);
    setTabOrder(RetakeButton, CloseButton);
}

// Escape puts the results away, as it closes a dialog; the buttons and the list pass it on.
void TAttemptResultsView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit CloseChosen();
}

void TAttemptResultsView::ShowResults(const TAttemptResults& results, const TBookProperties& book) {
    Heading->setText(FromBook(results.Title));
    ScoreText->setText(ResultCaption(results.Correct, results.Answered));
    ScoreText->setAccessibleName(tr("Score %1").arg(ScoreText->text()));

    QString html;
    if (!results.IsQuiz) {
        html += tr("<h3>By chapter</h3><p>");
        for (const TScoreDetail& chapter : results.Chapters)
            html += tr("Chapter %1, %2: %3<br>")
                        .arg(chapter.chapter)
                        .arg(Html(book.ChapterName(chapter.chapter)),
                             ResultCaption(chapter.correct, chapter.answered()));
        html += QStringLiteral("</p>");
    }
    if (results.Unasked > 0)
        html += (results.IsQuiz ? tr("<p>%1 of the %2 questions were not asked: the quiz was "
                                     "ended before them.</p>")
                                : tr("<p>%1 of the %2 questions were not asked: the test was "
                                     "ended before them.</p>"))
                    .arg(results.Unasked)
                    .arg(results.Unasked + results.Answered);
    if (results.Missed.empty()) {
        html += results.Unasked > 0
                    ? tr("<p>Every question answered was right the first time.</p>")
                    : tr("<p>Every question was answered right the first time.</p>");
    } else {
        html += tr("<h3>Missed questions</h3>");
        for (const TMissedAnswer& missed : results.Missed)
            html += MissedHtml(missed) + QStringLiteral("<hr>");
    }
    Details->setHtml(html);
    const bool retake = results.OffersRetake && !results.Missed.empty();
    RetakeButton->setVisible(retake);
    (retake ? RetakeButton : CloseButton)->setFocus();
}

} // namespace quillara::gui
