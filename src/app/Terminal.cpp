#include "app/Terminal.h"

#include "app/Ordnerwahl.h"
#include "core/Anzeige.h"
#include "core/Zahlbild.h"
#include "data/Einstellungsdatei.h"
#include "data/Globals.h"
#include "data/Kursdatei.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

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

void schreiben(std::FILE* ziel, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), ziel);
}

void melden(const QString& text) {
    schreiben(stderr, QStringLiteral("zirvanto: ") + text + u'\n');
}

int aufruffehler(const QString& text) {
    melden(text);
    schreiben(stderr, QStringLiteral("„zirvanto --help“ liefert weitere Informationen.\n"));
    return Ausgang::Aufruffehler;
}

QString zitiert(const QString& text) {
    return u'„' + text + u'“';
}

// Everything goes to stdout at once at the end, so that an error leaves it
// empty.
int ausgeben(const QString& text) {
    schreiben(stdout, text);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        melden(QStringLiteral("Ausgabe ließ sich nicht schreiben: ") +
               QString::fromLocal8Bit(std::strerror(errno)));
        return Ausgang::Fehlschlag;
    }
    return Ausgang::Erfolg;
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

// An amount in the locale's form (grouping, when used, in threes: "1.250,5"
// under de_DE) or with a point and no grouping ("1250.5"); a text valid in
// both is read in the locale's form. Where the locale groups with a
// no-break space or a typographic apostrophe, the plain character that a
// keyboard has groups too.
std::optional<double> betragLesen(const QString& text, const QLocale& locale) {
    QString rest = text;
    bool negativ = false;
    for (const QString& minus : {locale.negativeSign(), QStringLiteral("-")})
        if (!negativ && rest.startsWith(minus)) {
            rest.remove(0, minus.size());
            negativ = true;
        }

    const QString gruppe = locale.groupSeparator();
    QStringList gruppen{QRegularExpression::escape(gruppe)};
    if (gruppe == QStringLiteral("\u00A0") || gruppe == QStringLiteral("\u202F"))
        gruppen << QStringLiteral(" ");
    if (gruppe == QStringLiteral("\u2019")) gruppen << QStringLiteral("'");
    const bool gruppiert = !(locale.numberOptions() & QLocale::OmitGroupSeparator);
    const QString ganz =
        gruppiert ? QStringLiteral("([0-9]+|[0-9]{1,3}(?:(?:%1)[0-9]{3})+)").arg(gruppen.join(u'|'))
                  : QStringLiteral("([0-9]+)");
    const QRegularExpression lokal(
        QStringLiteral("^%1(?:%2([0-9]+))?$")
            .arg(ganz, QRegularExpression::escape(locale.decimalPoint())));
    static const QRegularExpression punkt(QStringLiteral("^([0-9]+)(?:\\.([0-9]+))?$"));

    QRegularExpressionMatch form = lokal.match(rest);
    if (!form.hasMatch()) form = punkt.match(rest);
    if (!form.hasMatch()) return std::nullopt;

    QByteArray zahl = negativ ? "-" : "";
    for (const QChar c : form.capturedView(1))
        if (c.isDigit()) zahl += char(c.unicode());
    zahl += '.' + form.capturedView(2).toLatin1();
    double wert = 0;
    const auto ergebnis = std::from_chars(zahl.cbegin(), zahl.cend(), wert);
    if (ergebnis.ec != std::errc() || !std::isfinite(wert)) return std::nullopt;
    return wert;
}

// The first entry of a code, without regard to case, as the window's lists
// take the first of several entries with one code.
std::optional<std::size_t> eintragSuchen(const Waehrungstabelle& tabelle, const QString& code) {
    if (code.isEmpty()) return std::nullopt;
    for (std::size_t k = 0; k < tabelle.size(); ++k)
        if (tabelle[k].ISO.compare(code, Qt::CaseInsensitive) == 0) return k;
    return std::nullopt;
}

// The table and settings the window starts with, read from the same folder.
Globals datenLesen() {
    const Leseordner ordner =
        leseordnerBestimmen(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    Globals globals;
    const auto lesefehler = [](const QString& ordner, const QString& datei, const QString& fehler) {
        melden(QStringLiteral("Datei %1 konnte nicht gelesen werden: %2")
                   .arg(zitiert(QDir::toNativeSeparators(QDir(ordner).filePath(datei))), fehler));
    };
    const Dateistand kurse = kurseLesen(ordner.kurse, globals.Waehrungen);
    if (!kurse.fehler.isEmpty()) lesefehler(ordner.kurse, Kursdateiname, kurse.fehler);
    const Einstellungslesung einstellungen =
        einstellungenLesen(ordner.einstellungen, globals, anzeigeLocale());
    if (!einstellungen.fehler.isEmpty())
        lesefehler(ordner.einstellungen, Einstellungsdateiname, einstellungen.fehler);
    return globals;
}

int umrechnen(const QStringList& argumente, const QLocale& locale) {
    if (argumente.size() < 2)
        return aufruffehler(QStringLiteral("--convert braucht einen Betrag und eine Währung"));
    const std::optional<double> betrag = betragLesen(argumente[0], locale);
    if (!betrag) return aufruffehler(QStringLiteral("ungültiger Betrag ") + zitiert(argumente[0]));

    const Globals globals = datenLesen();
    const Waehrungstabelle& tabelle = globals.Waehrungen;
    std::vector<std::size_t> eintraege;
    bool unbekannt = false;
    for (const QString& code : argumente.sliced(1)) {
        const auto k = eintragSuchen(tabelle, code);
        if (!k) {
            melden(QStringLiteral("unbekannte Währung ") + zitiert(code));
            unbekannt = true;
        } else if (!(tabelle[*k].Kurs > 0 && std::isfinite(tabelle[*k].Kurs))) {
            melden(QStringLiteral("Währung %1 hat keinen Kurs").arg(zitiert(tabelle[*k].ISO)));
            unbekannt = true;
        } else {
            eintraege.push_back(*k);
        }
    }
    if (unbekannt) return Ausgang::UnbekannteWaehrung;

    // Without a target: the Euro and the main currency.
    if (eintraege.size() == 1) {
        eintraege.push_back(0);
        const qsizetype haupt = tabelle.HauptwaehrungIndex;
        if (tabelle.gueltigerIndex(haupt) && haupt != 0 &&
            tabelle[std::size_t(haupt)].ISO.compare(tabelle[0].ISO, Qt::CaseInsensitive) != 0)
            eintraege.push_back(std::size_t(haupt));
    }

    const double euro = *betrag / tabelle[eintraege[0]].Kurs;
    QString text;
    for (std::size_t i = 1; i < eintraege.size(); ++i) {
        const Waehrung& ziel = tabelle[eintraege[i]];
        const std::optional<QString> wert = seitentext(euro, ziel.Kurs, locale);
        if (!wert) {
            melden(QStringLiteral("der Betrag in %1 hat mehr Stellen, als die Anzeige fasst")
                       .arg(zitiert(ziel.ISO)));
            return Ausgang::Aufruffehler;
        }
        text += ziel.ISO + u'\t' + *wert + u'\n';
    }
    return ausgeben(text);
}

// Code, name, rate and the hand-set mark of every currency the rate list
// shows, tab-separated.
int auflisten(const QLocale& locale) {
    const Globals globals = datenLesen();
    QString text;
    for (std::size_t k = 1; k < globals.Waehrungen.size(); ++k) {
        const Waehrung& w = globals.Waehrungen[k];
        if (!gelistet(w)) continue;
        text += w.ISO + u'\t' + w.Name + u'\t' + kurslistentext(w.Kurs, locale) + u'\t' +
                (w.Manuell ? QStringLiteral("manuell") : QString()) + u'\n';
    }
    return ausgeben(text);
}

QString hilfetext() {
    return QStringLiteral(
        "Aufruf: zirvanto\n"
        "  oder: zirvanto --convert BETRAG VON [NACH...]\n"
        "  oder: zirvanto --list\n"
        "Ohne Argumente öffnet zirvanto sein Fenster. Mit einer Option rechnet es im\n"
        "Terminal, ohne Fenster und ohne Bildschirm, mit der Kurstabelle und den\n"
        "Einstellungen des Fensters; es schreibt dabei keine Datei.\n"
        "\n"
        "  -c, --convert BETRAG VON [NACH...]\n"
        "                 BETRAG in der Währung VON in jede Währung NACH umrechnen:\n"
        "                 je Zeile der Code, ein Tabulator und der Wert, wie ihn die\n"
        "                 Kurstabelle des Fensters zeigt; ohne NACH in den Euro und\n"
        "                 in die Hauptwährung\n"
        "      --list     die Währungen der Kurstabelle ausgeben: Code, Name, Kurs\n"
        "                 und „manuell“ bei einem von Hand gesetzten Kurs, durch\n"
        "                 Tabulatoren getrennt\n"
        "  -h, --help     diese Hilfe anzeigen und beenden\n"
        "      --version  Versionsinformation anzeigen und beenden\n"
        "\n"
        "BETRAG steht in der Zahlenform des Gebietsschemas („1.250,5“ unter de_DE)\n"
        "oder mit Punkt als Dezimalzeichen und ohne Tausendertrennzeichen („1250.5“);\n"
        "passen beide, gilt die Form des Gebietsschemas. Ein Minus davor macht den\n"
        "Betrag negativ. Währungscodes gelten ohne Rücksicht auf Groß- und\n"
        "Kleinschreibung; hat die Tabelle einen Code zweimal, gilt der erste Eintrag.\n"
        "Unter dem Gebietsschema C oder POSIX stehen Werte und Kurse mit Punkt und\n"
        "ohne Tausendertrennzeichen.\n"
        "\n"
        "Beispiele:\n"
        "  zirvanto --convert 1250 USD EUR ATS\n"
        "  LC_ALL=C zirvanto -c -99.5 ats\n"
        "  zirvanto --list | cut -f1,3\n"
        "\n"
        "Exit-Status:\n"
        "  0  Erfolg\n"
        "  1  die Ausgabe ließ sich nicht schreiben\n"
        "  2  falscher Aufruf: unbekannte Option, fehlendes Argument, ungültiger\n"
        "     Betrag oder ein Wert, der die Anzeige sprengt\n"
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
                     const QList<QCommandLineOption>& schalter) {
    const QStringList unbekannt = parser.unknownOptionNames();
    if (!unbekannt.isEmpty()) {
        const QString name = unbekannt.first();
        return QStringLiteral("unbekannte Option ") +
               zitiert((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    }
    for (const QString& a : argumente)
        for (const QCommandLineOption& option : schalter)
            for (const QString& name : option.names())
                if (a.startsWith(QStringLiteral("--") + name + u'='))
                    return QStringLiteral("Option %1 nimmt keinen Wert")
                        .arg(zitiert(QStringLiteral("--") + name));
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

    const QCommandLineOption umrechnenOption(
        QStringList{QStringLiteral("c"), QStringLiteral("convert")}, QString());
    const QCommandLineOption listeOption(QStringLiteral("list"), QString());
    const QCommandLineOption hilfeOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                         QString());
    const QCommandLineOption versionOption(QStringLiteral("version"), QString());
    const QList<QCommandLineOption> optionen{umrechnenOption, listeOption, hilfeOption,
                                             versionOption};
    QCommandLineParser parser;
    parser.addOptions(optionen);
    const QStringList argumente = geschuetzt(QCoreApplication::arguments());
    if (!parser.parse(argumente)) return aufruffehler(parserfehler(parser, argumente, optionen));

    if (parser.isSet(hilfeOption)) return ausgeben(hilfetext());
    if (parser.isSet(versionOption)) return ausgeben(versionstext());

    const QStringList positionen = entschuetzt(parser.positionalArguments());
    const bool umrechnen = parser.isSet(umrechnenOption);
    const bool liste = parser.isSet(listeOption);
    if (umrechnen && liste)
        return aufruffehler(QStringLiteral("--convert und --list schließen einander aus"));
    if (umrechnen) return zirvanto::umrechnen(positionen, locale);
    if (!positionen.isEmpty())
        return aufruffehler(QStringLiteral("unerwartetes Argument ") + zitiert(positionen.first()));
    if (liste) return auflisten(locale);
    return aufruffehler(QStringLiteral("keine Aufgabe angegeben (--convert oder --list)"));
}

} // namespace zirvanto
