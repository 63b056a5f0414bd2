#include "historie/Kurshistorie.h"

#include "historie/Historienmodul.h"
#include "online/Modul.h"

#include <QCoreApplication>

#include <utility>

namespace zirvanto {

Historienmodul* historienmodul(QString& fehler) {
    // Looked for once; a module that was loaded stays loaded.
    static QString fehlt;
    static Historienmodul* const modul = [] {
        const auto holen = reinterpret_cast<HistorienmodulHolen>(
            modulfunktion(QStringLiteral("zirvanto_historie.so"), HistorienmodulName, fehlt));
        return holen ? holen() : nullptr;
    }();
    if (!modul)
        fehler =
            QCoreApplication::translate("Kurshistorie", "Das Historienmodul fehlt: %1").arg(fehlt);
    return modul;
}

Kurshistorie::Kurshistorie(QString datei) : datei_(std::move(datei)) {}

Kurshistorie::~Kurshistorie() = default;

Historienspeicher* Kurshistorie::speicher() {
    if (!speicher_)
        if (Historienmodul* modul = historienmodul(fehler_)) speicher_ = modul->speicher(datei_);
    return speicher_.get();
}

const QString& Kurshistorie::fehler() const {
    return speicher_ ? speicher_->fehler() : fehler_;
}

Kurshistorie::Zustand Kurshistorie::oeffnen() {
    Historienspeicher* s = speicher();
    return s ? s->oeffnen() : Zustand::Defekt;
}

bool Kurshistorie::ersetzen(const std::vector<Kurstag>& tage) {
    Historienspeicher* s = speicher();
    return s && s->ersetzen(tage);
}

bool Kurshistorie::ergaenzen(const std::vector<Kurstag>& tage) {
    Historienspeicher* s = speicher();
    return s && s->ergaenzen(tage);
}

std::optional<QDate> Kurshistorie::letzterTag() {
    Historienspeicher* s = speicher();
    return s ? s->letzterTag() : std::nullopt;
}

std::optional<QDate> Kurshistorie::genutzterTag(QDate tag) {
    Historienspeicher* s = speicher();
    return s ? s->genutzterTag(tag) : std::nullopt;
}

QHash<QString, double> Kurshistorie::kurseAm(QDate tag) {
    Historienspeicher* s = speicher();
    return s ? s->kurseAm(tag) : QHash<QString, double>();
}

} // namespace zirvanto
