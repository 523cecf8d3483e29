#pragma once

#include "app/frame_manager.h"
#include "app/program.h"

#include <QMainWindow>
#include <set>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QWidget;

namespace quillara::gui {

class TAboutBox;
class TAboutProgram;
class THelpWindow;
class TLinkLabel;
class TViewAuthorsNotesFrame1;
class TViewGlossaryFrame1;
class TViewTopicFrame1;

// The program's only main window: the chapter chooser and heading, the menus and the links of
// the navigation panel, and a client area that shows the cover or one view at a time.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(TProgram& program, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Once, before the window is first shown: cover, caption, chapter chooser.
    void SetUpBook();
    void SelectChapter(int chapter);
    int CurrentChapter() const { return Chapter; }

    bool CanLeaveViews();
    void HideViews();
    void ShowView(QWidget* view);
    void SwitchToView(QWidget* view);

    // The registered views, in registration order.
    const std::vector<TFrameManager>& Views() const { return Registered; }
    TViewTopicFrame1* TopicView() const { return TopicFrame; }
    TViewGlossaryFrame1* GlossaryView() const { return GlossaryFrame; }
    TViewAuthorsNotesFrame1* AuthorsNotesView() const { return NotesFrame; }
    TAboutBox* AboutBook();
    TAboutProgram* AboutProgramDialog();
    THelpWindow* Help();
    // A registered view that is not part of the program, for tests of the view switching.
    void RegisterView(const TFrameManager& view);

    static constexpr int HelpContext = 10000;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildNavigation(QWidget* panel);
    void FormShow();
    void ComboBox1Change(int index);
    void ShowTopicCommand(std::int32_t topicId);
    void SaveScoresCommand();
    void ShowHelpForActiveWindow();
    void ShowChapterHeading(int chapter);
    QAction* AddAction(QMenu* menu, const QString& caption, const char* name);

    TProgram& Program;
    int Chapter = 0;
    bool Shown = false;
    std::vector<TFrameManager> Registered;
    std::set<std::string> ReportedPictures;

    QComboBox* ChapterChooser = nullptr;
    QLabel* ChapterHeading = nullptr;
    QLabel* Cover = nullptr;
    QWidget* ClientArea = nullptr;
    QMenu* ViewMenu = nullptr;
    QAction* GlossaryItem = nullptr;
    QAction* GlossarySeparator = nullptr;
    QAction* MatchingItem = nullptr;
    QAction* MatchingSeparator = nullptr;
    QAction* WordProblemsItem = nullptr;
    QAction* AuthorsNotesItem = nullptr;
    std::vector<QAction*> TopicItems;
    std::vector<TLinkLabel*> TopicLinks;
    TLinkLabel* WordProblemsLink = nullptr;

    TViewTopicFrame1* TopicFrame = nullptr;
    TViewGlossaryFrame1* GlossaryFrame = nullptr;
    TViewAuthorsNotesFrame1* NotesFrame = nullptr;
    TAboutBox* AboutBox = nullptr;
    TAboutProgram* AboutProgram = nullptr;
    THelpWindow* HelpWindow = nullptr;
};

} // namespace quillara::gui
