#pragma once

#include <QRect>

namespace zirvanto::editor {

// The editor's windows are laid out in twips; 15 twips are one
// device-independent pixel.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}
constexpr QRect twipsRect(int links, int oben, int breite, int hoehe) {
    return QRect(px(links), px(oben), px(breite), px(hoehe));
}

} // namespace zirvanto::editor
