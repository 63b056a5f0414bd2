#pragma once

// The commands of the terminal path and what they share: messages on
// stderr, the output on stdout only once everything has succeeded.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace zirvanto {

// "zirvanto: " and the text, on stderr.
void melden(const QString& text);
// A usage error: the text and the hint to --help; returns its exit status.
int aufruffehler(const QString& text);
QString zitiert(const QString& text);
// Writes the whole output at once; exit status 0, or 1 when it could not
// be written.
int ausgeben(const QString& text);

// A day as YYYY-MM-DD, one the ECB has reference rates for: from
// 1999-01-04 up to today.
std::optional<QDate> datumLesen(const QString& text);

// AMOUNT FROM [TO...] into a line per target, at the rates of `datum` when
// one is given.
int umrechnen(const QStringList& argumente, const QLocale& locale, std::optional<QDate> datum);
// The currencies of the rate list, at the rates of `datum` when one is given.
int auflisten(const QLocale& locale, std::optional<QDate> datum);
// What "Update!" runs: the rate update, both files saved, the outcome on
// stderr.
int aktualisieren();

} // namespace zirvanto
