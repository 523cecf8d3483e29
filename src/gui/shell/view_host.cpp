#include "gui/shell/view_host.h"

#include "gui/widgets/accessible_name.h"
#include "gui/widgets/white_background.h"

#include <QStackedLayout>
#include <QLabel>

namespace quillara::gui {

TViewHost::TViewHost(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ClientArea"));
    MakeWhite(this);
    // Every view is laid over the cover, each showing and hiding itself; the one shown is raised.
    auto* stack = new QStackedLayout(this);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    CoverLabel = new QLabel(this);
    CoverLabel->setObjectName(QStringLiteral("Cover"));
    NameControl(CoverLabel, tr("Cover of the book"));
    CoverLabel->setAlignment(Qt::AlignCenter);
    stack->addWidget(CoverLabel);
}

void TViewHost::Place(QWidget* view) {
    MakeWhite(view);
    view->hide();
    static_cast<QStackedLayout*>(layout())->addWidget(view);
    view->hide();
}

void TViewHost::Register(const TFrameManager& view) {
    Registered.push_back(view);
}

bool TViewHost::CanLeaveViews() {
    bool answer = true;
    for (TFrameManager& view : Registered) {
        if (view.Frame->isHidden() || view.LeaveConfirmed) continue;
        if (!view.CanLeave || view.CanLeave())
            view.LeaveConfirmed = true;
        else
            answer = false;
    }
    return answer;
}

void TViewHost::HideViews() {
    if (!CanLeaveViews()) return;
    for (TFrameManager& view : Registered) {
        if (view.Frame->isHidden()) continue;
        if (view.HideHandler)
            view.HideHandler();
        else
            view.Frame->hide();
    }
}

void TViewHost::ShowView(QWidget* frame) {
    if (!CanLeaveViews()) return;
    for (TFrameManager& view : Registered) {
        if (view.Frame != frame || !view.Frame->isHidden()) continue;
        if (view.CanShow && !view.CanShow()) continue;
        if (view.ShowHandler)
            view.ShowHandler();
        else
            view.Frame->show();
        if (view.Frame->parentWidget() == this)
            static_cast<QStackedLayout*>(layout())->setCurrentWidget(view.Frame);
        view.LeaveConfirmed = false;
    }
}

void TViewHost::SwitchToView(QWidget* view) {
    if (!CanLeaveViews()) return;
    HideViews();
    ShowView(view);
}

} // namespace quillara::gui
