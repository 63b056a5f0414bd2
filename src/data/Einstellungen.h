#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

namespace zirvanto {

// The maker's server script; every request goes to this address. Scheme
// and host are set at build time (ZIRVANTO_SERVER).
inline const QString ServerSkript = QStringLiteral(ZIRVANTO_SERVER "/cgi-bin/rechner_parser.pl");

// Everything the settings file stores besides the currency table, with the
// start values the program has before that file is read.
struct Einstellungen {
    QString WerbeURL = ServerSkript + QStringLiteral("?action=ad");
    QString LogoURL = ServerSkript + QStringLiteral("?action=logo");
    QString CurrencyURL = ServerSkript + QStringLiteral("?action=currency");
    QString FlagURL;
    QString ProxyServer;
    int ProxyPort = 8080;
    bool AutoUpdateAktiv = false;
    QDateTime UpdateDatum{QDate(2001, 1, 1), QTime(0, 0)};
    bool FreshInstalled = false; // the install request is still due

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
