#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace zirvanto {

// The outcome of a save. On failure the former file is left as it was and
// `fehler` says why (the system's error text).
struct Speicherergebnis {
    bool ok = false;
    QString fehler;
    explicit operator bool() const { return ok; }
};

// Decodes a text file's bytes: Windows-1252, or UTF-8 when the bytes start
// with a UTF-8 byte-order mark.
QString textDekodieren(QByteArrayView bytes);

// The lines of a text, as views into it. Lines end with CR LF, LF or CR
// alone; a missing last line end is accepted, and a final line end does not
// start another line.
std::vector<QStringView> zeilenTeilen(QStringView text);

// Both steps at once, each line a string of its own.
QStringList textzeilen(QByteArrayView bytes);

// The bytes of a text file: every line followed by CR LF, in Windows-1252,
// or, when a character cannot be written in Windows-1252 or the Windows-1252
// bytes would start like a byte-order mark, the whole file in UTF-8 with a
// byte-order mark, so that nothing is lost.
QByteArray textdateiBytes(const QStringList& zeilen);

// Whether a data file was there, and why it could not be read when it was.
struct Dateistand {
    bool gefunden = false; // something exists under the file's name
    QString fehler;        // why it could not be read; empty when it was
};

// The text of a file and its lines, as views into `text`: one allocation
// for the whole file rather than one a line.
struct Textlesung : Dateistand {
    QString text;
    std::vector<QStringView> zeilen;
};

// Reads a text file. Only a regular file is opened: a folder, a named pipe
// (which would wait for a writer) or a device counts as unreadable.
Textlesung textdateiLesen(const QString& pfad);

// Removes what saves that never finished left in `ordner`: files named
// after one of `dateinamen`, "." and six letters or digits (the temporary
// copies of textdateiSpeichern). Nothing else is touched.
void liegengebliebeneKopienEntfernen(const QString& ordner, const QStringList& dateinamen);

// Writes a text file atomically: a failed save leaves the former file whole.
Speicherergebnis textdateiSpeichern(const QString& pfad, const QStringList& zeilen);

// The text without blanks, tabs and line-end characters at both ends.
// Unlike QString::trimmed() it keeps other white space such as U+00A0,
// which belongs to a name or a display text.
QStringView ohneRaender(QStringView text);

} // namespace zirvanto
