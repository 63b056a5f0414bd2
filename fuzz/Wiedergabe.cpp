// Replays a corpus folder through a fuzz target's entry function, so the
// ordinary build (and its sanitizer preset) checks every input that ever
// found a fault.

#include "Fuzzhilfe.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s KORPUSORDNER\n", argv[0]);
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    const QStringList namen = ordner.entryList(QDir::Files, QDir::Name);
    if (namen.isEmpty()) {
        std::fprintf(stderr, "Keine Eingaben in %s\n", argv[1]);
        return 1;
    }
    for (const QString& name : namen) {
        QFile datei(ordner.filePath(name));
        if (!datei.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Nicht lesbar: %s\n", qPrintable(name));
            return 1;
        }
        const QByteArray inhalt = datei.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(name));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.constData()),
                               std::size_t(inhalt.size()));
    }
    std::printf("%lld Eingaben ohne Befund\n", static_cast<long long>(namen.size()));
    return 0;
}
