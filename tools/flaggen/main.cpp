// Draws the flag pictures of the shipped rate table: one 31 x 24 picture
// (the size of a side-panel flag) per country, named by the country's ISO
// code in lower case ("at.bmp"). Flags are simplified to what still reads at
// this size: stripes, crosses, discs, stars; coats of arms become plain
// shields or discs.
// Usage: flaggen <program folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace {

constexpr int Breite = 31;
constexpr int Hoehe = 24;
constexpr double MitteX = Breite / 2.0;
constexpr double MitteY = Hoehe / 2.0;

QColor farbe(QRgb rgb) {
    return QColor::fromRgb(rgb);
}

const QColor Weiss = farbe(0xFFFFFF);
const QColor Schwarz = farbe(0x000000);

using Streifen = std::initializer_list<std::pair<QRgb, int>>;

// Stripes of the given colours and relative widths, across (one above the
// other) or along the hoist (side by side). Borders are rounded to whole
// pixels so that no stripe bleeds into the next.
void streifen(QPainter& p, Streifen liste, bool quer) {
    int summe = 0;
    for (const auto& s : liste)
        summe += s.second;
    const int laenge = quer ? Hoehe : Breite;
    int bisher = 0;
    for (const auto& s : liste) {
        const int von = static_cast<int>(std::lround(double(bisher) * laenge / summe));
        bisher += s.second;
        const int bis = static_cast<int>(std::lround(double(bisher) * laenge / summe));
        const QRect feld =
            quer ? QRect(0, von, Breite, bis - von) : QRect(von, 0, bis - von, Hoehe);
        p.fillRect(feld, farbe(s.first));
    }
}

void quer(QPainter& p, Streifen liste) {
    streifen(p, liste, true);
}
void laengs(QPainter& p, Streifen liste) {
    streifen(p, liste, false);
}

// Alternating stripes of two colours, the first on top.
void wechselstreifen(QPainter& p, int anzahl, QRgb a, QRgb b) {
    for (int i = 0; i < anzahl; ++i) {
        const int von = static_cast<int>(std::lround(double(i) * Hoehe / anzahl));
        const int bis = static_cast<int>(std::lround(double(i + 1) * Hoehe / anzahl));
        p.fillRect(QRect(0, von, Breite, bis - von), farbe(i % 2 == 0 ? a : b));
    }
}

// A cross through the whole flag: a bar from top to bottom at x .. x+b and
// one from side to side at y .. y+h.
void kreuz(QPainter& p, QRgb f, int x, int b, int y, int h) {
    p.fillRect(QRect(x, 0, b, Hoehe), farbe(f));
    p.fillRect(QRect(0, y, Breite, h), farbe(f));
}

// A star with the given number of points; the first point at the angle
// `richtung` (degrees, 0 = right, -90 = up).
QPolygonF sternform(QPointF mitte, double aussen, double innen, int zacken, double richtung) {
    QPolygonF form;
    for (int i = 0; i < 2 * zacken; ++i) {
        const double winkel = (richtung + i * 180.0 / zacken) * std::numbers::pi / 180.0;
        const double r = i % 2 == 0 ? aussen : innen;
        form << QPointF(mitte.x() + r * std::cos(winkel), mitte.y() + r * std::sin(winkel));
    }
    return form;
}

void stern(QPainter& p, QPointF mitte, double r, QColor f, int zacken = 5, double richtung = -90) {
    const double innen = zacken == 5 ? r * 0.382 : r * 0.45;
    p.setPen(Qt::NoPen);
    p.setBrush(f);
    p.drawPolygon(sternform(mitte, r, innen, zacken, richtung));
}

void scheibe(QPainter& p, QPointF mitte, double r, QColor f) {
    p.setPen(Qt::NoPen);
    p.setBrush(f);
    p.drawEllipse(mitte, r, r);
}

// A crescent: the disc (mitte, r) without the disc (schnitt, rSchnitt).
void halbmond(QPainter& p, QPointF mitte, double r, QPointF schnitt, double rSchnitt, QColor f) {
    QPainterPath voll;
    voll.addEllipse(mitte, r, r);
    QPainterPath weg;
    weg.addEllipse(schnitt, rSchnitt, rSchnitt);
    p.fillPath(voll.subtracted(weg), f);
}

void vieleck(QPainter& p, QPolygonF form, QColor f) {
    p.setPen(Qt::NoPen);
    p.setBrush(f);
    p.drawPolygon(form);
}

// A heraldic shield: flat top, straight sides down to 60 % of the height,
// then curved to a point at the bottom.
QPainterPath schild(QRectF r) {
    QPainterPath form;
    const double knick = r.top() + r.height() * 0.6;
    form.moveTo(r.topLeft());
    form.lineTo(r.topRight());
    form.lineTo(r.right(), knick);
    form.quadTo(r.right(), r.bottom() - r.height() * 0.1, r.center().x(), r.bottom());
    form.quadTo(r.left(), r.bottom() - r.height() * 0.1, r.left(), knick);
    form.closeSubpath();
    return form;
}

// The Union Flag, stretched into the rectangle r.
void unionJack(QPainter& p, QRectF r) {
    const QRgb blau = 0x012169, rot = 0xC8102E;
    p.save();
    p.setClipRect(r);
    p.translate(r.topLeft());
    p.scale(r.width() / 60.0, r.height() / 30.0);
    p.fillRect(QRectF(0, 0, 60, 30), farbe(blau));
    p.setPen(QPen(Weiss, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-3, -1.5), QPointF(63, 31.5));
    p.drawLine(QPointF(-3, 31.5), QPointF(63, -1.5));
    p.setPen(QPen(farbe(rot), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-3, -1.5), QPointF(63, 31.5));
    p.drawLine(QPointF(-3, 31.5), QPointF(63, -1.5));
    p.fillRect(QRectF(25, 0, 10, 30), Weiss);
    p.fillRect(QRectF(0, 10, 60, 10), Weiss);
    p.fillRect(QRectF(27, 0, 6, 30), farbe(rot));
    p.fillRect(QRectF(0, 12, 60, 6), farbe(rot));
    p.restore();
}

// --- the flags, in the order of the rate table --------------------------

void oesterreich(QPainter& p) {
    quer(p, {{0xC8102E, 1}, {0xFFFFFF, 1}, {0xC8102E, 1}});
}
void belgien(QPainter& p) {
    laengs(p, {{0x000000, 1}, {0xFDDA24, 1}, {0xEF3340, 1}});
}
void deutschland(QPainter& p) {
    quer(p, {{0x000000, 1}, {0xDD0000, 1}, {0xFFCE00, 1}});
}
void spanien(QPainter& p) {
    quer(p, {{0xAA151B, 1}, {0xF1BF00, 2}, {0xAA151B, 1}});
}

void finnland(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), Weiss);
    kreuz(p, 0x002F6C, 8, 5, 9, 6);
}

void frankreich(QPainter& p) {
    laengs(p, {{0x002395, 1}, {0xFFFFFF, 1}, {0xED2939, 1}});
}
void irland(QPainter& p) {
    laengs(p, {{0x169B62, 1}, {0xFFFFFF, 1}, {0xFF883E, 1}});
}
void italien(QPainter& p) {
    laengs(p, {{0x009246, 1}, {0xFFFFFF, 1}, {0xCE2B37, 1}});
}
void luxemburg(QPainter& p) {
    quer(p, {{0xED2939, 1}, {0xFFFFFF, 1}, {0x00A1DE, 1}});
}
void niederlande(QPainter& p) {
    quer(p, {{0xAE1C28, 1}, {0xFFFFFF, 1}, {0x21468B, 1}});
}

// Green and red, the armillary sphere as a yellow ring with the shield.
void portugal(QPainter& p) {
    laengs(p, {{0x006600, 2}, {0xFF0000, 3}});
    const QPointF mitte(12, MitteY);
    p.setPen(QPen(farbe(0xFFE000), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, 5, 5);
    p.fillPath(schild(QRectF(9.4, 8.6, 5.2, 6.6)), farbe(0xFF0000));
    p.fillPath(schild(QRectF(10.4, 9.6, 3.2, 4.6)), Weiss);
}

// Nine stripes, the canton with the white cross.
void griechenland(QPainter& p) {
    const QRgb blau = 0x0D5EAF;
    wechselstreifen(p, 9, blau, 0xFFFFFF);
    p.fillRect(QRect(0, 0, 13, 13), farbe(blau));
    p.fillRect(QRect(0, 5, 13, 3), Weiss);
    p.fillRect(QRect(5, 0, 3, 13), Weiss);
}

// The tricolour with the shield: Triglav as a white peak on blue.
void slowenien(QPainter& p) {
    quer(p, {{0xFFFFFF, 1}, {0x005DA4, 1}, {0xED1C24, 1}});
    const QPainterPath form = schild(QRectF(5, 3.5, 7, 10));
    p.fillPath(form, farbe(0x005DA4));
    p.setPen(QPen(farbe(0xED1C24), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(form);
    vieleck(p, QPolygonF{QPointF(6.2, 10.5), QPointF(8.5, 6), QPointF(10.8, 10.5)}, Weiss);
}

// White and red halves, the George Cross in the canton.
void malta(QPainter& p) {
    laengs(p, {{0xFFFFFF, 1}, {0xCF142B, 1}});
    QPainterPath form;
    form.addRect(QRectF(3.5, 1.5, 2, 6));
    form.addRect(QRectF(1.5, 3.5, 6, 2));
    form = form.simplified();
    p.fillPath(form, farbe(0xA0A0A0));
    p.setPen(QPen(farbe(0xCF142B), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(form);
}

// The tricolour with the red shield, its white double cross on blue hills.
void slowakei(QPainter& p) {
    const QRgb blau = 0x0B4EA2;
    quer(p, {{0xFFFFFF, 1}, {blau, 1}, {0xEE1C25, 1}});
    const QPainterPath form = schild(QRectF(6, 4, 9, 15));
    p.fillPath(form, farbe(0xEE1C25));
    p.save();
    p.setClipPath(form);
    scheibe(p, QPointF(10.5, 19.5), 4.2, farbe(blau));
    p.restore();
    p.fillRect(QRectF(9.9, 6, 1.2, 9.5), Weiss);
    p.fillRect(QRectF(8.5, 8, 4, 1.1), Weiss);
    p.fillRect(QRectF(7.5, 10.8, 6, 1.2), Weiss);
    p.setPen(QPen(Weiss, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(form);
}

void estland(QPainter& p) {
    quer(p, {{0x0072CE, 1}, {0x000000, 1}, {0xFFFFFF, 1}});
}
void lettland(QPainter& p) {
    quer(p, {{0x9E3039, 2}, {0xFFFFFF, 1}, {0x9E3039, 2}});
}
void litauen(QPainter& p) {
    quer(p, {{0xFDB913, 1}, {0x006A44, 1}, {0xC1272D, 1}});
}

// The tricolour with the red and white chequered shield under a blue crown.
void kroatien(QPainter& p) {
    quer(p, {{0xFF0000, 1}, {0xFFFFFF, 1}, {0x171796, 1}});
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(10.3 + 2 * i, 4, 1.4, 1.6), farbe(0x1B6FD1));
    const QPainterPath form = schild(QRectF(10, 6, 10, 12));
    p.fillPath(form, Weiss);
    p.save();
    p.setClipPath(form);
    for (int zeile = 0; zeile < 6; ++zeile)
        for (int spalte = 0; spalte < 5; ++spalte)
            if ((zeile + spalte) % 2 == 0)
                p.fillRect(QRectF(10 + 2 * spalte, 6 + 2 * zeile, 2, 2), farbe(0xFF0000));
    p.restore();
    p.setPen(QPen(farbe(0xFF0000), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(form);
}

void bulgarien(QPainter& p) {
    quer(p, {{0xFFFFFF, 1}, {0x00966E, 1}, {0xD62612, 1}});
}

// Thirteen stripes; the stars of the canton as white dots.
void usa(QPainter& p) {
    wechselstreifen(p, 13, 0xB22234, 0xFFFFFF);
    p.fillRect(QRect(0, 0, 13, 13), farbe(0x3C3B6E));
    for (int zeile = 0; zeile < 6; ++zeile)
        for (int x = zeile % 2 == 0 ? 1 : 3; x < 12; x += 4)
            p.fillRect(QRect(x, 1 + 2 * zeile, 1, 1), Weiss);
}

void japan(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), Weiss);
    scheibe(p, QPointF(MitteX, MitteY), 7.2, farbe(0xBC002D));
}

void tschechien(QPainter& p) {
    quer(p, {{0xFFFFFF, 1}, {0xD7141A, 1}});
    vieleck(p, QPolygonF{QPointF(0, 0), QPointF(MitteX, MitteY), QPointF(0, Hoehe)},
            farbe(0x11457E));
}

void daenemark(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0xC8102E));
    kreuz(p, 0xFFFFFF, 10, 4, 10, 4);
}

void grossbritannien(QPainter& p) {
    unionJack(p, QRectF(0, 0, Breite, Hoehe));
}
void ungarn(QPainter& p) {
    quer(p, {{0xCE2939, 1}, {0xFFFFFF, 1}, {0x477050, 1}});
}
void polen(QPainter& p) {
    quer(p, {{0xFFFFFF, 1}, {0xDC143C, 1}});
}
void rumaenien(QPainter& p) {
    laengs(p, {{0x002B7F, 1}, {0xFCD116, 1}, {0xCE1126, 1}});
}

void schweden(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0x006AA7));
    kreuz(p, 0xFECC00, 10, 4, 10, 4);
}

// The square Swiss flag, its field widened to the picture.
void schweiz(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0xDA291C));
    p.fillRect(QRect(13, 5, 5, 14), Weiss);
    p.fillRect(QRect(9, 10, 13, 4), Weiss);
}

void island(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0x02529C));
    kreuz(p, 0xFFFFFF, 8, 5, 9, 6);
    kreuz(p, 0xDC1E35, 9, 3, 10, 4);
}

void norwegen(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0xBA0C2F));
    kreuz(p, 0xFFFFFF, 8, 5, 9, 6);
    kreuz(p, 0x00205B, 9, 3, 10, 4);
}

void tuerkei(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0xE30A17));
    halbmond(p, QPointF(11.2, MitteY), 6, QPointF(12.8, MitteY), 4.8, Weiss);
    stern(p, QPointF(18.4, MitteY), 3, Weiss, 5, 180);
}

// The Southern Cross, as on the flags of Australia and New Zealand.
const QPointF SuedkreuzOben(23.5, 4.5), SuedkreuzLinks(19.5, 10.8), SuedkreuzRechts(27.2, 9.4),
    SuedkreuzUnten(23.5, 19.6);

void australien(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0x00008B));
    unionJack(p, QRectF(0, 0, MitteX, MitteY));
    stern(p, QPointF(7.75, 18), 3.2, Weiss, 7);
    for (const QPointF& ort : {SuedkreuzOben, SuedkreuzLinks, SuedkreuzRechts, SuedkreuzUnten})
        stern(p, ort, 1.9, Weiss, 7);
    stern(p, QPointF(25.2, 13.6), 1.1, Weiss);
}

// Green with the yellow rhombus and the blue globe with its white band.
void brasilien(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0x009C3B));
    vieleck(p,
            QPolygonF{QPointF(2.6, MitteY), QPointF(MitteX, 2.3), QPointF(28.4, MitteY),
                      QPointF(MitteX, 21.7)},
            farbe(0xFFDF00));
    const QPointF mitte(MitteX, MitteY);
    scheibe(p, mitte, 5.3, farbe(0x002776));
    QPainterPath globus;
    globus.addEllipse(mitte, 5.3, 5.3);
    p.save();
    p.setClipPath(globus);
    p.setPen(QPen(Weiss, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(13, 21.5), 11, 11);
    p.restore();
}

// Red, white, red, with a maple leaf of eleven points.
void kanada(QPainter& p) {
    const QRgb rot = 0xD80621;
    laengs(p, {{rot, 1}, {0xFFFFFF, 2}, {rot, 1}});
    // Right half of the leaf from the top point down to the stem, relative
    // to its centre; the left half is its mirror image.
    const QPointF haelfte[] = {{0, -6.0},   {1.1, -3.9}, {2.3, -4.5}, {1.7, -1.2}, {3.3, -2.9},
                               {3.7, -2.0}, {5.6, -2.4}, {4.9, -0.3}, {5.6, 0.2},  {2.7, 2.6},
                               {3.1, 3.6},  {0.4, 3.3},  {0.4, 6.0}};
    const QPointF mitte(MitteX, 11.5);
    QPolygonF blatt;
    for (const QPointF& punkt : haelfte)
        blatt << mitte + punkt;
    for (auto it = std::rbegin(haelfte); it != std::rend(haelfte) - 1; ++it)
        blatt << mitte + QPointF(-it->x(), it->y());
    vieleck(p, blatt, farbe(rot));
}

// Red with one large and four small yellow stars.
void china(QPainter& p) {
    const QColor gelb = farbe(0xFFFF00);
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0xEE1C25));
    stern(p, QPointF(5.4, 6), 3.6, gelb);
    const QPointF klein[] = {{10.6, 2.4}, {12.6, 4.8}, {12.6, 8.0}, {10.6, 10.4}};
    for (const QPointF& ort : klein) {
        // each small star points at the centre of the large one
        const double richtung = std::atan2(6 - ort.y(), 5.4 - ort.x()) * 180 / std::numbers::pi;
        stern(p, ort, 1.3, gelb, 5, richtung);
    }
}

// Red with the white five-petalled bauhinia.
void hongkong(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0xDE2910));
    p.setPen(Qt::NoPen);
    p.setBrush(Weiss);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(MitteX, MitteY);
        p.rotate(-90 + 72 * i);
        p.drawEllipse(QPointF(3.6, 0.6), 3.6, 2.1);
        p.restore();
    }
    scheibe(p, QPointF(MitteX, MitteY), 0.9, farbe(0xDE2910));
}

void indonesien(QPainter& p) {
    quer(p, {{0xCE1126, 1}, {0xFFFFFF, 1}});
}

// White with two blue bands and the Star of David of two triangles.
void israel(QPainter& p) {
    const QColor blau = farbe(0x0038B8);
    p.fillRect(QRect(0, 0, Breite, Hoehe), Weiss);
    p.fillRect(QRect(0, 2, Breite, 4), blau);
    p.fillRect(QRect(0, 18, Breite, 4), blau);
    p.setPen(QPen(blau, 1.1));
    p.setBrush(Qt::NoBrush);
    for (double anfang : {-90.0, 90.0}) {
        QPolygonF dreieck;
        for (int i = 0; i < 3; ++i) {
            const double w = (anfang + 120 * i) * std::numbers::pi / 180;
            dreieck << QPointF(MitteX + 4.6 * std::cos(w), MitteY + 4.6 * std::sin(w));
        }
        p.drawPolygon(dreieck);
    }
}

// Saffron, white and green, the navy wheel in the middle.
void indien(QPainter& p) {
    const QColor blau = farbe(0x000080);
    quer(p, {{0xFF9933, 1}, {0xFFFFFF, 1}, {0x138808, 1}});
    const QPointF mitte(MitteX, MitteY);
    p.setPen(QPen(blau, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, 3.4, 3.4);
    p.setPen(QPen(blau, 0.4));
    for (int i = 0; i < 8; ++i) {
        const double w = i * std::numbers::pi / 4;
        p.drawLine(mitte, mitte + QPointF(3.4 * std::cos(w), 3.4 * std::sin(w)));
    }
    scheibe(p, mitte, 0.8, blau);
}

// White with the red and blue taegeuk and the four black trigrams.
void suedkorea(QPainter& p) {
    const QColor rot = farbe(0xCD2E3A), blau = farbe(0x0047A0);
    p.fillRect(QRect(0, 0, Breite, Hoehe), Weiss);
    const double neigung = std::atan2(2.0, 3.0) * 180 / std::numbers::pi;
    const double r = 5.6;

    p.save();
    p.translate(MitteX, MitteY);
    p.rotate(neigung);
    QPainterPath oben;
    oben.moveTo(0, 0);
    oben.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 0, 180);
    oben.closeSubpath();
    QPainterPath unten;
    unten.moveTo(0, 0);
    unten.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 180, 180);
    unten.closeSubpath();
    p.fillPath(oben, rot);
    p.fillPath(unten, blau);
    scheibe(p, QPointF(-r / 2, 0), r / 2, rot);
    scheibe(p, QPointF(r / 2, 0), r / 2, blau);
    p.restore();

    // Trigrams from the inside out; a broken bar has a gap in the middle.
    struct Trigramm {
        double richtung;
        bool gebrochen[3];
    };
    const Trigramm trigramme[] = {
        {180 + neigung, {false, false, false}}, // geon, upper left
        {-neigung, {true, false, true}},        // gam, upper right
        {180 - neigung, {false, true, false}},  // ri, lower left
        {neigung, {true, true, true}},          // gon, lower right
    };
    // Without smoothing the slanted bars stay apart instead of blurring into
    // one grey patch.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Schwarz, 1.2, Qt::SolidLine, Qt::FlatCap));
    for (const Trigramm& t : trigramme) {
        p.save();
        p.translate(MitteX, MitteY);
        p.rotate(t.richtung);
        for (int i = 0; i < 3; ++i) {
            const double x = 7.9 + 1.9 * i;
            if (t.gebrochen[i]) {
                p.drawLine(QPointF(x, -2.5), QPointF(x, -0.5));
                p.drawLine(QPointF(x, 0.5), QPointF(x, 2.5));
            } else {
                p.drawLine(QPointF(x, -2.5), QPointF(x, 2.5));
            }
        }
        p.restore();
    }
}

// Green, white, red; the eagle on the cactus as a brown disc over a green
// wreath, which tells the flag from the Italian one.
void mexiko(QPainter& p) {
    laengs(p, {{0x006847, 1}, {0xFFFFFF, 1}, {0xCE1126, 1}});
    p.setPen(QPen(farbe(0x5A7B2E), 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(MitteX - 4, MitteY - 4, 8, 8), 200 * 16, 140 * 16);
    scheibe(p, QPointF(MitteX, MitteY - 0.5), 2.6, farbe(0x8C5A2B));
}

// Fourteen stripes; crescent and fourteen-pointed star on the blue canton.
void malaysia(QPainter& p) {
    const QColor gelb = farbe(0xFFCC00);
    wechselstreifen(p, 14, 0xCC0001, 0xFFFFFF);
    p.fillRect(QRect(0, 0, 16, 14), farbe(0x010066));
    halbmond(p, QPointF(6.3, 7), 4.6, QPointF(7.9, 7), 3.9, gelb);
    stern(p, QPointF(12.2, 7), 2.8, gelb, 14);
}

void neuseeland(QPainter& p) {
    p.fillRect(QRect(0, 0, Breite, Hoehe), farbe(0x012169));
    unionJack(p, QRectF(0, 0, MitteX, MitteY));
    const std::pair<QPointF, double> sterne[] = {
        {SuedkreuzOben, 2.0}, {SuedkreuzLinks, 2.1}, {SuedkreuzRechts, 1.8}, {SuedkreuzUnten, 2.3}};
    for (const auto& [ort, r] : sterne) {
        stern(p, ort, r + 0.8, Weiss);
        stern(p, ort, r, farbe(0xC8102E));
    }
}

// Blue over red, the white triangle with the sun and three stars.
void philippinen(QPainter& p) {
    const QColor gelb = farbe(0xFCD116);
    quer(p, {{0x0038A8, 1}, {0xCE1126, 1}});
    vieleck(p,
            QPolygonF{QPointF(0, 0), QPointF(Hoehe * std::numbers::sqrt3 / 2, MitteY),
                      QPointF(0, Hoehe)},
            Weiss);
    const QPointF sonne(6.6, MitteY);
    scheibe(p, sonne, 2.1, gelb);
    p.setPen(QPen(gelb, 0.9));
    for (int i = 0; i < 8; ++i) {
        const double w = i * std::numbers::pi / 4;
        const QPointF strahl(std::cos(w), std::sin(w));
        p.drawLine(sonne + 2.4 * strahl, sonne + 3.9 * strahl);
    }
    for (const QPointF& ort : {QPointF(2.2, 2.6), QPointF(2.2, 21.4), QPointF(17.0, MitteY)})
        stern(p, ort, 1.4, gelb);
}

// Red over white; crescent and five stars in the red half.
void singapur(QPainter& p) {
    quer(p, {{0xEF3340, 1}, {0xFFFFFF, 1}});
    halbmond(p, QPointF(6.5, 6), 4.3, QPointF(8.1, 6), 3.8, Weiss);
    for (int i = 0; i < 5; ++i) {
        const double w = (-90 + 72 * i) * std::numbers::pi / 180;
        stern(p, QPointF(10.8 + 2.1 * std::cos(w), 6 + 2.1 * std::sin(w)), 1.0, Weiss);
    }
}

void thailand(QPainter& p) {
    quer(p, {{0xA51931, 1}, {0xFFFFFF, 1}, {0x2D2A4A, 2}, {0xFFFFFF, 1}, {0xA51931, 1}});
}

// Red over blue, the green Y bordered white outside and yellow inside, the
// black triangle at the hoist.
void suedafrika(QPainter& p) {
    quer(p, {{0xE03C31, 1}, {0x001489, 1}});
    const QPointF gabel(11, MitteY);
    QPainterPath y;
    y.moveTo(-2, -2.4);
    y.lineTo(gabel);
    y.lineTo(-2, Hoehe + 2.4);
    y.moveTo(gabel);
    y.lineTo(Breite + 1, MitteY);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Weiss, 8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(y);
    vieleck(p, QPolygonF{QPointF(-2, -2.4), gabel, QPointF(-2, Hoehe + 2.4)}, farbe(0xFFB81C));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(farbe(0x007749), 4.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(y);
    // 1.6 pixels of yellow inside the green band
    vieleck(p, QPolygonF{QPointF(0, 5.8), QPointF(5.6, MitteY), QPointF(0, 18.2)}, Schwarz);
}

struct Flagge {
    const char* land;
    void (*zeichnen)(QPainter&);
};

const Flagge Flaggen[] = {
    {"at", oesterreich},     {"be", belgien},    {"de", deutschland},
    {"es", spanien},         {"fi", finnland},   {"fr", frankreich},
    {"ie", irland},          {"it", italien},    {"lu", luxemburg},
    {"nl", niederlande},     {"pt", portugal},   {"gr", griechenland},
    {"si", slowenien},       {"mt", malta},      {"sk", slowakei},
    {"ee", estland},         {"lv", lettland},   {"lt", litauen},
    {"hr", kroatien},        {"bg", bulgarien},  {"us", usa},
    {"jp", japan},           {"cz", tschechien}, {"dk", daenemark},
    {"gb", grossbritannien}, {"hu", ungarn},     {"pl", polen},
    {"ro", rumaenien},       {"se", schweden},   {"ch", schweiz},
    {"is", island},          {"no", norwegen},   {"tr", tuerkei},
    {"au", australien},      {"br", brasilien},  {"ca", kanada},
    {"cn", china},           {"hk", hongkong},   {"id", indonesien},
    {"il", israel},          {"in", indien},     {"kr", suedkorea},
    {"mx", mexiko},          {"my", malaysia},   {"nz", neuseeland},
    {"ph", philippinen},     {"sg", singapur},   {"th", thailand},
    {"za", suedafrika},
};

QImage zeichnen(const Flagge& flagge) {
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    bild.fill(Weiss);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    flagge.zeichnen(p);
    return bild;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: flaggen <Programmordner>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Flagge& flagge : Flaggen) {
        const QString pfad = ziel.filePath(QString::fromLatin1(flagge.land) + ".bmp");
        // A 32-bit picture is written as a 24-bit BMP.
        if (!zeichnen(flagge).save(pfad, "BMP")) {
            std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(pfad));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
