#include "data/Kursdatei.h"

#include "data/Zahlentext.h"

#include <QDir>

namespace zirvanto {

Waehrung kursdatensatzLesen(QStringView zeile) {
    Waehrung w;
    w.Kurs = 0;

    const qsizetype p1 = zeile.indexOf(u':');
    if (p1 < 0) return w;
    w.ISO = zeile.first(p1).toString();

    const qsizetype p2 = zeile.indexOf(u':', p1 + 1);
    if (p2 < 0) return w;
    w.Name = zeile.sliced(p1 + 1, p2 - p1 - 1).toString();

    const qsizetype p3 = zeile.indexOf(u':', p2 + 1);
    if (p3 < 0) return w;
    w.Kurs = zahlLesen(zeile.sliced(p2 + 1, p3 - p2 - 1));

    const qsizetype p4 = zeile.indexOf(u':', p3 + 1);
    if (p4 < 0) return w;
    w.Flagge = zeile.sliced(p3 + 1, p4 - p3 - 1).toString();
    w.Manuell = zahlLesen(zeile.sliced(p4 + 1)) != 0;
    return w;
}

QString kursdatensatz(const Waehrung& waehrung) {
    QString zeile = waehrung.ISO + u':' + waehrung.Name + u':' + zahlentext(waehrung.Kurs) + u':';
    zeile += ohneRaender(waehrung.Flagge);
    zeile += waehrung.Manuell ? QStringView(u": 1") : QStringView(u": 0");
    return zeile;
}

Dateistand kurseLesen(const QString& programmordner, Waehrungstabelle& tabelle) {
    const Textlesung lesung = textdateiLesen(QDir(programmordner).filePath(Kursdateiname));
    tabelle.reservieren(tabelle.size() + std::size_t(lesung.zeilen.size()));
    for (const QStringView zeile : lesung.zeilen) {
        const QStringView satz = ohneRaender(zeile);
        if (!satz.isEmpty()) tabelle.anhaengen(kursdatensatzLesen(satz));
    }
    return lesung;
}

Speicherergebnis kurseSpeichern(const QString& programmordner, const Waehrungstabelle& tabelle) {
    QStringList zeilen;
    for (std::size_t k = 1; k < tabelle.size(); ++k)
        zeilen.append(kursdatensatz(tabelle[k]));
    return textdateiSpeichern(QDir(programmordner).filePath(Kursdateiname), zeilen);
}

} // namespace zirvanto
