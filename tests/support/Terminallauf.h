#pragma once

// The real program on the terminal, run from a folder of its own.

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>

#include <unistd.h>

namespace zirvanto::test {

struct Lauf {
    int status; // -1: the program did not end normally
    QString aus, fehler;
};

// A link to (or else a copy of) the program at `ziel`, and of its modules
// beside it, whose folder is then its program folder.
inline bool programmAnlegen(const QString& ziel) {
    const auto anlegen = [](const QString& quelle, const QString& datei) {
        return ::link(qPrintable(quelle), qPrintable(datei)) == 0 || QFile::copy(quelle, datei);
    };
    const QDir module = QFileInfo(ZIRVANTO_NETZMODUL).dir(), ordner = QFileInfo(ziel).dir();
    return QDir().mkpath(ordner.path()) && anlegen(ZIRVANTO_PROGRAMM, ziel) &&
           anlegen(module.filePath("zirvanto_netz.so"), ordner.filePath("zirvanto_netz.so")) &&
           anlegen(module.filePath("zirvanto_historie.so"),
                   ordner.filePath("zirvanto_historie.so"));
}

// Runs without any display, Qt or locale variable; `umgebung` is the locale,
// then NAME=VALUE pairs. With an application it waits in an event loop, so
// that a test server of this thread answers.
inline Lauf terminalStarten(const QString& programm, const QStringList& argumente,
                            const QString& umgebung, const QString& datenordner) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys())
        if (QRegularExpression("^(LC_.*|LANG.*|DISPLAY|WAYLAND_DISPLAY|QT_.*)$")
                .match(name)
                .hasMatch())
            env.remove(name);
    for (const QString& paar : ("LC_ALL=" + umgebung + " XDG_DATA_HOME=" + datenordner).split(' '))
        env.insert(paar.section('=', 0, 0), paar.section('=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(programm, argumente);
    if (QCoreApplication::instance()) {
        QEventLoop warten;
        QObject::connect(&p, &QProcess::finished, &warten, &QEventLoop::quit);
        if (p.state() != QProcess::NotRunning) warten.exec();
    }
    p.waitForFinished(30000);
    const bool normal =
        p.exitStatus() == QProcess::NormalExit && p.error() != QProcess::FailedToStart;
    return {normal ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace zirvanto::test
