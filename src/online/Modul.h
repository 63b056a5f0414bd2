#pragma once

#include <QString>
#include <QtGlobal>

namespace zirvanto {

// A function that a module of the program (a library loaded at its first
// use) exports: the module beside the one tests name in
// Webretreiver::modulpfad, else beside the program, else where it is
// installed. Without it, nullptr, and `fehler` says why.
QFunctionPointer modulfunktion(const QString& datei, const char* name, QString& fehler);

} // namespace zirvanto
