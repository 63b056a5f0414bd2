#include "historie/Tageskurs.h"

#include "data/Waehrungstabelle.h"

namespace zirvanto {

std::optional<double> festkurs(QStringView code, QDate tag) {
    for (const Festkurs& f : Festkurse)
        if (code.compare(QLatin1String(f.code), Qt::CaseInsensitive) == 0)
            return tageszahl(tag) >= f.ab ? std::optional(f.kurs) : std::nullopt;
    return std::nullopt;
}

Tageskurs tageskurs(QStringView code, QDate tag, const QHash<QString, double>& kurseDesTages,
                    double heutigerKurs) {
    const QString iso = code.trimmed().toString().toUpper();
    if (iso == QLatin1String("EUR")) return {1, Kursherkunft::Euro};
    if (const auto fest = festkurs(iso, tag)) return {*fest, Kursherkunft::Festkurs};
    if (const auto tageswert = kurseDesTages.constFind(iso); tageswert != kurseDesTages.cend())
        return {*tageswert, Kursherkunft::Historie};
    return {heutigerKurs, Kursherkunft::KeinKurs};
}

std::vector<bool> tageskurseEinsetzen(Waehrungstabelle& tabelle, QDate tag,
                                      const QHash<QString, double>& kurseDesTages,
                                      const std::function<double(std::size_t)>& heute) {
    std::vector<bool> ohneKurs(tabelle.size(), false);
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        const Tageskurs k = tageskurs(tabelle[i].ISO, tag, kurseDesTages, heute(i));
        tabelle[i].Kurs = k.kurs;
        tabelle[i].Manuell = false; // the day's rate, not a hand-set one
        ohneKurs[i] = k.herkunft == Kursherkunft::KeinKurs;
    }
    return ohneKurs;
}

} // namespace zirvanto
