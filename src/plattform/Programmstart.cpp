#include "plattform/Programmstart.h"

#include "plattform/Wertanzeige.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>

namespace zirvanto {

Programmstart::Programmstart() : schriften_([] { QFontDatabase::families(); }) {
    if (qtDeutsch_.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch_);
    beschriftungenZugaenglichMachen();
}

Programmstart::~Programmstart() {
    schriften_.join();
}

} // namespace zirvanto
