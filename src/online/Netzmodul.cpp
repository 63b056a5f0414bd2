// The network module: the program's HTTP requests through QtNetwork, loaded
// at the first request (see online/Netz.h).
#include "online/Netz.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace zirvanto {
namespace {

constexpr int HoechstensUmleitungen = 5;

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

class QtNetz final : public Netz {
public:
    Netzantwort holen(const Netzanfrage& anfrage, const Fortschritt& fortschritt) override {
        netz_.setProxy(anfrage.ueberProxy ? QNetworkProxy(QNetworkProxy::HttpProxy,
                                                          anfrage.proxyHost, anfrage.proxyPort)
                                          : QNetworkProxy(QNetworkProxy::NoProxy));
        QNetworkRequest qtAnfrage(anfrage.adresse);
        qtAnfrage.setHeader(QNetworkRequest::UserAgentHeader, anfrage.kennung);
        qtAnfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                               QNetworkRequest::NoLessSafeRedirectPolicy);
        qtAnfrage.setMaximumRedirectsAllowed(HoechstensUmleitungen);
        return warten(netz_.get(qtAnfrage), anfrage, fortschritt);
    }

private:
    static Netzantwort warten(QNetworkReply* antwortRoh, const Netzanfrage& anfrage,
                              const Fortschritt& fortschritt) {
        const std::unique_ptr<QNetworkReply, SpaeterLoeschen> antwort(antwortRoh);
        const qint64 hoechstens = anfrage.hoechstens;
        Netzantwort ergebnis;
        Abruf& abruf = ergebnis.abruf;
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
            still.start(anfrage.fristen.ohneDaten);
            const int status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (status >= 300 && status < 400) return; // a redirect's own body is not kept
            const QVariant laenge = antwort->header(QNetworkRequest::ContentLengthHeader);
            if (laenge.isValid() && laenge.toLongLong() > hoechstens)
                return abbrechen(Abruffehler::Groesse);
            abruf.bytes += antwort->readAll();
            if (abruf.bytes.size() > hoechstens) abbrechen(Abruffehler::Groesse);
        };
        QObject::connect(&still, &QTimer::timeout, &schleife,
                         [&] { abbrechen(Abruffehler::Frist); });
        QObject::connect(&gesamt, &QTimer::timeout, &schleife,
                         [&] { abbrechen(Abruffehler::Frist); });
        QObject::connect(antwort.get(), &QNetworkReply::metaDataChanged, &schleife, daten);
        QObject::connect(antwort.get(), &QNetworkReply::readyRead, &schleife, daten);
        QObject::connect(antwort.get(), &QNetworkReply::redirected, &schleife,
                         [&] { still.start(); });
        QObject::connect(antwort.get(), &QNetworkReply::finished, &schleife, &QEventLoop::quit);
        if (fortschritt)
            QObject::connect(antwort.get(), &QNetworkReply::downloadProgress, &schleife,
                             fortschritt);
        still.start(anfrage.fristen.ohneDaten);
        gesamt.start(anfrage.fristen.gesamt);
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
        if (!abruf)
            abruf.bytes.clear();
        else
            ergebnis.inhaltstyp = antwort->header(QNetworkRequest::ContentTypeHeader).toString();
        return ergebnis;
    }

    QNetworkAccessManager netz_;
};

} // namespace
} // namespace zirvanto

extern "C" Q_DECL_EXPORT zirvanto::Netz* zirvanto_netz_erzeugen() {
    return new zirvanto::QtNetz;
}
