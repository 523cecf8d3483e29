#pragma once

#include <QLocale>
#include <QString>
#include <memory>

class QTranslator;

namespace quillara::gui {

// The program's texts in the student's language, with Qt's own texts (standard buttons, the file
// dialog) in the same language. Installed for as long as the object lives. A language the program
// has no translation for keeps every text in English, Qt's own included, so that a window is never
// half in one language and half in another.
class TTranslations {
public:
    explicit TTranslations(const QLocale& locale);
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

    // The language of the translation installed ("de", "pt_BR"), empty under English.
    const QString& Language() const { return Chosen; }

private:
    std::unique_ptr<QTranslator> Own;
    std::unique_ptr<QTranslator> Toolkit;
    QString Chosen;
};

// Where the compiled translations are kept, inside the program.
inline constexpr const char* TranslationsFolder = ":/i18n";

} // namespace quillara::gui
