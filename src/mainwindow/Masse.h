#pragma once

#include "plattform/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

#include <cstdint>

namespace zirvanto {

// Outer width of the main window with the rate table shown and hidden.
constexpr int BreiteMitTabelle = 8100;
constexpr int BreiteOhneTabelle = 4100;

// `basis` at the largest pixel size, no larger than its own, in which every
// one of `texte` fits `breite` and a line fits `hoehe`. Sized in pixels, the
// result fits the same at any font resolution (QT_FONT_DPI) and scales with
// the window (QT_SCALE_FACTOR). Results are kept, so that fields of one font
// and size share one.
QFont passendeSchrift(const QFont& basis, const QStringList& texte, qreal breite, qreal hoehe);

// A colour given as 0x00BBGGRR (blue in the high byte).
inline QColor bgrFarbe(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace zirvanto
