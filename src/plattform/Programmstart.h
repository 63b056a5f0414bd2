#pragma once

#include <thread>

namespace zirvanto {

// What the program does once, right after the QApplication exists and
// before its window is built: every label shows its text to assistive
// technology (Wertanzeige.h), and the system's font configuration is read on a second
// thread while the window is put together. Reading it is the largest single
// cost of a start; the font database is thread-safe, so the window simply
// waits at its first text if the reading is not done yet.
class Programmstart {
public:
    Programmstart();
    ~Programmstart();
    Programmstart(const Programmstart&) = delete;
    Programmstart& operator=(const Programmstart&) = delete;

private:
    std::thread schriften_;
};

} // namespace zirvanto
