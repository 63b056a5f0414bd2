#include "plattform/Programmstart.h"

#include "plattform/Wertanzeige.h"

#include <QFontDatabase>

namespace zirvanto {

Programmstart::Programmstart() : schriften_([] { QFontDatabase::families(); }) {
    beschriftungenZugaenglichMachen();
}

Programmstart::~Programmstart() {
    schriften_.join();
}

} // namespace zirvanto
