#include "gui/app/translations.h"
#include "gui/quiz/attempt_frame.h"
#include "main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace quillara::gui {
namespace {

// One text of a translation file: its context and source, and the translation when finished.
struct TMessage {
    QString Translation;
    bool Finished = false;
};
using TMessages = std::map<std::pair<QString, QString>, TMessage>;

TMessages ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    TMessages messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    TMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value(QStringLiteral("type"));
            message.Finished = type.isEmpty();
            message.Translation = xml.readElementText();
            messages[{context, source}] = message;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

const QStringList Languages = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                               QStringLiteral("pt_BR")};

QString TsPath(const QString& language) {
    return QStringLiteral(QUILLARA_TRANSLATIONS_DIR "/quillara_%1.ts").arg(language);
}

// The placeholders of a text, as a set: a translation may move them but must keep each.
QSet<QString> Placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9]+"));
    for (const auto& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// Whether a text names a mnemonic: a single '&' before a letter ("&&" is an ampersand).
bool HasMnemonic(const QString& text) {
    static const QRegularExpression mnemonic(QStringLiteral("(^|[^&])&[^&\\s]"));
    return mnemonic.match(text).hasMatch();
}

TEST(Translations, EveryShownTextIsTranslatedInEveryLanguage) {
    // The texts the sources hand to the translation system, as lupdate finds them.
    const TMessages shown = ReadTs(QStringLiteral(QUILLARA_SOURCE_TS));
    ASSERT_GT(shown.size(), 150u);
    for (const QString& language : Languages) {
        const TMessages translated = ReadTs(TsPath(language));
        for (const auto& [key, unused] : shown) {
            const std::string where = language.toStdString() + ": " + key.first.toStdString() +
                                      " \"" + key.second.toStdString() + "\"";
            const auto found = translated.find(key);
            ASSERT_NE(found, translated.end()) << "missing " << where;
            EXPECT_TRUE(found->second.Finished) << "unfinished " << where;
            EXPECT_FALSE(found->second.Translation.isEmpty()) << "empty " << where;
            EXPECT_EQ(Placeholders(found->second.Translation), Placeholders(key.second)) << where;
            EXPECT_EQ(HasMnemonic(found->second.Translation), HasMnemonic(key.second)) << where;
        }
    }
}

// The language chosen from the student's locale, and what it does to texts of the program and of
// Qt itself.
TEST(Translations, FollowTheStudentsLanguageAndOnlyWhereTheProgramHasOne) {
    const struct {
        const char* Locale;
        const char* Language; // empty: English, as the sources have it
        const char* File;     // the program's "&File"
        const char* Yes;      // Qt's own "&Yes"
    } rows[] = {
        {"en_US", "", "&File", "&Yes"},
        {"C", "", "&File", "&Yes"},
        {"de_DE", "de", "&Datei", "&Ja"},
        {"de_AT", "de", "&Datei", "&Ja"},
        {"fr_FR", "fr", "&Fichier", "&Oui"},
        {"es_ES", "es", "&Archivo", "&Sí"},
        {"pt_BR", "pt_BR", "&Arquivo", "&Sim"},
        // Qt has its own translation here, the program none: nothing is translated.
        {"it_IT", "", "&File", "&Yes"},
        {"pt_PT", "", "&File", "&Yes"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Locale);
        {
            const TTranslations translations{QLocale(QString::fromLatin1(row.Locale))};
            EXPECT_EQ(translations.Language(), QString::fromUtf8(row.Language));
            EXPECT_EQ(QCoreApplication::translate("quillara::gui::TMainForm", "&File"),
                      QString::fromUtf8(row.File));
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"),
                      QString::fromUtf8(row.Yes));
        }
        // Gone with the object: the next row starts from English.
        EXPECT_EQ(QCoreApplication::translate("quillara::gui::TMainForm", "&File"),
                  QStringLiteral("&File"));
    }
}

// Under each language the main window's menus are translated, and within each menu no two items
// share a mnemonic, so Alt and a letter always reaches one item.
TEST(Translations, MainWindowMenusHaveDistinctMnemonicsInEveryLanguage) {
    testing::GuiBook book;
    for (const QString& language : QStringList{QStringLiteral("en")} + Languages) {
        SCOPED_TRACE(language.toStdString());
        const TTranslations translations{QLocale(language)};
        testing::MainWindow window(book);
        const QString file = window.form->menuBar()->actions().first()->text();
        EXPECT_EQ(file == QStringLiteral("&File"), language == QStringLiteral("en"));
        QList<QWidget*> menus{window.form->menuBar()};
        for (QAction* action : window.form->menuBar()->actions())
            if (action->menu()) menus << action->menu();
        for (QWidget* menu : menus) {
            QSet<QChar> used;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || !action->isVisible()) continue;
                static const QRegularExpression mnemonic(QStringLiteral("(?:^|[^&])&([^&])"));
                const auto match = mnemonic.match(action->text());
                if (!match.hasMatch()) continue;
                const QChar key = match.captured(1).at(0).toLower();
                EXPECT_FALSE(used.contains(key)) << action->text().toStdString();
                used.insert(key);
            }
        }
    }
}

// A quiz under German: the program's words in German, the book's question as the book has it.
TEST(Translations, AQuizSpeaksTheStudentsLanguageAndTheBooksOwn) {
    testing::GuiBook book;
    TQuestion question;
    question.Kind = qkTrueFalse;
    question.Answer = 'T';
    question.Text = "Is it so?";
    book.Banks[0] = {question};
    const TTranslations german{QLocale(QLocale::German, QLocale::Germany)};
    testing::MainWindow window(book);
    window.Action("QuizTrueFalseItem")->trigger();
    TTestFrame1* runner = window.form->QuizRunner();
    EXPECT_EQ(runner->findChild<QLabel*>(QStringLiteral("QuestionNumber"))->text(),
              "Frage 1 von 1, aus Kapitel 1");
    EXPECT_EQ(runner->findChild<QPushButton*>(QStringLiteral("ButtonTrue"))->text(), "Wahr");
    EXPECT_EQ(runner->findChild<QPushButton*>(QStringLiteral("QuitButton"))->text(),
              "Quiz beenden");
    EXPECT_EQ(runner->findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText(),
              "Is it so?");
}

} // namespace
} // namespace quillara::gui
