#include "app/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zirvanto {

QString spracheWaehlen(const QStringList& uiSprachen) {
    for (const QString& eintrag : uiSprachen) {
        // "en-GB", "it_IT.UTF-8", "de": the language is the part before
        // the first separator.
        const QString sprache = eintrag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (sprache == u"de" || sprache == u"en" || sprache == u"it") return sprache;
    }
    return QStringLiteral("de");
}

Uebersetzung::Uebersetzung(const QString& sprache) : sprache_(sprache) {
    if (sprache_ != u"de" &&
        programm_.load(QStringLiteral(":/i18n/zirvanto_") + sprache_ + QStringLiteral(".qm")))
        QCoreApplication::installTranslator(&programm_);
    if (sprache_ != u"en" && qt_.load(QStringLiteral("qtbase_") + sprache_,
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Uebersetzung::~Uebersetzung() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&programm_);
}

} // namespace zirvanto
