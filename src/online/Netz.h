#pragma once

// One HTTP request, as the program's client hands it to the network module.
// QtNetwork, and what it links (Kerberos, libproxy), is loaded with that
// module at the first request: a start or a terminal run that sends none
// does not load it.

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <chrono>
#include <cstdint>
#include <functional>

namespace zirvanto {

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

struct Netzanfrage {
    QUrl adresse;
    QByteArray kennung;      // the User-Agent header
    bool ueberProxy = false; // through the named proxy, else none (never the system's)
    QString proxyHost;
    quint16 proxyPort = 0;
    qint64 hoechstens = 0; // the largest body taken
    Fristen fristen;
};

struct Netzantwort {
    Abruf abruf;        // without `text`; the body is empty when the request failed
    QString inhaltstyp; // the Content-Type header
};

// Bytes of the body received so far, of `gesamt` (-1 when the server does
// not say).
using Fortschritt = std::function<void(qint64 empfangen, qint64 gesamt)>;

// The module's side: sends a GET and waits for it in a local event loop
// that excludes user input.
class Netz {
public:
    virtual ~Netz() = default;
    virtual Netzantwort holen(const Netzanfrage& anfrage, const Fortschritt& fortschritt) = 0;
};

// The one symbol the module exports.
using NetzErzeugen = Netz* (*)();
inline constexpr char NetzErzeugenName[] = "zirvanto_netz_erzeugen";

} // namespace zirvanto
