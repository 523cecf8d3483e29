#pragma once

#include "gui/app/main_form.h"
#include "gui_book.h"

#include <QAction>
#include <QMenu>
#include <memory>

namespace quillara::testing {

// A main window on a book written in the test, shown offscreen as start-up would show it.
struct MainWindow {
    // `regional` is the student's conventions.
    explicit MainWindow(GuiBook& book, TRegionalSettings regional = {}) : session(regional) {
        auto read = session.ReadBook(book.Write());
        // The scores of the test's own book, never those of the current directory.
        read.Settings.SaveDirectory = (read.Folder / "").string();
        read.Settings.SaveDirectoryNamed = true;
        session.Open(std::move(read));
        form = std::make_unique<gui::TMainForm>(session);
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

    gui::TStudySession session;
    std::unique_ptr<gui::TMainForm> form;
};

} // namespace quillara::testing
