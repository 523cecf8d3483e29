#pragma once

#include <QPalette>
#include <QTextBrowser>
#include <filesystem>
#include <string>

namespace quillara::gui {

// The viewer of topic pages: an HTML text held in memory, with the GIF and JPEG pictures it names
// taken from the book directory and nowhere else. It follows no links, reaches no network and
// runs nothing from the page.
class ThtmlLite : public QTextBrowser {
    Q_OBJECT

public:
    explicit ThtmlLite(QWidget* parent = nullptr);

    // Where the pictures of the pages loaded from now on are looked up.
    void SetBookDirectory(const std::filesystem::path& directory);
    // Replaces the document with the page (Windows-1252 bytes) and shows its top. What the page
    // asks of the layout is bounded first (BoundPageLayout, FlattenDeepTables).
    void LoadFromString(const std::string& htmlBytes);

    // With NoSelect on, no text of the page can be selected, by mouse, keyboard or menu.
    void SetNoSelect(bool noSelect);
    bool NoSelect() const { return NoSelectOn; }

    // Pictures come from the book directory only; everything else a page asks for is empty.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void ClearSelection();

    std::filesystem::path BookDirectory;
    bool NoSelectOn = false;
    // The desktop's colours, which a page that names no colours of its own is shown in.
    QPalette DesktopColours;
};

} // namespace quillara::gui
