#include "Fenstertest.h"
#include "app/Sprache.h"
#include "mainwindow/Status.h"
#include "plattform/Plattform.h"
#include "support/Testserver.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QXmlStreamReader>

namespace zirvanto {
namespace {

// The words of the German texts: every source text of a translation file.
QSet<QString> deutscheWoerter() {
    QFile datei(QStringLiteral(ZIRVANTO_QUELLORDNER "/translations/zirvanto_en.ts"));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&datei);
    QSet<QString> woerter;
    while (xml.readNextStartElement() || !xml.atEnd())
        if (xml.isStartElement() && xml.name() == u"source")
            for (const QString& w : xml.readElementText().remove(u'&').split(
                     QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts))
                woerter.insert(w.toLower());
    return woerter;
}

// Words of the German texts that are words of the other language too:
// names, codes and loan words in both, and each language's own.
// clang-format off
const QStringList Ueberall = {"zirvanto", "euro", "iso", "internet", "proxy", "info", "ok",
    "update", "esc", "sqrt", "schilling", "mc", "mr", "ms", "team", "logo", "server", "mb", "kb"};
const QStringList Englisch = {"in", "name", "status", "code", "minus", "plus", "dialog", "option",
    "division", "port", "start"};
const QStringList Italienisch = {"in", "a", "permanente"};
// clang-format on

// A window under one language: every text, tooltip, accessible name and
// description of its visible widgets holds no German word, and each text fits.
struct Pruefung {
    QSet<QString> deutsch;
    QStringList erlaubt;

    void text(const QString& wo, const QString& t) const {
        for (const QString& w : QString(t).remove(u'&').split(
                 QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts))
            EXPECT_TRUE(w.size() < 2 || !deutsch.contains(w.toLower()) ||
                        erlaubt.contains(w.toLower()))
                << wo.toStdString() << ": " << w.toStdString() << " in " << t.toStdString();
    }
    void fenster(QWidget* f) const {
        QList<QWidget*> alle = f->findChildren<QWidget*>();
        alle.prepend(f);
        for (QWidget* w : alle) {
            const bool menue = qobject_cast<QMenu*>(w);
            if (!w->isVisibleTo(f) && w != f && !menue) continue;
            const QString wo = f->objectName() + u'/' + w->objectName();
            for (const QString& t : {w->toolTip(), w->accessibleName(), w->accessibleDescription()})
                text(wo, t);
            if (w->isWindow()) text(wo, w->windowTitle());
            for (QAction* a : w->actions())
                text(wo + u'/' + a->objectName(), a->text() + u' ' + a->toolTip());
            if (auto* kopf = qobject_cast<QHeaderView*>(w))
                for (int s = 0; s < kopf->count(); ++s)
                    text(wo, kopf->model()->headerData(s, kopf->orientation()).toString());
            if (!menue) passt(wo, w);
        }
    }
    void passt(const QString& wo, QWidget* w) const {
        const QFontMetricsF m(w->font());
        QString t;
        qreal rand = 0;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            t = l->text();
            rand = l->frameWidth() > 0 ? m.horizontalAdvance(u'x') / 2 : 0;
            if (l->wordWrap()) {
                EXPECT_LE(l->heightForWidth(l->width()), l->height()) << wo.toStdString();
                return text(wo, t);
            }
        } else if (auto* k = qobject_cast<QPushButton*>(w)) {
            t = k->text().remove(u'&'), rand = 8;
        } else if (auto* k = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_LE(k->sizeHint().width(), k->width()) << wo.toStdString();
            return text(wo, k->text());
        }
        if (t.isEmpty()) return;
        text(wo, t);
        EXPECT_LE(m.horizontalAdvance(t) + rand, w->contentsRect().width()) << wo.toStdString();
        EXPECT_LE(m.height(), w->height()) << wo.toStdString();
    }
};

class SprachenTest : public test::Fenstertest {};

// Under each language, the main window with its menus and rate table, every
// window it opens and each message a scripted step raises.
TEST_F(SprachenTest, JedesFensterSprichtDieSpracheUndJederTextPasst) {
    const QSet<QString> deutsch = deutscheWoerter();
    // the locale, and Qt's own "Cancel" in its language
    for (auto [name, abbrechen] :
         {std::pair{"de_AT", "Abbrechen"}, {"en_GB", "Cancel"}, {"it_IT", "Annulla"}}) {
        SCOPED_TRACE(name);
        locale = QLocale(QLatin1String(name));
        const Uebersetzung sprache(spracheWaehlen(locale.uiLanguages()));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QLatin1String(abbrechen));
        const Pruefung pruefung{sprache.sprache() == u"de" ? QSet<QString>() : deutsch,
                                Ueberall + (sprache.sprache() == u"en" ? Englisch : Italienisch)};
        mitSchilling();
        plattform = {};
        plattform.antworten = {false};
        plattform.dialogSkript = [&](QDialog& d) {
            d.show();
            pruefung.fenster(&d);
            if (d.objectName() == u"Wechselkurse") {
                QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Neu")), Qt::LeftButton);
                QTest::keyClick(d.findChild<QTableView*>(), Qt::Key_Delete);
            }
            if (d.objectName() == u"Options")
                QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Hilfe")),
                                  Qt::LeftButton);
            if (d.objectName() == u"CurrencyEdit") {
                d.findChild<QLineEdit*>(QStringLiteral("ISOCode"))->setText(QStringLiteral(":"));
                QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
            }
            return int(QDialog::Rejected);
        };
        QFile::remove(pfad("zirvanto.ini")); // the first start asks
        oeffnen();
        aktion("Kurstabelle")->trigger();
        tippen(QStringLiteral("1/0=")); // an error text in the displays
        pruefung.fenster(rechner.get());
        for (const char* a : {"Wechselkurs", "waehrungsetzen", "Info", "Einstellungen", "Stichtag"})
            aktion(a)->trigger();
        // An update that fails: every request reaches the test server as
        // the proxy, which answers 404.
        test::Testserver server;
        globals.einstellungen.ProxyServer = QStringLiteral("127.0.0.1");
        globals.einstellungen.ProxyPort = server.port();
        aktion("Internetupdate")->trigger();
        EXPECT_EQ(plattform.dialoge, 7);
        ASSERT_EQ(plattform.meldungen.size() + plattform.fragen.size(), 4u);
        Status status(QStringLiteral("Zirvanto"));
        status.show();
        pruefung.fenster(&status);
        for (const auto& m : plattform.meldungen)
            pruefung.text(QStringLiteral("Meldung"), m.text + u' ' + m.titel);
        for (const auto& m : plattform.fragen)
            pruefung.text(QStringLiteral("Frage"), m.text + u' ' + m.titel);

        // Qt's own buttons of a question, and the program's captions on them.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            pruefung.fenster(box);
            box->reject();
        });
        QtPlattform().frage(nullptr, QStringLiteral("?"));
    }
}

} // namespace
} // namespace zirvanto
