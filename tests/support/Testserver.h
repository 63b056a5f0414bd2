#pragma once

// A small HTTP server on 127.0.0.1 for the network tests. It runs on the
// test's own thread and answers while the client under test waits in its
// local event loop. It records the head of every request.

#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpServer>
#include <QTimer>

#include <functional>
#include <optional>
#include <ostream>
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
    int status = 200;
    QByteArray body = {};
    QByteArray kopf = {}; // further header lines, each ending in CR LF
    Art art = Sofort;
};

class Testserver : public QObject {
public:
    Testserver() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* v = server_.nextPendingConnection())
                connect(v, &QTcpSocket::readyRead, this, [this, v] { lesen(v); });
        });
    }
    quint16 port() const { return server_.serverPort(); }
    QString adresse(const QString& pfad) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(pfad);
    }
    // The request targets in order: "/path?query", or a whole address when
    // the server serves as the proxy.
    QList<QByteArray> ziele() const {
        QList<QByteArray> z;
        for (const QByteArray& kopf : koepfe)
            z << kopf.left(kopf.indexOf("\r\n")).split(' ').value(1);
        return z;
    }

    // Answers a request target; without it every request gets a 404.
    std::function<Antwort(const QByteArray& ziel)> antworten;
    std::vector<QByteArray> koepfe;
    // With it, the server is also a proxy's tunnel to an HTTPS host: it
    // answers CONNECT with 200 and then speaks TLS on that connection.
    std::optional<QSslConfiguration> tls;

private:
    // Every connection a QSslSocket, so that a tunnel can start TLS.
    struct Annahme : QTcpServer {
        void incomingConnection(qintptr deskriptor) override {
            auto* s = new QSslSocket(this);
            s->setSocketDescriptor(deskriptor);
            addPendingConnection(s);
        }
    };

    void lesen(QTcpSocket* v) {
        v->setProperty("gelesen", v->property("gelesen").toByteArray() + v->readAll());
        const QByteArray gelesen = v->property("gelesen").toByteArray();
        if (!gelesen.contains("\r\n\r\n")) return;
        koepfe.push_back(gelesen.left(gelesen.indexOf("\r\n\r\n")));
        v->setProperty("gelesen", QByteArray());
        if (tls && gelesen.startsWith("CONNECT ")) {
            auto* s = static_cast<QSslSocket*>(v);
            s->write("HTTP/1.1 200 Connection established\r\n\r\n");
            s->setSslConfiguration(*tls);
            return s->startServerEncryption();
        }
        const Antwort a = antworten ? antworten(ziele().back()) : Antwort{404};
        if (a.art == Antwort::Schweigen) return;
        QByteArray kopf =
            "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\nConnection: close\r\n";
        if (a.art == Antwort::Sofort && !a.kopf.contains("Content-Length"))
            kopf += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
        v->write(kopf + a.kopf + "\r\n" + a.body);
        if (a.art == Antwort::Sofort) return v->disconnectFromHost();
        auto* takt = new QTimer(v);
        connect(takt, &QTimer::timeout, v, [v] { v->write("x"); });
        takt->start(100);
    }

    Annahme server_;
};

} // namespace zirvanto::test
