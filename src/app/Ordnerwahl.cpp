#include "app/Ordnerwahl.h"

#include "data/Einstellungsdatei.h"
#include "data/Kursdatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zirvanto {

namespace {

// Copies the bytes of a file atomically, so that an interrupted first start
// never leaves half a rate table behind. The copy gets the user's default
// permissions, not those of the (read-only) installed file.
QString kopieren(const QString& quelle, const QString& ziel) {
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly)) return ein.errorString();
    const QByteArray bytes = ein.readAll();
    QSaveFile aus(ziel);
    if (!aus.open(QIODevice::WriteOnly) || aus.write(bytes) != bytes.size()) {
        const QString fehler = aus.errorString();
        aus.cancelWriting();
        return fehler;
    }
    return aus.commit() ? QString() : aus.errorString();
}

bool tragbar(const QDir& programmverzeichnis) {
    return QFileInfo(programmverzeichnis.filePath(Kursdateiname)).isFile() ||
           QFileInfo(programmverzeichnis.filePath(Einstellungsdateiname)).isFile();
}

} // namespace

Ordnerwahl ordnerBestimmen(const QString& programmverzeichnis, const QString& benutzerordner) {
    const QDir neben(programmverzeichnis);
    if (tragbar(neben)) return {programmverzeichnis, {}, {}};

    const QString geliefert = QDir::cleanPath(neben.filePath(InstallierteDateien));
    Ordnerwahl wahl{benutzerordner, {geliefert}, {}};
    const QDir daten(benutzerordner);
    if (!daten.mkpath(QStringLiteral("."))) {
        wahl.fehler = QCoreApplication::translate(
                          "Ordnerwahl", "Der Datenordner \"%1\" konnte nicht angelegt werden.")
                          .arg(QDir::toNativeSeparators(benutzerordner));
        return wahl;
    }
    const QString kurse = daten.filePath(Kursdateiname);
    const QString vorlage = QDir(geliefert).filePath(Kursdateiname);
    if (!QFileInfo::exists(kurse) && QFileInfo(vorlage).isFile()) {
        const QString fehler = kopieren(vorlage, kurse);
        if (!fehler.isEmpty())
            wahl.fehler =
                QCoreApplication::translate(
                    "Ordnerwahl", "Die Kurstabelle konnte nicht nach \"%1\" kopiert werden.\n\n%2")
                    .arg(QDir::toNativeSeparators(kurse), fehler);
    }
    return wahl;
}

Leseordner leseordnerBestimmen(const QString& programmverzeichnis, const QString& benutzerordner) {
    const QDir neben(programmverzeichnis);
    if (tragbar(neben)) return {programmverzeichnis, programmverzeichnis};
    if (QFileInfo::exists(QDir(benutzerordner).filePath(Kursdateiname)))
        return {benutzerordner, benutzerordner};
    return {QDir::cleanPath(neben.filePath(InstallierteDateien)), benutzerordner};
}

} // namespace zirvanto
