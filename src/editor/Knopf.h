#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

namespace zirvanto::editor {

// A push button of the editor's windows with its control name, accessible
// name and place.
inline QPushButton* knopf(QWidget* eltern, const char* name, const QString& text,
                          const QString& zugangsname, QRect rahmen) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    k->setAccessibleName(zugangsname);
    k->setGeometry(rahmen);
    return k;
}

} // namespace zirvanto::editor
