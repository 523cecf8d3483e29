#include "gui/quiz/glos_answer_response.h"

#include "gui/shell/message_boxes.h"
#include "gui/widgets/heading_font.h"
#include "gui/widgets/white_background.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace quillara::gui {

namespace {
// The dialog's size when the message fits; a longer one makes it taller.
constexpr QSize UsualSize(300, 150);
} // namespace

TGlosAnswerResponse::TGlosAnswerResponse(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GlosAnswerResponse"));
    setWindowTitle(tr("Answer Response"));
    MakeWhite(this);

    ResponsePanel = new QFrame(this);
    ResponsePanel->setObjectName(QStringLiteral("Panel1"));
    ResponsePanel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Response = new QLabel(ResponsePanel);
    Response->setObjectName(QStringLiteral("Response"));
    Response->setTextFormat(Qt::PlainText); // terms show "&" and "<" as they are
    Response->setWordWrap(true);
    Response->setAlignment(Qt::AlignCenter);
    Response->setFont(HeadingFont(16));
    auto* panelLayout = new QVBoxLayout(ResponsePanel);
    panelLayout->setContentsMargins(10, 10, 10, 10);
    panelLayout->addWidget(Response);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAccessibleName(OKButton->text());
    OKButton->setMinimumWidth(75);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(ResponsePanel, 1);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
}

void TGlosAnswerResponse::Execute(const QString& message) {
    Response->setText(message);
    Response->setAccessibleName(message);
    OKButton->setFocus();

    // The panel would pass the new text's height on only from a posted layout request.
    ResponsePanel->layout()->invalidate();
    ResponsePanel->layout()->activate();
    layout()->activate();
    const int width = std::max(UsualSize.width(), minimumSizeHint().width());
    setFixedSize(width, std::max(UsualSize.height(), heightForWidth(width)));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    TMessageBoxes::Exec(this);
}

} // namespace quillara::gui
