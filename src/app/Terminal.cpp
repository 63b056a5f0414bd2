#include "app/Terminal.h"

#include "app/Sprache.h"
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

// A text wrapped to 79 columns, its lines indented by `einzug`; `anfang`
// stands before the first line, which starts on a line of its own when
// `anfang` reaches into the indentation.
QString umbrochen(const QString& text, int einzug, const QString& anfang = {}) {
    QString ergebnis = !anfang.isEmpty() && anfang.size() >= einzug - 1 ? anfang + u'\n' : anfang;
    QString zeile;
    const auto zeileAbschliessen = [&] {
        const qsizetype belegt = ergebnis.size() - ergebnis.lastIndexOf(u'\n') - 1;
        ergebnis += QString(einzug - belegt, u' ') + zeile + u'\n';
        zeile.clear();
    };
    for (const QString& wort : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!zeile.isEmpty() && einzug + zeile.size() + 1 + wort.size() > 79) zeileAbschliessen();
        zeile += (zeile.isEmpty() ? QString() : QStringLiteral(" ")) + wort;
    }
    zeileAbschliessen();
    return ergebnis;
}

// The help in the interface language. Option names, codes and examples
// stand outside the translated texts.
QString hilfetext(const QLocale& locale) {
    const QString betrag = QCoreApplication::translate("Terminal", "BETRAG"),
                  von = QCoreApplication::translate("Terminal", "VON"),
                  nach = QCoreApplication::translate("Terminal", "NACH"),
                  tag = QCoreApplication::translate("Terminal", "JJJJ-MM-TT");
    const QString umrechnen = QStringLiteral("--convert %1 %2 [%3...]").arg(betrag, von, nach);
    const QString datum = QStringLiteral("--date ") + tag;
    QString text =
        QCoreApplication::translate("Terminal", "Aufruf: %1\n  oder: %2\n  oder: %3\n  oder: %4\n")
            .arg(QStringLiteral("zirvanto"),
                 QStringLiteral("zirvanto %1 [%2]").arg(umrechnen, datum),
                 QStringLiteral("zirvanto --list [%1]").arg(datum),
                 QStringLiteral("zirvanto --update"));
    text += umbrochen(QCoreApplication::translate(
                          "Terminal",
                          "Ohne Argumente öffnet zirvanto sein Fenster. Mit einer Option "
                          "arbeitet es im Terminal, ohne Fenster und ohne Bildschirm, mit der "
                          "Kurstabelle und den Einstellungen des Fensters."),
                      0);
    const std::pair<QString, QString> optionen[] = {
        {QStringLiteral("-c, ") + umrechnen,
         QCoreApplication::translate(
             "Terminal",
             "%1 in der Währung %2 in jede Währung %3 umrechnen: je Zeile der Code, ein "
             "Tabulator und der Wert, wie ihn die Kurstabelle des Fensters zeigt; ohne %3 in den "
             "Euro und in die Hauptwährung")
             .arg(betrag, von, nach)},
        {QStringLiteral("    --list"),
         QCoreApplication::translate(
             "Terminal",
             "die Währungen der Kurstabelle ausgeben: Code, Name, Kurs und %1 bei einem von "
             "Hand gesetzten Kurs, durch Tabulatoren getrennt")
             .arg(zitiert(QCoreApplication::translate("Terminal", "manuell")))},
        {QStringLiteral("    ") + datum,
         QCoreApplication::translate(
             "Terminal",
             "mit %1 oder %2: mit den Referenzkursen der EZB dieses Tages rechnen (an einem "
             "Tag ohne Kurse mit denen des Arbeitstags davor); lädt die Kursgeschichte der EZB, "
             "wenn sie den Tag noch nicht enthält")
             .arg(QStringLiteral("--convert"), QStringLiteral("--list"))},
        {QStringLiteral("    --update"),
         QCoreApplication::translate(
             "Terminal",
             "die Wechselkurse aktualisieren wie „Update!“ im Fenster und beide Dateien "
             "speichern; das Ergebnis steht auf der Standardfehlerausgabe")},
        {QStringLiteral("-h, --help"),
         QCoreApplication::translate("Terminal", "diese Hilfe anzeigen und beenden")},
        {QStringLiteral("    --version"),
         QCoreApplication::translate("Terminal", "Versionsinformation anzeigen und beenden")},
    };
    text += u'\n';
    for (const auto& [links, beschreibung] : optionen)
        text += umbrochen(beschreibung, 17, QStringLiteral("  ") + links);
    text +=
        u'\n' +
        umbrochen(QCoreApplication::translate(
                      "Terminal",
                      "%1 steht in der Zahlenform des Gebietsschemas (%2 unter %3) oder mit "
                      "Punkt als Dezimalzeichen und ohne Tausendertrennzeichen (%4); passen "
                      "beide, gilt die Form des Gebietsschemas. Ein Minus davor macht den Betrag "
                      "negativ. Währungscodes gelten ohne Rücksicht auf Groß- und "
                      "Kleinschreibung; hat die Tabelle einen Code zweimal, gilt der erste "
                      "Eintrag. Unter dem Gebietsschema C oder POSIX stehen Werte und Kurse mit "
                      "Punkt und ohne Tausendertrennzeichen. Nur %5 (beide Dateien) und %6 (die "
                      "Kursgeschichte) schreiben in den Ordner des Programms.")
                      .arg(betrag, zitiert(locale.toString(1250.5, 'f', 1)), locale.name(),
                           zitiert(QStringLiteral("1250.5")), QStringLiteral("--update"),
                           QStringLiteral("--date")),
                  0);
    text += u'\n' + QCoreApplication::translate("Terminal", "Beispiele:") +
            QStringLiteral("\n  zirvanto --convert 1250 USD EUR ATS\n"
                           "  LC_ALL=C zirvanto -c -99.5 ats --date 2015-01-15\n"
                           "  zirvanto --update && zirvanto --list | cut -f1,3\n\n") +
            QCoreApplication::translate("Terminal", "Exit-Status:") + u'\n';
    const QString status[] = {
        QCoreApplication::translate("Terminal", "Erfolg"),
        QCoreApplication::translate(
            "Terminal",
            "Update oder Laden der Kursgeschichte fehlgeschlagen, oder die Ausgabe ließ sich "
            "nicht schreiben"),
        QCoreApplication::translate(
            "Terminal",
            "falscher Aufruf: unbekannte Option, fehlendes Argument, ungültiger Betrag oder "
            "ungültiges Datum, oder ein Wert, der die Anzeige sprengt"),
        QCoreApplication::translate("Terminal", "unbekannte Währung oder Währung ohne Kurs"),
    };
    for (int i = 0; i < 4; ++i)
        text += umbrochen(status[i], 5, QStringLiteral("  %1").arg(i));
    return text;
}

QString versionstext() {
    return QStringLiteral("zirvanto (Zirvanto) " ZIRVANTO_VERSION "\n"
                          "Copyright (C) 2026 Zirvanto-Projekt\n") +
           QCoreApplication::translate(
               "Terminal", "Lizenz %1: %2, Fassung 3 oder neuer <%3>.\n"
                           "Dies ist freie Software: Sie dürfen sie ändern und weitergeben.\n"
                           "Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.\n")
               .arg(QStringLiteral("GPLv3+"), QStringLiteral("GNU GPL"),
                    QStringLiteral("https://gnu.org/licenses/gpl.html"));
}

// What the parser refused, in words.
QString parserfehler(const QCommandLineParser& parser, const QStringList& argumente,
                     const QList<QCommandLineOption>& optionen) {
    const QStringList unbekannt = parser.unknownOptionNames();
    if (!unbekannt.isEmpty()) {
        const QString name = unbekannt.first();
        return QCoreApplication::translate("Terminal", "unbekannte Option %1")
            .arg(zitiert((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name));
    }
    for (const QCommandLineOption& option : optionen) {
        const QString name = QStringLiteral("--") + option.names().constLast();
        if (option.valueName().isEmpty()) {
            for (const QString& a : argumente)
                if (a.startsWith(name + u'='))
                    return QCoreApplication::translate("Terminal", "Option %1 nimmt keinen Wert")
                        .arg(zitiert(name));
        } else if (argumente.constLast() == name) {
            return QCoreApplication::translate("Terminal", "Option %1 braucht einen Wert")
                .arg(zitiert(name));
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
    const Uebersetzung sprache(spracheWaehlen(QLocale::system().uiLanguages()));
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

    if (parser.isSet(hilfeOption)) return ausgeben(hilfetext(locale));
    if (parser.isSet(versionOption)) return ausgeben(versionstext());

    const QStringList positionen = entschuetzt(parser.positionalArguments());
    const bool umrechnen = parser.isSet(umrechnenOption);
    const bool liste = parser.isSet(listeOption);
    const bool update = parser.isSet(updateOption);
    if (umrechnen + liste + update > 1)
        return aufruffehler(
            QCoreApplication::translate("Terminal", "%1, %2 und %3 schließen einander aus")
                .arg(QStringLiteral("--convert"), QStringLiteral("--list"),
                     QStringLiteral("--update")));
    if (!umrechnen && !positionen.isEmpty())
        return aufruffehler(QCoreApplication::translate("Terminal", "unerwartetes Argument %1")
                                .arg(zitiert(positionen.first())));
    std::optional<QDate> datum;
    if (parser.isSet(datumOption)) {
        const QString text = parser.value(datumOption);
        if (!umrechnen && !liste)
            return aufruffehler(
                QCoreApplication::translate("Terminal", "%1 gilt nur mit %2 oder %3")
                    .arg(QStringLiteral("--date"), QStringLiteral("--convert"),
                         QStringLiteral("--list")));
        datum = datumLesen(text);
        if (!datum)
            return aufruffehler(QCoreApplication::translate("Terminal",
                                                            "ungültiges Datum %1: JJJJ-MM-TT, vom "
                                                            "1999-01-04 bis heute")
                                    .arg(zitiert(text)));
    }
    if (umrechnen) return zirvanto::umrechnen(positionen, locale, datum);
    if (liste) return auflisten(locale, datum);
    if (update) return aktualisieren();
    return aufruffehler(
        QCoreApplication::translate("Terminal", "keine Aufgabe angegeben (%1, %2 oder %3)")
            .arg(QStringLiteral("--convert"), QStringLiteral("--list"),
                 QStringLiteral("--update")));
}

} // namespace zirvanto
