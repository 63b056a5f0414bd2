#pragma once

#include <QRect>

namespace zirvanto {

// Windows are laid out in twips; 15 twips are one device-independent
// pixel, so Qt's own scaling keeps them sharp on high-DPI screens.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}
constexpr QRect twipsRect(int links, int oben, int breite, int hoehe) {
    return QRect(px(links), px(oben), px(breite), px(hoehe));
}

} // namespace zirvanto
