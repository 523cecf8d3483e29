#pragma once

#include <QLabel>

namespace quillara::gui {

// A label that behaves like a link: underlined, a pointing hand over it, bold while a mouse button
// is held on it. Colour and the rest of the font come from whoever places it. Tab reaches it, a
// focus frame shows it, and Enter or Space runs it like a click.
class TLinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLinkLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    // A left-button press and release both over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetBold(bool bold);
};

} // namespace quillara::gui
