#pragma once

#include <QString>
#include <QStringList>

namespace zirvanto {

// Where the program keeps its files.
struct Ordnerwahl {
    // The program folder: both data files and whatever updates download.
    QString programmordner;
    // Folders searched for pictures after the program folder.
    QStringList weitereBildordner;
    // Set when the user's data folder could not be prepared; the program
    // still starts, and every later save reports its own failure.
    QString fehler;
};

// The folder of the shipped files of an installed program, relative to the
// folder of its executable ("../share/zirvanto"), so that an installed tree
// can be moved whole.
inline const QString InstallierteDateien = QStringLiteral(ZIRVANTO_INSTALLIERTE_DATEIEN);

// Chooses the program folder. A folder of the executable that holds the rate
// file or the settings file is a portable installation and stays the program
// folder. Otherwise the program is installed and writes nothing beside
// itself: the program folder is the user's data folder, created when missing
// and given a copy of the shipped rate table when it has none; pictures are
// looked up there first and then among the shipped files.
Ordnerwahl ordnerBestimmen(const QString& programmverzeichnis, const QString& benutzerordner);

// Where a caller that only reads finds the two data files.
struct Leseordner {
    QString kurse;         // folder of the rate file
    QString einstellungen; // folder of the settings file
};

// The same choice as ordnerBestimmen() without creating or copying
// anything: an installed program whose user's data folder has no rate file
// yet reads the shipped one.
Leseordner leseordnerBestimmen(const QString& programmverzeichnis, const QString& benutzerordner);

} // namespace zirvanto
