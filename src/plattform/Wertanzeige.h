#pragma once

#include <QLabel>

namespace zirvanto {

// A label that shows a value (an amount, a rate, a date). What it shows is
// its accessible text; its accessible name says what the value is. Every
// change of the shown text is announced to assistive technology, so that a
// screen reader can read a new result without the user moving there.
class Wertanzeige : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Shows the text; announces it only when it differs from the shown one.
    void setText(const QString& text);
};

// Gives every QLabel of the program an accessible text interface that
// carries the shown text (labels that show a picture keep Qt's own
// interface). Called once, after the QApplication exists.
void beschriftungenZugaenglichMachen();

} // namespace zirvanto
