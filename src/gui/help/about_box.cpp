#include "gui/help/about_box.h"

#include "gui/shell/study_session.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_picture.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/screen_fit.h"
#include "gui/widgets/white_background.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <exception>

namespace quillara::gui {

namespace {

constexpr int BottomPanelHeight = 42;
// Without a cover the dialog keeps a usable size instead of shrinking to the bottom strip.
constexpr QSize EmptyPictureSize(320, 240);

} // namespace

TAboutBox::TAboutBox(const TStudySession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), Session(session) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Book"));
    MakeWhite(this);

    // A groove around the cover: lowered outside, raised inside.
    ImagePanel = new QFrame(this);
    ImagePanel->setObjectName(QStringLiteral("ImagePanel"));
    ImagePanel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    MakeWhite(ImagePanel);
    Cover = new QLabel(ImagePanel);
    Cover->setObjectName(QStringLiteral("Image1"));
    NameControl(Cover, tr("Cover of the book"));
    Cover->setAlignment(Qt::AlignCenter);

    BottomPanel = new QFrame(this);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    Copyright = new QLabel(BottomPanel);
    Copyright->setObjectName(QStringLiteral("Copyright"));
    Copyright->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Copyright->setWordWrap(true);
    // Three lines of a small font fit the strip; the wrapped text must not touch the edge.
    Copyright->setContentsMargins(4, 0, 4, 0);
    QFont small = Copyright->font();
    small.setPixelSize(11);
    Copyright->setFont(small);
    QPalette black = Copyright->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    Copyright->setPalette(black);

    OKButton = new QPushButton(tr("Ok"), BottomPanel);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);
    OKButton->resize(OKButton->sizeHint().expandedTo(QSize(75, 25)));
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::ShowAbout() {
    loadPicture();
    const QPixmap picture = Cover->pixmap();
    const QSize pictureSize =
        picture.isNull() ? EmptyPictureSize : picture.deviceIndependentSize().toSize();
    const int width = pictureSize.width();
    const int height = pictureSize.height() + BottomPanelHeight;

    // The strip is laid out for the size the dialog is about to take, so a cover narrower or wider
    // than the last one still gets its button inside the window.
    BottomPanel->setGeometry(0, pictureSize.height(), width, BottomPanelHeight);
    const QSize button = OKButton->size();
    OKButton->move(width - static_cast<int>(button.width() * 1.2),
                   BottomPanelHeight / 2 - button.height() / 2);
    Copyright->setGeometry(0, 0, std::max(0, static_cast<int>(width - button.width() * 1.4)),
                           BottomPanelHeight);
    Copyright->setText(Session.IsOpen() ? FromBook(Session.Book().Copyright) : QString());
    ImagePanel->setGeometry(0, 0, width, pictureSize.height());
    Cover->setGeometry(ImagePanel->contentsRect());

    setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    KeepOnScreen(this);
    show();
    raise();
    activateWindow();
}

void TAboutBox::OKButtonClick() {
    close();
}

void TAboutBox::loadPicture() {
    if (FPictureLoaded) return;
    try {
        Cover->setPixmap(QPixmap::fromImage(
            Session.Picture(CoverPictureFull,
                            ScreenRoom(this, {0, BottomPanelHeight}), devicePixelRatioF())));
        FPictureLoaded = true;
    } catch (const std::exception&) {
        // A missing or damaged cover only leaves the picture empty; the next showing tries again.
    }
}

} // namespace quillara::gui
