#pragma once

#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <ostream>

// Readable failures for QString values.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Clicks the middle of the first occurrence of a text in a browser, as the student would.
inline void ClickText(QTextBrowser* browser, const QString& text) {
    QTextCursor found = browser->document()->find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) throw std::runtime_error("text not on the page: " + text.toStdString());
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    const QRect where = browser->cursorRect(middle);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, where.center());
}
