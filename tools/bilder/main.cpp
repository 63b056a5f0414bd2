// Draws the program's pictures: the design-time pictures compiled into the
// program and the arrow pictures that lie in the program folder.
// Usage: bilder <resources folder>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage leer(int breite, int hoehe, QColor grund) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(grund);
    return bild;
}

// A 21 x 21 arrow on the button face, pointing right (open the rate
// table) or left (close it).
QImage pfeil(bool nachRechts) {
    QImage bild = leer(21, 21, QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath spitze;
    if (nachRechts) {
        spitze.moveTo(7, 4);
        spitze.lineTo(15, 10.5);
        spitze.lineTo(7, 17);
    } else {
        spitze.moveTo(14, 4);
        spitze.lineTo(6, 10.5);
        spitze.lineTo(14, 17);
    }
    spitze.closeSubpath();
    p.fillPath(spitze, QColor(0, 0, 0x80));
    return bild;
}

// A Euro coin: a golden disc with the Euro sign.
QImage muenze() {
    QImage bild = leer(60, 72, QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gold(QPointF(24, 28), 30);
    gold.setColorAt(0, QColor(0xFF, 0xE8, 0x80));
    gold.setColorAt(1, QColor(0xC0, 0x90, 0x20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(0x80, 0x60, 0x10), 2));
    p.drawEllipse(QRectF(4, 10, 52, 52));
    p.setPen(QPen(QColor(0x40, 0x30, 0x00), 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(18, 22, 26, 28), 50 * 16, 260 * 16);
    p.setPen(QPen(QColor(0x40, 0x30, 0x00), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(13, 32), QPointF(36, 32));
    p.drawLine(QPointF(13, 40), QPointF(34, 40));
    return bild;
}

// The advertisement picture under the keypad, with its slogan in one
// language.
QImage werbung(const QString& spruch) {
    QImage bild = leer(266, 89, Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 266, 0);
    verlauf.setColorAt(0, QColor(0x00, 0x33, 0x99));
    verlauf.setColorAt(1, QColor(0x33, 0x66, 0xCC));
    p.fillRect(bild.rect(), verlauf);
    p.setPen(QColor(0xFF, 0xCC, 0x00));
    for (int i = 0; i < 12; ++i) {
        QTransform t;
        t.translate(44, 44);
        t.rotate(i * 30);
        p.setTransform(t);
        p.drawEllipse(QPointF(0, -30), 3, 3);
    }
    p.resetTransform();
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(22);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(Qt::white);
    p.drawText(QRect(86, 14, 176, 34), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Zirvanto"));
    schrift.setPixelSize(12);
    schrift.setBold(false);
    p.setFont(schrift);
    p.drawText(QRect(86, 48, 176, 26), Qt::AlignLeft | Qt::AlignVCenter, spruch);
    return bild;
}

bool speichern(const QImage& bild, const QString& pfad) {
    if (bild.save(pfad)) return true;
    std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(pfad));
    return false;
}

// The pictures built into the program: 32-bit bitmaps stored top-down, their
// pixels at byte 56, in the byte order of QImage::Format_RGB32, so that the
// program can show an uncompressed one straight from its read-only data.
bool eingebautSpeichern(const QImage& bild, const QString& pfad) {
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    const quint32 anfang = 56, groesse = quint32(rgb.width() * 4 * rgb.height());
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) {
        QDataStream s(&datei);
        s.setByteOrder(QDataStream::LittleEndian);
        s.writeRawData("BM", 2);
        s << anfang + groesse << quint32(0) << anfang << quint32(40) << qint32(rgb.width())
          << qint32(-rgb.height()) << quint16(1) << quint16(32) << quint32(0) << groesse
          << qint32(3780) << qint32(3780) << quint32(0) << quint32(0) << quint16(0);
        for (int y = 0; y < rgb.height(); ++y)
            s.writeRawData(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4);
        if (s.status() == QDataStream::Ok && datei.flush()) return true;
    }
    std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(pfad));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: bilder <resources-Ordner>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    bool ok = speichern(pfeil(true), ziel.filePath(QStringLiteral("programm/pfeilauf.bmp")));
    ok &= speichern(pfeil(false), ziel.filePath(QStringLiteral("programm/pfeilzu.bmp")));
    ok &= eingebautSpeichern(pfeil(true), ziel.filePath(QStringLiteral("bilder/aufzu.bmp")));
    ok &= eingebautSpeichern(muenze(), ziel.filePath(QStringLiteral("bilder/image1.bmp")));
    ok &= eingebautSpeichern(werbung(QStringLiteral("Ihr Euro-Rechner")),
                             ziel.filePath(QStringLiteral("bilder/werbelogo.bmp")));
    ok &= eingebautSpeichern(werbung(QStringLiteral("Your euro calculator")),
                             ziel.filePath(QStringLiteral("bilder/werbelogo_en.bmp")));
    ok &= eingebautSpeichern(werbung(QStringLiteral("La calcolatrice dell'euro")),
                             ziel.filePath(QStringLiteral("bilder/werbelogo_it.bmp")));
    return ok ? 0 : 1;
}
