#pragma once

#include <thread>

namespace zirvanto {

// What the program does once at its start. Reading the system's font
// configuration (fontconfig's files and caches) is the largest single cost
// of a start, so it begins on a second thread before the QApplication, while
// Qt connects to the display. Once the QApplication exists, every label
// shows its text to assistive technology (Wertanzeige.h), and a second
// thread fills Qt's font database from that configuration while the window
// is put together. The database is thread-safe: the window simply waits at
// its first text if the filling is not done yet.
class Programmstart {
public:
    // Before the QApplication.
    Programmstart();
    ~Programmstart();
    Programmstart(const Programmstart&) = delete;
    Programmstart& operator=(const Programmstart&) = delete;

    // Once the QApplication exists, before the window is built.
    void anwendungDa();

private:
    std::thread schriften_;
};

} // namespace zirvanto
