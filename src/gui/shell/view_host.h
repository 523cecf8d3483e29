#pragma once

#include "gui/shell/frame_manager.h"

#include <QWidget>
#include <vector>

class QLabel;

namespace quillara::gui {

// The main window's client area: the cover, and over it at most one view at a time. Every view
// is registered here with its roles, and every switch of views goes through here, asking the
// visible views first whether they may be left. A registered view may live elsewhere (the test
// runner has a window of its own); it still counts as visible while it is not hidden.
class TViewHost : public QWidget {
    Q_OBJECT
public:
    explicit TViewHost(QWidget* parent = nullptr);

    QLabel* Cover() const { return CoverLabel; }
    // Puts a view over the cover, filling the area, hidden until it is shown.
    void Place(QWidget* view);
    // Registration order is the order in which visible views are asked and hidden.
    void Register(const TFrameManager& view);
    const std::vector<TFrameManager>& Views() const { return Registered; }
    // Forgets every registered view, as another book replaces them.
    void ForgetViews() { Registered.clear(); }

    bool CanLeaveViews();
    void HideViews();
    void ShowView(QWidget* view);
    void SwitchToView(QWidget* view);

private:
    QLabel* CoverLabel;
    std::vector<TFrameManager> Registered;
};

} // namespace quillara::gui
