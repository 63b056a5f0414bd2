#include "online/Bilddatei.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

namespace zirvanto {

namespace {
constexpr qsizetype KuerzestesBild = 514;
constexpr int GroessteKante = 1024;

bool kanteTaugt(QSize groesse) {
    return groesse.isValid() && groesse.width() <= GroessteKante &&
           groesse.height() <= GroessteKante;
}
} // namespace

bool bildTaugt(const QByteArray& bytes) {
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer);
    if (!kanteTaugt(leser.size())) return false;
    const QImage bild = leser.read();
    return !bild.isNull() && kanteTaugt(bild.size());
}

bool bildSchreiben(const QString& pfad, const QByteArray& bytes) {
    if (bytes.size() < KuerzestesBild || !bildTaugt(bytes)) return false;
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

} // namespace zirvanto
