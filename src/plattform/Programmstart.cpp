#include "plattform/Programmstart.h"

#include "plattform/Wertanzeige.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <clocale>
#include <utility>

namespace zirvanto {

Programmstart::Programmstart() {
    // The QApplication applies the environment's locale too; applied here
    // first, it does not change while fontconfig reads numbers with it.
    std::setlocale(LC_ALL, "");
    schriften_ = std::thread([] { FcInit(); });
}

void Programmstart::anwendungDa() {
    beschriftungenZugaenglichMachen();
    schriften_ = std::thread([konfiguration = std::move(schriften_)]() mutable {
        konfiguration.join();
        QFontDatabase::families();
    });
}

Programmstart::~Programmstart() {
    schriften_.join();
}

} // namespace zirvanto
