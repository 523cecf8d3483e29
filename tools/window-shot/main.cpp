// quillara-window-shot BOOKDIR OUT.png [topic N | glossary | notes]: starts the program on the
// book as the student would, optionally opens a view through its link, saves a picture of the
// main window and closes it.
#include "app/main_form.h"
#include "app/startup_steps.h"
#include "widgets/link_label.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <iostream>

namespace {

using quillara::gui::TLinkLabel;
using quillara::gui::TMainForm;

void Click(TMainForm* form, const QString& link) {
    if (auto* label = form->findChild<TLinkLabel*>(link)) QTest::mouseClick(label, Qt::LeftButton);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: quillara-window-shot BOOKDIR OUT.png [topic N | glossary | notes]\n";
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QStringList view = QStringList(argv + 3, argv + argc);
    bool saved = false;

    QTimer::singleShot(300, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<TMainForm*>(window);
            if (!form) continue;
            if (view.value(0) == "topic") Click(form, "TopicLink" + view.value(1, "1"));
            if (view.value(0) == "glossary") Click(form, "GlossaryLink");
            if (view.value(0) == "notes") Click(form, "AuthorsNotesLink");
            QApplication::processEvents();
            saved = form->grab().save(out);
            form->close();
        }
    });
    quillara::gui::TProgram program;
    const int status = quillara::gui::RunStartup(program, {argv[1]}, argv[0]);
    if (!saved) std::cerr << "quillara-window-shot: no picture saved\n";
    return saved ? status : 1;
}
