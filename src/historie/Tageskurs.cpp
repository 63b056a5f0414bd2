#include "historie/Tageskurs.h"

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

} // namespace zirvanto
