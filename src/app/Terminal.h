#pragma once

namespace zirvanto {

// Exit statuses of the terminal path.
namespace Ausgang {
inline constexpr int Erfolg = 0;
inline constexpr int Fehlschlag = 1;         // the output could not be written
inline constexpr int Aufruffehler = 2;       // bad option, argument or amount
inline constexpr int UnbekannteWaehrung = 3; // a code not in the table, or without a rate
} // namespace Ausgang

// Whether the arguments ask for the terminal rather than the window: any
// argument does, except Qt's own options for a window program (-style,
// -session, -platform and the like). It only looks at the arguments, so the
// window's start pays nothing for it.
bool terminalaufruf(int argc, char** argv);

// The terminal path: converts amounts or lists the currency table, with the
// table and settings the window reads, and writes nothing. It runs on a
// QCoreApplication alone: no platform plugin, no display, no fonts. Returns
// the exit status.
int terminal(int argc, char** argv);

} // namespace zirvanto
