#include "online/Webretreiver.h"

#include "data/Einstellungen.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>

#include <memory>

namespace zirvanto {

namespace {

constexpr int HoechstensUmleitungen = 5;

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

struct SpaeterLoeschen {
    void operator()(QObject* o) const { o->deleteLater(); }
};

Abruffehler fehlerart(QNetworkReply::NetworkError fehler, int status) {
    if (status >= 400) return Abruffehler::Status;
    switch (fehler) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError: return Abruffehler::Verbindung;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError: return Abruffehler::Proxy;
    case QNetworkReply::ProtocolUnknownError: // only a redirect can lead to another scheme
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError: return Abruffehler::Umleitung;
    default: return Abruffehler::Sonstiges;
    }
}

QString textAus(const QByteArray& bytes, const QString& inhaltstyp) {
    const bool utf8 = inhaltstyp.contains(QLatin1String("charset=utf-8"), Qt::CaseInsensitive) ||
                      inhaltstyp.contains(QLatin1String("charset=\"utf-8\""), Qt::CaseInsensitive);
    QStringDecoder decoder = utf8 ? QStringDecoder(QStringDecoder::Utf8)
                                  : QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
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

    // Never the system's proxy settings: the named proxy, or none.
    QNetworkProxy proxy(QNetworkProxy::NoProxy);
    if (AccessType == Zugang::BenannterProxy) {
        const qsizetype doppelpunkt = Proxy.lastIndexOf(u':');
        QString host = Proxy.left(doppelpunkt).trimmed();
        // A proxy typed as an address ("http://proxy") means its host.
        if (const qsizetype schema = host.indexOf(QLatin1String("://")); schema >= 0)
            host = host.sliced(schema + 3);
        proxy =
            QNetworkProxy(QNetworkProxy::HttpProxy, host, Proxy.sliced(doppelpunkt + 1).toUShort());
    }
    if (!netz_) netz_ = std::make_unique<QNetworkAccessManager>();
    netz_->setProxy(proxy);

    QNetworkRequest anfrage(url);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Zirvanto/" ZIRVANTO_VERSION));
    anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    anfrage.setMaximumRedirectsAllowed(HoechstensUmleitungen);

    const Sanduhr sanduhr;
    abruf = warten(netz_->get(anfrage), hoechstens, alsText);
    // Through a proxy, a connection that cannot be made is the proxy's.
    if (abruf.fehler == Abruffehler::Verbindung && AccessType == Zugang::BenannterProxy)
        abruf.fehler = Abruffehler::Proxy;
    rundeVermerken(url, abruf.fehler);
    return abruf;
}

Abruf Webretreiver::warten(QNetworkReply* antwortRoh, qint64 hoechstens, bool alsText) {
    const std::unique_ptr<QNetworkReply, SpaeterLoeschen> antwort(antwortRoh);
    Abruf abruf;
    Abruffehler abbruch = Abruffehler::Keiner;
    QEventLoop schleife;
    QTimer still;
    QTimer gesamt;
    still.setSingleShot(true);
    still.setTimerType(Qt::PreciseTimer);
    gesamt.setTimerType(Qt::PreciseTimer);
    gesamt.setSingleShot(true);

    const auto abbrechen = [&](Abruffehler grund) {
        if (abbruch == Abruffehler::Keiner) abbruch = grund;
        antwort->abort();
    };
    const auto daten = [&] {
        still.start(fristen_.ohneDaten);
        const int status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 300 && status < 400) return; // a redirect's own body is not kept
        const QVariant laenge = antwort->header(QNetworkRequest::ContentLengthHeader);
        if (laenge.isValid() && laenge.toLongLong() > hoechstens)
            return abbrechen(Abruffehler::Groesse);
        abruf.bytes += antwort->readAll();
        if (abruf.bytes.size() > hoechstens) abbrechen(Abruffehler::Groesse);
    };
    connect(&still, &QTimer::timeout, &schleife, [&] { abbrechen(Abruffehler::Frist); });
    connect(&gesamt, &QTimer::timeout, &schleife, [&] { abbrechen(Abruffehler::Frist); });
    connect(antwort.get(), &QNetworkReply::metaDataChanged, &schleife, daten);
    connect(antwort.get(), &QNetworkReply::readyRead, &schleife, daten);
    connect(antwort.get(), &QNetworkReply::redirected, &schleife, [&] { still.start(); });
    connect(antwort.get(), &QNetworkReply::finished, &schleife, &QEventLoop::quit);
    connect(antwort.get(), &QNetworkReply::downloadProgress, this, &Webretreiver::fortschritt);
    still.start(fristen_.ohneDaten);
    gesamt.start(fristen_.gesamt);
    if (!antwort->isFinished()) schleife.exec(QEventLoop::ExcludeUserInputEvents);

    const int status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    abruf.adresse = antwort->url();
    if (abbruch != Abruffehler::Keiner) {
        abruf.fehler = abbruch;
    } else if (antwort->error() != QNetworkReply::NoError) {
        abruf.fehler = fehlerart(antwort->error(), status);
    } else if (status < 200 || status >= 300) {
        abruf.fehler = Abruffehler::Status;
    } else {
        abruf.bytes += antwort->readAll();
        if (abruf.bytes.size() > hoechstens) abruf.fehler = Abruffehler::Groesse;
    }
    if (!abruf) {
        abruf.bytes.clear();
        return abruf;
    }
    if (alsText)
        abruf.text =
            textAus(abruf.bytes, antwort->header(QNetworkRequest::ContentTypeHeader).toString());
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
