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

// One program folder for the whole run, so that the readers are fed through
// their real files: the folder fuzz/run.sh made in memory, or a temporary one.
inline const QString& programmordner() {
    static const QTemporaryDir temporaer;
    static const QString pfad = qEnvironmentVariableIsSet("ZIRVANTO_FUZZ_ORDNER")
                                    ? qEnvironmentVariable("ZIRVANTO_FUZZ_ORDNER")
                                    : temporaer.path();
    pruefen(QDir(pfad).exists(), "program folder");
    return pfad;
}

inline void dateiSchreiben(const QString& name, const QByteArray& inhalt) {
    QFile datei(QDir(programmordner()).filePath(name));
    pruefen(datei.open(QIODevice::WriteOnly | QIODevice::Truncate), "write the input file");
    pruefen(datei.write(inhalt) == inhalt.size(), "write the input file");
}

} // namespace zirvanto::fuzz
