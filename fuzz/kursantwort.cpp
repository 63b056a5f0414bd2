// The rate reply reader, bracketed records and the ECB's XML alike: any
// reply, read as Windows-1252 and as UTF-8, gives only records with a
// finite rate above 0, codes and names without control characters, and
// flag names that are "(none)", empty or a plain picture name. The entity
// decoding and the flag name check are fed the whole reply as well.

#include "Antworttext.h"

#include "online/Antwortleser.h"

#include <cmath>

namespace {

using zirvanto::fuzz::pruefen;
using zirvanto::fuzz::sauber;

void flagge(const QString& name) {
    pruefen(name.isEmpty() || name == zirvanto::KeineFlagge || zirvanto::flaggenname(name) == name,
            "a flag name is (none), empty or a plain picture name");
    pruefen(name.size() <= 64 && !name.contains(u'/') && !name.contains(u'\\') &&
                !name.startsWith(u'.'),
            "a flag name never leaves the flag folder");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    for (const QString& antwort : zirvanto::fuzz::antworttexte(daten, groesse)) {
        const zirvanto::Kursantwort k = zirvanto::kursantwortLesen(antwort);
        pruefen(k.ezb || !k.stichtag.isValid(), "only the ECB's feed gives a reference date");
        if (!k.ezb)
            pruefen(qsizetype(k.saetze.size()) <= antwort.count(u'['), "one record per '['");
        for (const zirvanto::Kurssatz& s : k.saetze) {
            pruefen(std::isfinite(s.Kurs) && s.Kurs > 0, "every rate is finite and above 0");
            pruefen(sauber(s.ISO) && sauber(s.Name), "code and name without control characters");
            pruefen(s.ohneNameUndFlagge == k.ezb, "only the ECB's records lack name and flag");
            pruefen(!k.ezb || (s.Name.isEmpty() && s.Flagge == zirvanto::KeineFlagge),
                    "an ECB record has no name and no flag");
            flagge(s.Flagge);
        }

        const QString name = zirvanto::entitaetenErsetzen(antwort);
        pruefen(name.size() <= antwort.size(), "decoding never lengthens a name");
        pruefen(antwort.contains(u'&') || name == antwort, "a name without '&' stays as it is");
        const QString bereinigt = zirvanto::ohneSteuerzeichen(antwort);
        pruefen(sauber(bereinigt), "no control character and no outer blank is left");
        const QString f = zirvanto::flaggenname(antwort);
        flagge(f);
        pruefen(zirvanto::flaggenname(f) == f, "a checked flag name passes the check again");
    }
    return 0;
}
