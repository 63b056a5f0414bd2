#pragma once

#include "online/Netz.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

namespace zirvanto {

struct Einstellungen;

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

    // The network module's file, when tests name the one they built; the
    // program's other modules lie beside it. Empty: beside the program,
    // then where it is installed.
    static inline QString modulpfad;

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
    void rundeVermerken(const QUrl& adresse, Abruffehler fehler);
    bool uebersprungen(const QUrl& adresse) const;

    std::unique_ptr<Netz> netz_; // the network module's, loaded at the first request
    Fristen fristen_;
    std::optional<Zustand> runde_;
};

} // namespace zirvanto
