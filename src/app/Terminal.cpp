#include "app/Terminal.h"

#include "app/Terminalbefehle.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace zirvanto {

namespace {

// Qt's options for a window program, without and with a value.
// clang-format off
constexpr std::array<std::string_view, 6> QtSchalter = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
constexpr std::array<std::string_view, 15> QtOptionenMitWert = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
    "style", "stylesheet", "name", "title"};
// clang-format on

bool enthalten(const auto& liste, std::string_view name) {
    return std::find(liste.begin(), liste.end(), name) != liste.end();
}

// QCommandLineParser takes "-5" for an option. An argument that starts with
// a minus and a digit or a decimal sign is a negative amount; it gets a
// character in front that no option starts with, and loses it again among
// the positional arguments.
constexpr QChar Schutz = u'\uE000';

QStringList geschuetzt(QStringList argumente) {
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        QString& a = argumente[i];
        if (a == QLatin1String("--")) break;
        if (a.size() >= 2 && a[0] == u'-' && (a[1].isDigit() || a[1] == u'.' || a[1] == u','))
            a.prepend(Schutz);
    }
    return argumente;
}

QStringList entschuetzt(QStringList argumente) {
    for (QString& a : argumente)
        if (a.startsWith(Schutz)) a.remove(0, 1);
    return argumente;
}

// The locale of the terminal's numbers: the system's; under the C or POSIX
// locale a point and no grouping, as scripts expect.
QLocale terminalLocale() {
    const QLocale system = QLocale::system();
    if (system.language() != QLocale::C) return system;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c;
}

QString hilfetext() {
    return QStringLiteral(
        "Aufruf: zirvanto\n"
        "  oder: zirvanto --convert BETRAG VON [NACH...] [--date JJJJ-MM-TT]\n"
        "  oder: zirvanto --list [--date JJJJ-MM-TT]\n"
        "  oder: zirvanto --update\n"
        "Ohne Argumente öffnet zirvanto sein Fenster. Mit einer Option arbeitet es im\n"
        "Terminal, ohne Fenster und ohne Bildschirm, mit der Kurstabelle und den\n"
        "Einstellungen des Fensters.\n"
        "\n"
        "  -c, --convert BETRAG VON [NACH...]\n"
        "                 BETRAG in der Währung VON in jede Währung NACH umrechnen:\n"
        "                 je Zeile der Code, ein Tabulator und der Wert, wie ihn die\n"
        "                 Kurstabelle des Fensters zeigt; ohne NACH in den Euro und\n"
        "                 in die Hauptwährung\n"
        "      --list     die Währungen der Kurstabelle ausgeben: Code, Name, Kurs\n"
        "                 und „manuell“ bei einem von Hand gesetzten Kurs, durch\n"
        "                 Tabulatoren getrennt\n"
        "      --date JJJJ-MM-TT\n"
        "                 mit --convert oder --list: mit den Referenzkursen der EZB\n"
        "                 dieses Tages rechnen (an einem Tag ohne Kurse mit denen\n"
        "                 des Arbeitstags davor); lädt die Kursgeschichte der EZB,\n"
        "                 wenn sie den Tag noch nicht enthält\n"
        "      --update   die Wechselkurse aktualisieren wie „Update!“ im Fenster\n"
        "                 und beide Dateien speichern; das Ergebnis steht auf der\n"
        "                 Standardfehlerausgabe\n"
        "  -h, --help     diese Hilfe anzeigen und beenden\n"
        "      --version  Versionsinformation anzeigen und beenden\n"
        "\n"
        "BETRAG steht in der Zahlenform des Gebietsschemas („1.250,5“ unter de_DE)\n"
        "oder mit Punkt als Dezimalzeichen und ohne Tausendertrennzeichen („1250.5“);\n"
        "passen beide, gilt die Form des Gebietsschemas. Ein Minus davor macht den\n"
        "Betrag negativ. Währungscodes gelten ohne Rücksicht auf Groß- und\n"
        "Kleinschreibung; hat die Tabelle einen Code zweimal, gilt der erste Eintrag.\n"
        "Unter dem Gebietsschema C oder POSIX stehen Werte und Kurse mit Punkt und\n"
        "ohne Tausendertrennzeichen. Nur --update (beide Dateien) und --date (die\n"
        "Kursgeschichte) schreiben in den Ordner des Programms.\n"
        "\n"
        "Beispiele:\n"
        "  zirvanto --convert 1250 USD EUR ATS\n"
        "  LC_ALL=C zirvanto -c -99.5 ats --date 2015-01-15\n"
        "  zirvanto --update && zirvanto --list | cut -f1,3\n"
        "\n"
        "Exit-Status:\n"
        "  0  Erfolg\n"
        "  1  Update oder Laden der Kursgeschichte fehlgeschlagen, oder die Ausgabe\n"
        "     ließ sich nicht schreiben\n"
        "  2  falscher Aufruf: unbekannte Option, fehlendes Argument, ungültiger\n"
        "     Betrag oder ungültiges Datum, oder ein Wert, der die Anzeige sprengt\n"
        "  3  unbekannte Währung oder Währung ohne Kurs\n");
}

QString versionstext() {
    return QStringLiteral("zirvanto (Zirvanto) " ZIRVANTO_VERSION "\n"
                          "Copyright (C) 2026 Zirvanto-Projekt\n"
                          "Lizenz GPLv3+: GNU GPL Version 3 oder neuer "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "Dies ist freie Software: Sie dürfen sie ändern und weitergeben.\n"
                          "Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.\n");
}

// What the parser refused, in words.
QString parserfehler(const QCommandLineParser& parser, const QStringList& argumente,
                     const QList<QCommandLineOption>& optionen) {
    const QStringList unbekannt = parser.unknownOptionNames();
    if (!unbekannt.isEmpty()) {
        const QString name = unbekannt.first();
        return QStringLiteral("unbekannte Option ") +
               zitiert((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    }
    for (const QCommandLineOption& option : optionen) {
        const QString name = QStringLiteral("--") + option.names().constLast();
        if (option.valueName().isEmpty()) {
            for (const QString& a : argumente)
                if (a.startsWith(name + u'='))
                    return QStringLiteral("Option %1 nimmt keinen Wert").arg(zitiert(name));
        } else if (argumente.constLast() == name) {
            return QStringLiteral("Option %1 braucht einen Wert").arg(zitiert(name));
        }
    }
    return parser.errorText();
}

} // namespace

bool terminalaufruf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a.starts_with("--")) a.remove_prefix(1);
        if (!a.starts_with('-')) return true;
        a.remove_prefix(1);
        const std::size_t gleich = a.find('=');
        const std::string_view name = a.substr(0, gleich);
        if (gleich == std::string_view::npos && enthalten(QtSchalter, name)) continue;
        if (!enthalten(QtOptionenMitWert, name)) return true;
        if (gleich == std::string_view::npos) ++i;
    }
    return false;
}

int terminal(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zirvanto"));
    const QLocale locale = terminalLocale();

    const auto option = [](std::initializer_list<const char*> namen, const char* wert = "") {
        QStringList liste;
        for (const char* name : namen)
            liste << QLatin1String(name);
        return QCommandLineOption(liste, QString(), QLatin1String(wert));
    };
    const QCommandLineOption umrechnenOption = option({"c", "convert"});
    const QCommandLineOption listeOption = option({"list"});
    const QCommandLineOption datumOption = option({"date"}, "JJJJ-MM-TT");
    const QCommandLineOption updateOption = option({"update"});
    const QCommandLineOption hilfeOption = option({"h", "help"});
    const QCommandLineOption versionOption = option({"version"});
    const QList<QCommandLineOption> optionen{umrechnenOption, listeOption, datumOption,
                                             updateOption,    hilfeOption, versionOption};
    QCommandLineParser parser;
    parser.addOptions(optionen);
    const QStringList argumente = geschuetzt(QCoreApplication::arguments());
    if (!parser.parse(argumente)) return aufruffehler(parserfehler(parser, argumente, optionen));

    if (parser.isSet(hilfeOption)) return ausgeben(hilfetext());
    if (parser.isSet(versionOption)) return ausgeben(versionstext());

    const QStringList positionen = entschuetzt(parser.positionalArguments());
    const bool umrechnen = parser.isSet(umrechnenOption);
    const bool liste = parser.isSet(listeOption);
    const bool update = parser.isSet(updateOption);
    if (umrechnen + liste + update > 1)
        return aufruffehler(
            QStringLiteral("--convert, --list und --update schließen einander aus"));
    if (!umrechnen && !positionen.isEmpty())
        return aufruffehler(QStringLiteral("unerwartetes Argument ") + zitiert(positionen.first()));
    std::optional<QDate> datum;
    if (parser.isSet(datumOption)) {
        const QString text = parser.value(datumOption);
        if (!umrechnen && !liste)
            return aufruffehler(QStringLiteral("--date gilt nur mit --convert oder --list"));
        datum = datumLesen(text);
        if (!datum)
            return aufruffehler(QStringLiteral("ungültiges Datum %1: JJJJ-MM-TT, vom 1999-01-04 "
                                               "bis heute")
                                    .arg(zitiert(text)));
    }
    if (umrechnen) return zirvanto::umrechnen(positionen, locale, datum);
    if (liste) return auflisten(locale, datum);
    if (update) return aktualisieren();
    return aufruffehler(
        QStringLiteral("keine Aufgabe angegeben (--convert, --list oder --update)"));
}

} // namespace zirvanto
