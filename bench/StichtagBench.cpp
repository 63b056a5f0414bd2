// Switching the main window to another date: from the dialog's Ok to the
// window redrawn at that day's rates (the shipped rate table, fourteen side
// rows shown, a full-size history already fetched).
#include "Kursgeschichte.h"

#include "data/Globals.h"
#include "historie/Kurshistorie.h"
#include "mainwindow/Rechner.h"
#include "mainwindow/Stichtag.h"
#include "plattform/Plattform.h"

#include <QCalendarWidget>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace zirvanto {
namespace {

// Picks the next of two dates in the dialog and starts the clock at its Ok.
class Datumswahl : public Plattform {
public:
    void meldung(QWidget*, const QString&, const QString& = {}) override { ++meldungen; }
    bool frage(QWidget*, const QString&, const QString& = {}) override { return false; }
    void piep() override {}
    bool browserOeffnen(const QUrl&) override { return false; }
    int modalZeigen(QDialog& dialog) override {
        auto* stichtag = qobject_cast<Stichtag*>(&dialog);
        if (!stichtag) return QDialog::Rejected;
        stichtag->Kalender->setSelectedDate(++wahl % 2 ? QDate(2015, 1, 17) : QDate(2008, 1, 3));
        uhr.start();
        return QDialog::Accepted;
    }

    int wahl = 0;
    int meldungen = 0;
    QElapsedTimer uhr;
};

void StichtagWechseln(benchmark::State& state) {
    QTemporaryDir ordner;
    const QDir o(ordner.path());
    QFile::copy(QStringLiteral(ZIRVANTO_QUELLORDNER "/resources/programm/currency.ini"),
                o.filePath(QStringLiteral("currency.ini")));
    QFile ini(o.filePath(QStringLiteral("zirvanto.ini")));
    ini.open(QIODevice::WriteOnly);
    ini.write("Main = ATS\r\n");
    for (int k = 1; k <= 14; ++k)
        ini.write("Active = " + bench::Codes[std::size_t(k)].toLatin1() + ';' +
                  QByteArray::number(k) + "\r\n");
    ini.close();
    Kurshistorie(o.filePath(Historiendateiname)).ersetzen(csvAusZip(bench::historienzip()).tage);

    Globals globals;
    Datumswahl plattform;
    Rechner rechner(globals, plattform, ordner.path(), QLocale(QLocale::German, QLocale::Austria));
    rechner.AufZu_Click();
    rechner.show();
    rechner.Stichtag_Click(); // the file opened once, as at the first date of a run
    for (auto _ : state) {
        rechner.Stichtag_Click();
        rechner.repaint();
        state.SetIterationTime(double(plattform.uhr.nsecsElapsed()) / 1e9);
    }
    if (plattform.meldungen > 0) state.SkipWithError("Das Fenster hat eine Meldung gezeigt.");
}
BENCHMARK(StichtagWechseln)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace
} // namespace zirvanto
