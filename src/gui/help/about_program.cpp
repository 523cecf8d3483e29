#include "gui/help/about_program.h"

#include "gui/widgets/accessible_name.h"
#include "gui/widgets/link_label.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

// Resources of a static library are registered only when the program asks for them, and the
// macro must be used outside any namespace.
static void InitAboutResources() {
    Q_INIT_RESOURCE(about);
}

namespace quillara::gui {

namespace {

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QFont ArialBold(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

} // namespace

TAboutProgram::TAboutProgram(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutProgram"));
    setWindowTitle(tr("About Program"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    ProgramIcon = MakeLabel(QStringLiteral("ProgramIcon"), {}, this);
    ProgramIcon->setFixedSize(33, 33);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(Icon());
    NameControl(ProgramIcon, tr("Quillara icon"));

    ProductName = MakeLabel(QStringLiteral("ProductName"), QStringLiteral("Quillara"), this);
    ProductName->setFont(ArialBold(19));
    Version =
        MakeLabel(QStringLiteral("Version"), tr("Version %1").arg(QStringLiteral("3.0")), this);
    Version->setFont(ArialBold(11));

    Copyright =
        MakeLabel(QStringLiteral("Copyright"), tr("Copyright 2026 The Quillara Project"), this);
    RightsLine = MakeLabel(QStringLiteral("Label2"),
                           tr("Written by the Quillara developers and contributors"), this);
    ReservedLine = MakeLabel(QStringLiteral("Label3"), tr("All rights reserved."), this);
    for (QLabel* line : {Copyright, RightsLine, ReservedLine})
        line->setAlignment(Qt::AlignCenter);

    WebPageLink = new TLinkLabel(WebPage().toString(), this);
    WebPageLink->setObjectName(QStringLiteral("LinkLabel1"));
    NameControl(WebPageLink, tr("Quillara web page"),
                tr("Opens %1 in your browser").arg(WebPageLink->text()));
    QPalette blue = WebPageLink->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    WebPageLink->setPalette(blue);
    connect(WebPageLink, &TLinkLabel::clicked, this, &TAboutProgram::WebPageClicked);

    Warning = MakeLabel(QStringLiteral("Label1"),
                        tr("Warning: this program is protected by copyright law and international "
                           "treaties. Copying or distributing it, or any part of it, without "
                           "permission may result in civil and criminal penalties."),
                        this);
    Warning->setWordWrap(true);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutProgram::OKButtonClick);

    auto* title = new QVBoxLayout;
    title->setSpacing(0);
    title->addWidget(ProductName);
    title->addWidget(Version);
    auto* heading = new QHBoxLayout;
    heading->addWidget(ProgramIcon, 0, Qt::AlignTop);
    heading->addSpacing(8);
    heading->addLayout(title);
    heading->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(heading);
    layout->addSpacing(12);
    layout->addWidget(Copyright);
    layout->addWidget(RightsLine);
    layout->addWidget(ReservedLine);
    layout->addSpacing(4);
    layout->addWidget(WebPageLink, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(Warning);
    layout->addSpacing(8);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);

    // A dialog border: the size the contents ask for, at a width that keeps the notice readable.
    Warning->setMinimumWidth(300);
    setFixedSize(sizeHint());
    OKButton->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QUrl TAboutProgram::WebPage() {
    return QUrl(QStringLiteral("https://quillara.org/"));
}

QPixmap TAboutProgram::Icon() {
    static const bool registered = (InitAboutResources(), true);
    (void)registered;
    return QPixmap(QStringLiteral(":/quillara/quillara_icon.png"));
}

void TAboutProgram::OKButtonClick() {
    close();
}

void TAboutProgram::WebPageClicked() {
    QDesktopServices::openUrl(WebPage());
}

} // namespace quillara::gui
