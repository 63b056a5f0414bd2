#pragma once

// Shared by the fuzz targets. Each target defines LLVMFuzzerTestOneInput in
// its own source; clang links it with libFuzzer, the ordinary build with
// Wiedergabe.cpp, which runs every file of the target's corpus through it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

namespace zirvanto::fuzz {

// A broken property is a crash, so libFuzzer keeps the input and the replay
// test fails.
inline void pruefen(bool bedingung, const char* was) {
    if (bedingung) return;
    std::fprintf(stderr, "Eigenschaft verletzt: %s\n", was);
    std::abort();
}

inline QByteArray bytes(const std::uint8_t* daten, std::size_t groesse) {
    return QByteArray(reinterpret_cast<const char*>(daten), qsizetype(groesse));
}

// One program folder for the whole run, in memory where the system offers
// it, so that the readers can be fed through their real files.
inline const QString& programmordner() {
    static const QTemporaryDir ordner(QDir("/dev/shm").exists()
                                          ? QStringLiteral("/dev/shm/zirvanto-fuzz-XXXXXX")
                                          : QDir::temp().filePath("zirvanto-fuzz-XXXXXX"));
    pruefen(ordner.isValid(), "temporary program folder");
    static const QString pfad = ordner.path();
    return pfad;
}

inline void dateiSchreiben(const QString& name, const QByteArray& inhalt) {
    QFile datei(QDir(programmordner()).filePath(name));
    pruefen(datei.open(QIODevice::WriteOnly | QIODevice::Truncate), "write the input file");
    pruefen(datei.write(inhalt) == inhalt.size(), "write the input file");
}

} // namespace zirvanto::fuzz
