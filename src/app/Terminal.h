#pragma once

namespace zirvanto {

// Exit statuses of the terminal path.
namespace Ausgang {
inline constexpr int Erfolg = 0;
inline constexpr int Fehlschlag = 1;         // an update, a history fetch or the output failed
inline constexpr int Aufruffehler = 2;       // bad option, argument, amount or date
inline constexpr int UnbekannteWaehrung = 3; // a code not in the table, or without a rate
} // namespace Ausgang

// Whether the arguments ask for the terminal rather than the window: any
// argument does, except Qt's own options for a window program (-style,
// -session, -platform and the like). It only looks at the arguments, so the
// window's start pays nothing for it.
bool terminalaufruf(int argc, char** argv);

// The terminal path: converts amounts, lists the currency table (today's or
// a past day's) or updates the rates, with the table, settings and history
// the window uses. Only the update (both files) and a day the history does
// not hold yet (the history) write. It runs on a QCoreApplication alone: no
// platform plugin, no display, no fonts. Returns the exit status.
int terminal(int argc, char** argv);

} // namespace zirvanto
