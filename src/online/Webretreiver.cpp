#include "online/Webretreiver.h"

#include "data/Einstellungen.h"
#include "online/Modul.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QStringDecoder>

namespace zirvanto {

namespace {

// The busy cursor for as long as the object lives, whatever way a request
// ends. Without a QGuiApplication (a run in the terminal) there is no cursor.
class Sanduhr {
public:
    Sanduhr() : aktiv_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (aktiv_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~Sanduhr() {
        if (aktiv_) QGuiApplication::restoreOverrideCursor();
    }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;

private:
    const bool aktiv_;
};

QString textAus(const QByteArray& bytes, const QString& inhaltstyp) {
    const bool utf8 = inhaltstyp.contains(QLatin1String("charset=utf-8"), Qt::CaseInsensitive) ||
                      inhaltstyp.contains(QLatin1String("charset=\"utf-8\""), Qt::CaseInsensitive);
    QStringDecoder decoder = utf8 ? QStringDecoder(QStringDecoder::Utf8)
                                  : QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

std::unique_ptr<Netz> netzLaden() {
    QString fehler;
    if (const auto erzeugen = reinterpret_cast<NetzErzeugen>(
            modulfunktion(QStringLiteral("zirvanto_netz.so"), NetzErzeugenName, fehler)))
        return std::unique_ptr<Netz>(erzeugen());
    qWarning("zirvanto: %s", qUtf8Printable(QCoreApplication::translate(
                                                "Webretreiver", "Das Netzwerkmodul fehlt: %1")
                                                .arg(fehler)));
    return nullptr;
}

} // namespace

Webretreiver::Webretreiver(Fristen fristen, QObject* parent) : QObject(parent), fristen_(fristen) {}

Webretreiver::~Webretreiver() = default;

void Webretreiver::proxyUndProtokollSetzen(const Einstellungen& e) {
    Proxy = e.ProxyServer + u':' + QString::number(e.ProxyPort);
    Protocol = Protokoll::HTTP;
}

void Webretreiver::zugangSetzen(const Einstellungen& e) {
    AccessType =
        !e.ProxyServer.isEmpty() && e.ProxyPort != 0 ? Zugang::BenannterProxy : Zugang::Direkt;
}

Abruf Webretreiver::textOeffnen(const QString& adresse) {
    return oeffnen(adresse, GroessterText, true);
}

Abruf Webretreiver::bytesOeffnen(const QString& adresse) {
    return oeffnen(adresse, GroessteBytes, false);
}

Abruf Webretreiver::bytesOeffnen(const QString& adresse, qint64 hoechstens) {
    return oeffnen(adresse, hoechstens, false);
}

Abruf Webretreiver::oeffnen(const QString& adresse, qint64 hoechstens, bool alsText) {
    const QUrl url(adresse);
    const QString schema = url.scheme().toLower();
    Abruf abruf;
    abruf.adresse = url;
    if (!url.isValid() || url.host().isEmpty() ||
        (schema != QLatin1String("http") && schema != QLatin1String("https"))) {
        abruf.fehler = Abruffehler::Adresse;
        return abruf;
    }
    if (uebersprungen(url)) {
        abruf.fehler = Abruffehler::Uebersprungen;
        return abruf;
    }

    Netzanfrage anfrage;
    anfrage.adresse = url;
    anfrage.kennung = QByteArrayLiteral("Zirvanto/" ZIRVANTO_VERSION);
    anfrage.hoechstens = hoechstens;
    anfrage.fristen = fristen_;
    // Never the system's proxy settings: the named proxy, or none.
    if (AccessType == Zugang::BenannterProxy) {
        const qsizetype doppelpunkt = Proxy.lastIndexOf(u':');
        QString host = Proxy.left(doppelpunkt).trimmed();
        // A proxy typed as an address ("http://proxy") means its host.
        if (const qsizetype schema = host.indexOf(QLatin1String("://")); schema >= 0)
            host = host.sliced(schema + 3);
        anfrage.ueberProxy = true;
        anfrage.proxyHost = host;
        anfrage.proxyPort = Proxy.sliced(doppelpunkt + 1).toUShort();
    }
    if (!netz_) netz_ = netzLaden();
    if (!netz_) {
        abruf.fehler = Abruffehler::Sonstiges;
        return abruf;
    }

    const Sanduhr sanduhr;
    Netzantwort antwort = netz_->holen(
        anfrage, [this](qint64 empfangen, qint64 gesamt) { emit fortschritt(empfangen, gesamt); });
    abruf = std::move(antwort.abruf);
    if (abruf && alsText) abruf.text = textAus(abruf.bytes, antwort.inhaltstyp);
    // Through a proxy, a connection that cannot be made is the proxy's.
    if (abruf.fehler == Abruffehler::Verbindung && AccessType == Zugang::BenannterProxy)
        abruf.fehler = Abruffehler::Proxy;
    rundeVermerken(url, abruf.fehler);
    return abruf;
}

void Webretreiver::rundeVermerken(const QUrl& adresse, Abruffehler fehler) {
    if (!runde_) return;
    switch (fehler) {
    case Abruffehler::Proxy: runde_->alle = true; break;
    case Abruffehler::Frist:
        if (runde_->start) runde_->alle = true;
        runde_->gesperrt.insert(adresse.host().toLower());
        break;
    case Abruffehler::Verbindung: runde_->gesperrt.insert(adresse.host().toLower()); break;
    default: break;
    }
}

bool Webretreiver::uebersprungen(const QUrl& adresse) const {
    return runde_ && (runde_->alle || runde_->gesperrt.contains(adresse.host().toLower()));
}

} // namespace zirvanto
