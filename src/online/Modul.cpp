#include "online/Modul.h"

#include "online/Webretreiver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace zirvanto {

QFunctionPointer modulfunktion(const QString& datei, const char* name, QString& fehler) {
    QStringList orte;
    fehler.clear();
    const auto laden = [&](const QString& ort) -> QFunctionPointer {
        orte << ort;
        if (!QFileInfo::exists(ort)) return nullptr;
        QLibrary modul(ort);
        const QFunctionPointer funktion = modul.resolve(name);
        if (!funktion) fehler = modul.errorString();
        return funktion;
    };
    if (!Webretreiver::modulpfad.isEmpty())
        if (const auto f = laden(QFileInfo(Webretreiver::modulpfad).dir().filePath(datei)))
            return f;
    const QDir programm(QCoreApplication::applicationDirPath());
    if (const auto f = laden(programm.filePath(datei))) return f;
    if (const auto f =
            laden(programm.filePath(QStringLiteral(ZIRVANTO_INSTALLIERTES_MODUL "/") + datei)))
        return f;
    if (fehler.isEmpty()) fehler = orte.join(QLatin1String(", "));
    return nullptr;
}

} // namespace zirvanto
