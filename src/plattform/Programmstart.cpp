#include "plattform/Programmstart.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>

namespace zirvanto {

Programmstart::Programmstart() : schriften_([] { QFontDatabase::families(); }) {
    if (qtDeutsch_.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch_);
}

Programmstart::~Programmstart() {
    schriften_.join();
}

} // namespace zirvanto
