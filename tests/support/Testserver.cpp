#include "support/Testserver.h"

#include <QTcpSocket>
#include <QTimer>

namespace zirvanto::test {

Testserver::Testserver() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* verbindung = server_.nextPendingConnection())
            connect(verbindung, &QTcpSocket::readyRead, this,
                    [this, verbindung] { anfrageLesen(verbindung); });
    });
}

QString Testserver::adresse(const QString& pfad) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(pfad);
}

QList<QByteArray> Testserver::ziele() const {
    QList<QByteArray> ergebnis;
    for (const QByteArray& kopf : koepfe)
        ergebnis << kopf.left(kopf.indexOf("\r\n")).split(' ').value(1);
    return ergebnis;
}

void Testserver::anfrageLesen(QTcpSocket* verbindung) {
    QByteArray gelesen = verbindung->property("gelesen").toByteArray() + verbindung->readAll();
    verbindung->setProperty("gelesen", gelesen);
    const qsizetype ende = gelesen.indexOf("\r\n\r\n");
    if (ende < 0) return;
    koepfe.push_back(gelesen.left(ende));
    const QByteArray ziel = koepfe.back().left(koepfe.back().indexOf("\r\n")).split(' ').value(1);
    const Antwort a = antworten ? antworten(ziel) : Antwort{404, "nicht gefunden", {}};
    if (a.art == Antwort::Schweigen) return;
    QByteArray kopf = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\nConnection: close\r\n";
    if (a.art == Antwort::Sofort && !a.kopf.contains("Content-Length"))
        kopf += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
    verbindung->write(kopf + a.kopf + "\r\n");
    if (a.art == Antwort::Sofort) {
        verbindung->write(a.body);
        verbindung->disconnectFromHost();
        return;
    }
    auto* takt = new QTimer(verbindung);
    connect(takt, &QTimer::timeout, verbindung, [verbindung] { verbindung->write("x"); });
    takt->start(100);
}

} // namespace zirvanto::test
