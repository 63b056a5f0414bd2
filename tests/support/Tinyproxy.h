#pragma once

// tinyproxy on a free loopback port, started with a generated configuration.

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTest>

namespace zirvanto::test {

inline quint16 freierPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

class Tinyproxy {
public:
    // `mehr`: further configuration lines, such as "Upstream http host:port".
    explicit Tinyproxy(const QByteArray& mehr = {}) {
        const QString programm = QStandardPaths::findExecutable(QStringLiteral("tinyproxy"));
        if (programm.isEmpty() || !konfiguration_.open()) return;
        konfiguration_.write("Port " + QByteArray::number(port) + "\nListen 127.0.0.1\n" + mehr);
        konfiguration_.flush();
        prozess_.start(programm, {"-d", "-c", konfiguration_.fileName()});
        bereit = QTest::qWaitFor([&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port);
            return probe.waitForConnected(100);
        });
    }
    ~Tinyproxy() { stoppen(); }
    void stoppen() {
        prozess_.terminate();
        prozess_.waitForFinished();
    }

    const quint16 port = freierPort();
    bool bereit = false; // else: bash scripts/install-deps.sh

private:
    QTemporaryFile konfiguration_;
    QProcess prozess_;
};

} // namespace zirvanto::test
