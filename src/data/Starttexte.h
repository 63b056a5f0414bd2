#pragma once

#include <QString>

namespace zirvanto {

// A display text of Texte as the window shows it: the German start values,
// which the settings file keeps as they are, in the interface language;
// any other text (one a server sent) unchanged.
QString anzeigetext(const QString& text);

} // namespace zirvanto
