#pragma once

// A small HTTP server on 127.0.0.1 for the network tests. It runs on the
// test's own thread: it answers while the client under test waits in its
// local event loop. Every request's head is recorded.

#include <QByteArray>
#include <QList>
#include <QTcpServer>

#include <functional>
#include <ostream>
#include <utility>
#include <vector>

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

namespace zirvanto::test {

struct Antwort {
    enum Art {
        Sofort,    // the whole answer at once, then the connection is closed
        Schweigen, // accepts and never answers
        Tropfen,   // a head, then a byte every 100 ms, without end
    };
    Antwort(int status = 200, QByteArray body = {}, QByteArray kopf = {}, Art art = Sofort)
        : status(status), body(std::move(body)), kopf(std::move(kopf)), art(art) {}
    int status;
    QByteArray body;
    QByteArray kopf; // further header lines, each ending in CR LF
    Art art;
};

class Testserver : public QObject {
    Q_OBJECT

public:
    Testserver();

    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>" followed by `pfad`.
    QString adresse(const QString& pfad) const;
    // The request targets, in order ("/pfad?query", or a whole address
    // when the server is used as a proxy).
    QList<QByteArray> ziele() const;

    // Answers a request target; without it every request gets a 404.
    std::function<Antwort(const QByteArray& ziel)> antworten;
    std::vector<QByteArray> koepfe; // the head of every request, in order

private:
    void anfrageLesen(QTcpSocket* verbindung);

    QTcpServer server_;
};

} // namespace zirvanto::test
