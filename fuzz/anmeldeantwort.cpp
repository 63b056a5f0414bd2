// The registration reply reader: any reply, read as Windows-1252 and as
// UTF-8, sets only keys it holds, each to a value without control
// characters or blanks at its ends, so no value can break a settings line.

#include "Antworttext.h"

#include "online/Antwortleser.h"

namespace {

using zirvanto::fuzz::pruefen;

void wert(const QString& antwort, const QString& schluessel, const std::optional<QString>& w) {
    if (!w) return;
    pruefen(antwort.contains(schluessel), "only a key the reply holds is set");
    pruefen(zirvanto::fuzz::sauber(*w), "a value has no control character and no outer blank");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    for (const QString& antwort : zirvanto::fuzz::antworttexte(daten, groesse)) {
        const zirvanto::Anmeldeantwort a = zirvanto::anmeldeantwortLesen(antwort);
        wert(antwort, QStringLiteral("WerbeURL"), a.WerbeURL);
        wert(antwort, QStringLiteral("LogoURL"), a.LogoURL);
        wert(antwort, QStringLiteral("CurrencyURL"), a.CurrencyURL);
        wert(antwort, QStringLiteral("FlagURL"), a.FlagURL);
        pruefen(!a.Texte[0], "text 0 is never set");
        for (std::size_t k = 1; k < a.Texte.size(); ++k)
            wert(antwort, QStringLiteral("Text%1").arg(k, 2, 10, QLatin1Char('0')), a.Texte[k]);
    }
    return 0;
}
