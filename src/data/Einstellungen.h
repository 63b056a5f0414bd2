#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace zirvanto {

// Scheme and host of the program server, set at build time
// (ZIRVANTO_SERVER). Empty: there is none, and the rates come from the ECB.
inline const QString ServerVorgabe = QStringLiteral(ZIRVANTO_SERVER);

// The ECB's daily reference rates.
inline const QString EzbKurse =
    QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml");

// The script of a program server: registration, and the start values of
// the rate, logo and advertisement addresses.
inline QString serverSkript(const QString& server) {
    return server + QStringLiteral("/cgi-bin/rechner_parser.pl");
}

// The reference date of the rates in use, and where they came from.
struct Kursstand {
    QDate datum;
    QString quelle; // the host; empty: the table shipped with the program
    bool operator==(const Kursstand&) const = default;
};

// The reference date of the ECB rates in the shipped rate table.
inline const QDate MitgelieferterStichtag =
    QDate::fromString(QStringLiteral(ZIRVANTO_EZB_DATUM), Qt::ISODate);

// Everything the settings file stores besides the currency table, with the
// start values the program has before that file is read.
struct Einstellungen {
    // The start values with that program server, or without one.
    explicit Einstellungen(const QString& server = ServerVorgabe)
        : WerbeURL(server.isEmpty() ? QString()
                                    : serverSkript(server) + QStringLiteral("?action=ad")),
          LogoURL(server.isEmpty() ? QString()
                                   : serverSkript(server) + QStringLiteral("?action=logo")),
          CurrencyURL(server.isEmpty()
                          ? EzbKurse
                          : serverSkript(server) + QStringLiteral("?action=currency")) {}

    QString WerbeURL;
    QString LogoURL;
    QString CurrencyURL;
    QString FlagURL;
    QString ProxyServer;
    int ProxyPort = 8080;
    bool AutoUpdateAktiv = false;
    QDateTime UpdateDatum{QDate(2001, 1, 1), QTime(0, 0)};
    bool FreshInstalled = false; // the install request is still due
    // The shipped table until the first update. A settings file of an
    // earlier build has none; see kursstand().
    std::optional<Kursstand> Stand = Kursstand{MitgelieferterStichtag, {}};

    // Texte[1..20]; index 0 is unused.
    std::array<QString, 21> Texte = {
        QString(),
        QStringLiteral("Zirvanto"),
        QStringLiteral("Zirvanto"),
        QStringLiteral("Euro-Referenz- und Wechselkurse"),
        QStringLiteral("der Europäischen Zentralbank"),
        QStringLiteral("Präsentiert von:"),
        QStringLiteral("Lumacor"),
        QStringLiteral("http://www.zirvanto.example/"),
        QStringLiteral("Klicken Sie hier, um auf die Homepage zu kommen"),
    };
};

// HTML character entities in names that come from the server, and the
// characters they stand for.
struct Entity {
    const char* name;
    const char* zeichen; // UTF-8
};
inline constexpr std::array<Entity, 8> Entities = {{
    {"&auml;", "ä"},
    {"&ouml;", "ö"},
    {"&uuml;", "ü"},
    {"&Auml;", "Ä"},
    {"&Ouml;", "Ö"},
    {"&Uuml;", "Ü"},
    {"&szlig;", "ß"},
    {"&amp;", "&"},
}};

} // namespace zirvanto
