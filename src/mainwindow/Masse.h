#pragma once

#include <QColor>
#include <QRect>

#include <cstdint>

namespace zirvanto {

// The window is laid out in twips; 15 twips are one device-independent
// pixel, so Qt's own scaling keeps it sharp on high-DPI screens.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}
constexpr QRect twipsRect(int links, int oben, int breite, int hoehe) {
    return QRect(px(links), px(oben), px(breite), px(hoehe));
}

// Outer width of the main window with the rate table shown and hidden.
constexpr int BreiteMitTabelle = 8100;
constexpr int BreiteOhneTabelle = 4100;

// A colour given as 0x00BBGGRR (blue in the high byte).
inline QColor bgrFarbe(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace zirvanto
