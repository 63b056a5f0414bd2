#pragma once

#include <QDialog>

#include <array>

namespace zirvanto {

// The info window: the program's name, its presenter and version.
// texte[0..5] are the display texts 2 to 7.
class Infoform : public QDialog {
    Q_OBJECT

public:
    Infoform(const std::array<QString, 6>& texte, QWidget* parent = nullptr);
};

} // namespace zirvanto
