// The number reader and the number text of the rate file: any text reads as
// a finite value, and a finite value written and read back keeps its
// 15-digit text and lies within rounding of the original.

#include "Fuzzhilfe.h"

#include "data/Zahlentext.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using zirvanto::fuzz::pruefen;

void rundreise(double wert) {
    if (!std::isfinite(wert)) {
        pruefen(zirvanto::zahlentext(wert) == u" 0", "a non-finite value is written as 0");
        return;
    }
    const QString text = zirvanto::zahlentext(wert);
    const double gelesen = zirvanto::zahlLesen(text);
    pruefen(std::isfinite(gelesen), "the text of a finite value reads as a finite value");
    pruefen(zirvanto::zahlentext(gelesen) == text, "a written value reads back to the same text");
    pruefen(zirvanto::zahlLesen(zirvanto::zahlentext(gelesen)) == gelesen,
            "a value of 15 digits reads back unchanged");
    const double abstand = std::fabs(gelesen - wert);
    pruefen(abstand <= std::fabs(wert) * 1e-14 ||
                abstand <= std::numeric_limits<double>::denorm_min(),
            "a written value reads back within rounding");
    pruefen(std::signbit(gelesen) == std::signbit(wert) || gelesen == 0,
            "a written value keeps its sign");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QByteArray eingabe = zirvanto::fuzz::bytes(daten, groesse);
    for (const QString& text : {QString::fromUtf8(eingabe), QString::fromLatin1(eingabe)}) {
        const double wert = zirvanto::zahlLesen(text);
        pruefen(std::isfinite(wert), "any text reads as a finite value");
        rundreise(wert);
    }
    // The first eight bytes as a double reach every value, also those no
    // short text gives.
    if (groesse >= sizeof(double)) {
        double wert = 0;
        std::memcpy(&wert, daten, sizeof wert);
        rundreise(wert);
    }
    return 0;
}
