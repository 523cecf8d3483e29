#include "gui/quiz/answer_response_form.h"

#include "core/book/glossary.h"
#include "core/book/question.h"
#include "gui/shell/message_boxes.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/heading_font.h"
#include "gui/widgets/text_size.h"
#include "gui/widgets/white_background.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace quillara::gui {

namespace {

// The dialog's size when the fonts are the usual ones.
constexpr QSize UsualSize(311, 231);

// A label that shows changing content is announced by what it shows.
void SetCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

QLabel* ContentLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // book texts show "&" and "<" as they are
    label->setWordWrap(true);
    return label;
}

// Boxes that take the room the layout leaves them, but never less than `lines` lines.
void ShowAtLeast(QAbstractScrollArea* box, int lines) {
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * lines + 2 * box->frameWidth() + 4);
}

QPlainTextEdit* ReadOnlyText(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(QLatin1String(name));
    text->setAccessibleName(accessibleName);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FollowTextSize(text);
    return text;
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(text);
    button->setMinimumWidth(100);
    return button;
}

} // namespace

TAnswerResponseForm::TAnswerResponseForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AnswerResponseForm"));
    setWindowTitle(tr("Answer Response"));
    MakeWhite(this);

    Bevel = new QFrame(this);
    Bevel->setObjectName(QStringLiteral("Bevel1"));
    Bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    MakeWhite(Bevel);

    Correct = new QLabel(tr("Correct!"), Bevel);
    Correct->setObjectName(QStringLiteral("Correct"));
    Correct->setAccessibleName(Correct->text());
    Correct->setAlignment(Qt::AlignCenter);
    QFont correctFont = HeadingFont(24);
    correctFont.setBold(true);
    correctFont.setItalic(true);
    Correct->setFont(correctFont);

    AnswerResponse = ContentLabel("AnswerResponse", Bevel);
    AnswerResponse->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Reading = ContentLabel("AnswerReading", Bevel);
    Reading->setTextFormat(Qt::PlainText);

    QuestionExplanation = ReadOnlyText("QuestionExplanation", tr("Explanation"), Bevel);

    RelatedTerms = new QListWidget(Bevel);
    RelatedTerms->setObjectName(QStringLiteral("RelatedTerms"));
    RelatedTerms->setAccessibleName(tr("Related glossary terms"));
    connect(RelatedTerms, &QListWidget::itemSelectionChanged, this,
            &TAnswerResponseForm::UpdateGlossaryDef);
    RelatedPage = ContentLabel("RelatedPage", Bevel);
    RelatedChapter = ContentLabel("RelatedChapter", Bevel);

    RelatedDef = ReadOnlyText("RelatedDef", tr("Definition"), Bevel);

    auto* references = new QVBoxLayout;
    references->addWidget(RelatedPage);
    // No spacer under them: a layout holding one would take room even with its labels hidden.
    references->addWidget(RelatedChapter, 1, Qt::AlignTop);
    auto* terms = new QHBoxLayout;
    terms->addWidget(RelatedTerms, 1);
    terms->addLayout(references, 1);
    // Only the controls of the answer at hand are shown, so each has the frame to itself; a
    // right answer leaves "Correct!" alone in the middle.
    auto* inner = new QVBoxLayout(Bevel);
    inner->setContentsMargins(6, 6, 6, 6);
    inner->addWidget(Reading);
    inner->addWidget(Correct, 1);
    inner->addWidget(AnswerResponse);
    inner->addWidget(QuestionExplanation, 1);
    inner->addLayout(terms, 3);
    inner->addWidget(RelatedDef, 2);

    TryAgainButton = Button("TryAgainButton", tr("Try Again"), this);
    connect(TryAgainButton, &QPushButton::clicked, this, &TAnswerResponseForm::TryAgainButtonClick);
    NextWithTryAgain = Button("Button1", tr("Next Question"), this);
    connect(NextWithTryAgain, &QPushButton::clicked, this, &TAnswerResponseForm::NextQuestionClick);
    NextAlone = Button("Button2", tr("Next Question"), this);
    connect(NextAlone, &QPushButton::clicked, this, &TAnswerResponseForm::NextQuestionClick);

    // One row that centres whichever buttons are shown: the pair, or "Next Question" alone.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(TryAgainButton);
    buttons->addWidget(NextWithTryAgain);
    buttons->addWidget(NextAlone);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Bevel, 1);
    layout->addLayout(buttons);
    setTabOrder(RelatedTerms, RelatedDef);
    setTabOrder(RelatedDef, TryAgainButton);
    setTabOrder(TryAgainButton, NextWithTryAgain);
    setTabOrder(NextWithTryAgain, NextAlone);
}

void TAnswerResponseForm::SetGlossary(const TGlossary* glossary) {
    Glossary = [glossary] { return glossary; };
}

void TAnswerResponseForm::SetGlossary(std::function<const TGlossary*()> source) {
    Glossary = std::move(source);
}

bool TAnswerResponseForm::Execute(QWidget* owner, const TQuestion& question, bool correct,
                                  bool mayTryAgain, const QString& reading) {
    FTryAgain = false;
    Reading->setVisible(!reading.isEmpty());
    SetCaption(Reading, reading);
    if (owner && parentWidget() != owner->window()) setParent(owner->window(), windowFlags());

    const bool offerTryAgain = mayTryAgain && !correct;
    TryAgainButton->setVisible(offerTryAgain);
    NextWithTryAgain->setVisible(offerTryAgain);
    NextAlone->setVisible(!offerTryAgain);
    // Enter as soon as the dialog opens means "Next Question".
    QPushButton* next = offerTryAgain ? NextWithTryAgain : NextAlone;
    next->setDefault(true);
    next->setFocus();

    const bool hasTerms = question.GlossaryTerms && !question.GlossaryTerms->empty();
    const bool showExplanation = !correct && !question.Explanation.empty();
    const bool showTerms = !correct && !showExplanation && hasTerms;
    Correct->setVisible(correct);
    AnswerResponse->setVisible(!correct);
    QuestionExplanation->setVisible(showExplanation);
    for (QWidget* related :
         std::initializer_list<QWidget*>{RelatedTerms, RelatedPage, RelatedChapter, RelatedDef})
        related->setVisible(showTerms);

    if (showExplanation) {
        SetCaption(AnswerResponse, tr("You answered the question incorrectly, here is why:"));
        QuestionExplanation->setPlainText(FromBookBreakable(question.Explanation));
    } else if (showTerms) {
        SetCaption(AnswerResponse,
                   tr("You answered the question incorrectly, here are some glossary "
                      "terms that are related to this question"));
        {
            const QSignalBlocker quiet(RelatedTerms);
            RelatedTerms->clear();
            for (const std::string& term : *question.GlossaryTerms) {
                auto* item = new QListWidgetItem(FromBook(term), RelatedTerms);
                // Looked up by the stored bytes, which a round trip through Unicode might alter.
                item->setData(Qt::UserRole, QByteArray::fromStdString(term));
            }
            RelatedTerms->setCurrentRow(0);
        }
        UpdateGlossaryDef();
    } else if (!correct) {
        SetCaption(AnswerResponse, tr("You answered the question incorrectly."));
    }

    FitToContents();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    TMessageBoxes::Exec(this);
    return FTryAgain;
}

void TAnswerResponseForm::UpdateGlossaryDef() {
    RelatedDef->clear();
    SetCaption(RelatedPage, QString());
    SetCaption(RelatedChapter, QString());

    const QList<QListWidgetItem*> selected = RelatedTerms->selectedItems();
    const TGlossary* glossary = selected.isEmpty() || !Glossary ? nullptr : Glossary();
    if (!glossary) return;
    const QByteArray term = selected.first()->data(Qt::UserRole).toByteArray();
    const TDefinition* entry = glossary->FindTerm(
        std::string_view(term.constData(), static_cast<std::size_t>(term.size())));
    if (!entry) return;
    if (!entry->PageRef.empty()) SetCaption(RelatedPage, tr("Page:  ") + FromBook(entry->PageRef));
    if (!entry->ChapterRef.empty())
        SetCaption(RelatedChapter, tr("Chapter:  ") + FromBook(entry->ChapterRef));
    RelatedDef->setPlainText(FromBookBreakable(entry->DefinitionText));
}

void TAnswerResponseForm::TryAgainButtonClick() {
    FTryAgain = true;
    accept();
}

void TAnswerResponseForm::NextQuestionClick() {
    FTryAgain = false;
    accept();
}

void TAnswerResponseForm::FitToContents() {
    // Taken from the fonts of the moment, so that a larger font makes the dialog larger.
    ShowAtLeast(QuestionExplanation, 3);
    ShowAtLeast(RelatedTerms, 3);
    ShowAtLeast(RelatedDef, 2);
    // The frame's layout would learn of new minimums only from a posted layout request, and its
    // nested rows would keep their old ones until then; they are needed now.
    Bevel->layout()->invalidate();
    Bevel->layout()->activate();
    layout()->activate();
    const int width = std::max(UsualSize.width(), minimumSizeHint().width());
    const int needed = hasHeightForWidth() ? layout()->totalMinimumHeightForWidth(width)
                                           : minimumSizeHint().height();
    setFixedSize(width, std::max(UsualSize.height(), needed));
}

} // namespace quillara::gui
