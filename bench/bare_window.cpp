// The baseline of the start-up benchmark: a Qt Widgets window that draws what a real window of
// its kind draws (a menu bar, and a text browser showing a page of formatted text), so that the
// program is compared with the cost of any such window, fonts and text layout included. It
// closes after its first paint.
#include "first_paint.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTextBrowser>

namespace {

const char* Page = R"(<h2>Chapter 1: Cells</h2>
<p>The <b>cell</b> is the smallest unit of life. Every living thing is made of one or more
cells, and every cell comes from another cell. This page describes the parts of a cell and
what each of them does.</p>
<h3>Parts of a cell</h3>
<ul><li><b>Membrane</b>: the boundary that lets some substances in and keeps others out.</li>
<li><b>Nucleus</b>: holds the genetic material and directs the cell's work.</li>
<li><b>Cytoplasm</b>: the fluid in which the other parts float.</li></ul>
<p>Cells divide to grow and to repair tissue; <i>mitosis</i> gives two cells like the first,
<i>meiosis</i> gives the cells that carry half of the genetic material.</p>
<table border="1" cellpadding="4"><tr><th>Part</th><th>Found in</th></tr>
<tr><td>Cell wall</td><td>plants, fungi, bacteria</td></tr>
<tr><td>Chloroplast</td><td>plants</td></tr></table>)";

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"&File", "&View", "&Quiz", "&Test", "&Scores", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("Item"));
    }
    auto* browser = new QTextBrowser(&window);
    browser->setHtml(QString::fromUtf8(Page));
    window.setCentralWidget(browser);
    window.resize(800, 600);
    bench::TFirstPaint firstPaint([&](QWidget* painted) { return painted == &window; });
    window.show();
    return QApplication::exec();
}
