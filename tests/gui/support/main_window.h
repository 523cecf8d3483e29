#pragma once

#include "gui/app/main_form.h"
#include "gui_book.h"

#include <QAction>
#include <QMenu>
#include <memory>

namespace quillara::testing {

// A main window on a book written in the test, shown offscreen as start-up would show it.
struct MainWindow {
    explicit MainWindow(GuiBook& book) {
        program.ProgramDirectory = book.Write();
        program.Book = LoadBookProperties(program.ProgramDirectory, program.Regional);
        program.SettingsSection = program.Book->Title;
        // The scores of the test's own book, never those of the current directory.
        program.SaveDirectory = (program.ProgramDirectory / "").string();
        program.SaveDirectoryNamed = true;
        form = std::make_unique<gui::TMainForm>(program);
        form->SetUpBook();
        form->show();
    }
    QAction* Action(const char* name) const {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }
    template <typename T = QWidget> T* Child(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QMenu* Menu(const char* name) const { return Child<QMenu>(name); }

    gui::TProgram program;
    std::unique_ptr<gui::TMainForm> form;
};

} // namespace quillara::testing
