#pragma once

// The two reply formats of the server script, read by pure functions: text
// in, result out. Nothing here touches a file, a socket or a widget.

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace zirvanto {

// What a registration reply sets. A key that the reply does not hold is
// empty here and leaves its setting as it was; a key with an empty value
// is an empty text.
struct Anmeldeantwort {
    std::optional<QString> WerbeURL;
    std::optional<QString> LogoURL;
    std::optional<QString> CurrencyURL;
    std::optional<QString> FlagURL;
    std::array<std::optional<QString>, 21> Texte; // Texte[1..20]; index 0 is unused
};

// The value of `schluessel` in a registration reply: the text between the
// first "=" after the key's first occurrence and the line feed that ends
// that line, without the spaces around it (a carriage return stays). A key
// that is missing, or that has no "=" on its own line, gives nothing.
std::optional<QString> anmeldewert(QStringView antwort, QStringView schluessel);

// The registration reply, key by key. Control characters (CR, tab and
// the rest below 32) are removed from every value, so that no reply can
// break a line of the settings file.
Anmeldeantwort anmeldeantwortLesen(QStringView antwort);

// One currency of a rate reply.
struct Kurssatz {
    QString ISO;
    QString Name;
    double Kurs = 0;
    QString Flagge; // a plain picture file name, "(none)", or empty: no flag
    // From the ECB's feed, which names neither: a currency already in the
    // table keeps its name and flag, a new one takes its code as name.
    bool ohneNameUndFlagge = false;
};

struct Kursantwort {
    std::vector<Kurssatz> saetze;
    bool ezb = false; // read from the ECB's daily XML format
    QDate stichtag;   // the ECB's reference date, when the feed gives one
};

// The flag file name of the rate reply's own that marks a currency without
// a flag picture.
inline const QString KeineFlagge = QStringLiteral("(none)");

// The rate records of a reply: bracketed records "[ISO:Name:rate:flag]"
// with text of any kind around them; when there is none, the <Cube
// currency=... rate=...> elements of the ECB's daily XML format. Records
// whose rate is not a finite number above 0 are left out.
Kursantwort kursantwortLesen(QStringView antwort);

// One day of the ECB's XML format: its date and the rates listed under it.
struct Ezbtag {
    QDate tag; // invalid for rates outside any dated <Cube time=...>
    std::vector<Kurssatz> saetze;
};

// The days of the ECB's XML format (the daily feed holds one, the 90-day
// file about sixty): each <Cube time='...'> with the <Cube currency=...
// rate=...> elements inside it, in document order. Rates that are not a
// finite number above 0 are left out; a document that breaks off keeps
// what was read.
std::vector<Ezbtag> ezbTageLesen(QStringView antwort);

// Replaces the HTML entities of the entity table by their characters,
// entity by entity in table order.
QString entitaetenErsetzen(QString name);

// The text without control characters (below 32, and DEL) and without
// spaces at both ends.
QString ohneSteuerzeichen(QStringView text);

// A flag file name as the program may use it: "(none)", or a plain name of
// letters, digits, ".", "_" and "-", at most 64 characters, not starting
// with "." or "-", ending in a picture extension. Anything else gives an
// empty name: no flag.
QString flaggenname(const QString& name);

} // namespace zirvanto
