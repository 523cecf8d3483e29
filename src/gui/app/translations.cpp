#include "gui/app/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

// The compiled translations are resources of the static library; the macro must be used outside
// any namespace.
static void InitTranslationResources() {
    Q_INIT_RESOURCE(quillara_i18n);
}

namespace quillara::gui {

TTranslations::TTranslations(const QLocale& locale) {
    InitTranslationResources();
    auto own = std::make_unique<QTranslator>();
    // QTranslator tries each of the student's languages in turn ("de_DE", then "de").
    if (!own->load(locale, QStringLiteral("quillara"), QStringLiteral("_"),
                   QString::fromLatin1(TranslationsFolder)))
        return;
    QCoreApplication::installTranslator(own.get());
    Chosen = QFileInfo(own->filePath()).completeBaseName().mid(int(sizeof("quillara_")) - 1);
    Own = std::move(own);

    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        Toolkit = std::move(toolkit);
    }
}

TTranslations::~TTranslations() {
    if (Toolkit) QCoreApplication::removeTranslator(Toolkit.get());
    if (Own) QCoreApplication::removeTranslator(Own.get());
}

} // namespace quillara::gui
