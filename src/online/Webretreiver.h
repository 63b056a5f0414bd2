#pragma once

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace zirvanto {

struct Einstellungen;

// How long a request may take: without any data, and for the whole
// transfer. A request past either fails.
struct Fristen {
    std::chrono::milliseconds ohneDaten{10'000};
    std::chrono::milliseconds gesamt{20'000};
};

// Largest reply bodies that are taken.
inline constexpr qint64 GroessterText = 4 << 20;
inline constexpr qint64 GroessteBytes = 1 << 20;

// Why a request failed.
enum class Abruffehler {
    Keiner,
    Adresse,       // not an http or https address
    Verbindung,    // host not found, connection refused, network down
    Proxy,         // the proxy cannot be reached or refuses
    Frist,         // past a deadline
    Status,        // the server answered with an HTTP error status
    Groesse,       // the reply is larger than the cap
    Umleitung,     // too many redirects, or one to a less safe address
    Uebersprungen, // not sent: its host was found unreachable in this round
    Sonstiges,
};

struct Abruf {
    Abruffehler fehler = Abruffehler::Keiner;
    QByteArray bytes; // the body, as received
    QString text;     // the body decoded, for a text request
    QUrl adresse;     // where the body came from, after redirects
    explicit operator bool() const { return fehler == Abruffehler::Keiner; }
};

// The program's blocking HTTP client. Each request is prepared from the
// settings (proxy, protocol, access type), then waits in a local event
// loop that excludes user input, with the busy cursor: the windows repaint,
// but no click can start a second request while one runs.
class Webretreiver : public QObject {
    Q_OBJECT

public:
    enum class Protokoll { HTTP };
    enum class Zugang { Direkt, BenannterProxy };

    explicit Webretreiver(Fristen fristen = {}, QObject* parent = nullptr);
    ~Webretreiver() override;

    // "host:port" of the proxy; used with the access type BenannterProxy.
    QString Proxy;
    Protokoll Protocol = Protokoll::HTTP;
    Zugang AccessType = Zugang::Direkt;

    // The preparation every sender makes before a request: the proxy value
    // (set also when no proxy is configured), the protocol, and the access
    // type, which is the named proxy only with a proxy name and a port
    // other than 0.
    void proxyUndProtokollSetzen(const Einstellungen& e);
    void zugangSetzen(const Einstellungen& e);
    void vorbereiten(const Einstellungen& e) {
        proxyUndProtokollSetzen(e);
        zugangSetzen(e);
    }

    // The body as text: Windows-1252, or UTF-8 when the Content-Type names
    // it. At most 4 MiB.
    Abruf textOeffnen(const QString& adresse);
    // The body as bytes. At most 1 MiB.
    Abruf bytesOeffnen(const QString& adresse);
    // The body as bytes, at most `hoechstens` bytes (a large download).
    Abruf bytesOeffnen(const QString& adresse, qint64 hoechstens);

    // A round of requests that belong together (the start-up, one manual
    // update). Within it, once a host could not be reached, its later
    // requests are skipped; in the start-up round, a request past its
    // deadline skips every later request, so that an unreachable server
    // delays a start by one deadline at most.
    class Runde {
    public:
        enum Art { Start, Manuell };
        Runde(Webretreiver& w, Art art) : w_(w) { w_.runde_ = Zustand{art == Start, {}, false}; }
        ~Runde() { w_.runde_.reset(); }
        Runde(const Runde&) = delete;
        Runde& operator=(const Runde&) = delete;

    private:
        Webretreiver& w_;
    };

signals:
    // Bytes of the body received so far, of `gesamt` (-1 when the server
    // does not say), while a request runs.
    void fortschritt(qint64 empfangen, qint64 gesamt);

private:
    struct Zustand {
        bool start = false;
        QSet<QString> gesperrt; // hosts found unreachable
        bool alle = false;      // every later request is skipped
    };

    Abruf oeffnen(const QString& adresse, qint64 hoechstens, bool alsText);
    Abruf warten(QNetworkReply* antwort, qint64 hoechstens, bool alsText);
    void rundeVermerken(const QUrl& adresse, Abruffehler fehler);
    bool uebersprungen(const QUrl& adresse) const;

    std::unique_ptr<QNetworkAccessManager> netz_; // made at the first request
    Fristen fristen_;
    std::optional<Zustand> runde_;
};

} // namespace zirvanto
