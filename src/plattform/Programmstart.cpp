#include "plattform/Programmstart.h"

#include "plattform/Wertanzeige.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <clocale>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zirvanto {

Programmstart::Programmstart() {
    // The QApplication applies the environment's locale too; applied here
    // first, it does not change while fontconfig reads numbers with it.
    std::setlocale(LC_ALL, "");
#ifdef __GLIBC__
    // One heap for all threads: the font configuration read on the second
    // thread would otherwise keep a heap of its own, about 0.15 MB more.
    // Sharing one costs the start no measurable time.
    mallopt(M_ARENA_MAX, 1);
#endif
    schriften_ = std::thread([] { FcInit(); });
}

void Programmstart::anwendungDa() {
    beschriftungenZugaenglichMachen();
    // Mostly done by now. Were it not, the window's first text would make
    // Qt read the whole configuration a second time instead of waiting.
    schriften_.join();
    schriften_ = std::thread([] { QFontDatabase::families(); });
}

Programmstart::~Programmstart() {
    schriften_.join();
}

} // namespace zirvanto
