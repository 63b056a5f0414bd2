#pragma once

#include "mainwindow/Rechner.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/SkriptPlattform.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zirvanto::test {

inline const QLocale Deutsch(QLocale::German, QLocale::Germany);

// The main window over a temporary program folder that holds the arrow
// pictures and a settings file naming the Euro, so no first-start question
// is asked unless a test removes it.
class Fenstertest : public Programmordner {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        for (const char* name : {"pfeilzu.bmp", "pfeilauf.bmp"})
            ASSERT_TRUE(QFile::copy(quelle(name), pfad(name)));
        schreiben("zirvanto.ini", "Main = EUR\r\n");
    }

    static QString quelle(const char* name) {
        return QStringLiteral(ZIRVANTO_QUELLORDNER "/resources/programm/") + QLatin1String(name);
    }

    // The Schilling as main currency, as the program is mostly used.
    void mitSchilling() {
        schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\n");
        schreiben("zirvanto.ini", "Main = ATS\r\n");
    }

    // The side rows are built when the rate table is first opened; opened
    // and closed again, the window is as it started, with its rows.
    Rechner& oeffnen(bool mitSeitenzeilen = true) {
        rechner.reset();
        rechner = std::make_unique<Rechner>(globals, plattform, ordner.path(), locale);
        rechner->show();
        rechner->activateWindow(); // on X11 without a window manager, too
        QApplication::setActiveWindow(rechner.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(rechner.get()));
        if (mitSeitenzeilen) {
            aktion("Kurstabelle")->trigger();
            aktion("Kurstabelle")->trigger();
        }
        return *rechner;
    }

    template <typename W = QWidget> W* kind(const QString& name) {
        auto* w = rechner->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    // A label's or a button's text.
    QString text(const char* name) {
        if (auto* l = rechner->findChild<QLabel*>(QLatin1String(name))) return l->text();
        return kind<QPushButton>(name)->text();
    }
    QAction* aktion(const char* name) { return rechner->findChild<QAction*>(QLatin1String(name)); }
    void klicken(const char* knopf) { QTest::mouseClick(kind<QPushButton>(knopf), Qt::LeftButton); }
    // Types characters as text (QTest's own typing knows only ASCII).
    void tippen(const QString& zeichen) {
        for (QChar c : zeichen)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    void taste(Qt::Key k, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, mod);
    }
    QWidget* fokus() const { return QApplication::focusWidget(); }

    Globals globals;
    QLocale locale = Deutsch;
    SkriptPlattform plattform;
    std::unique_ptr<Rechner> rechner;
};

} // namespace zirvanto::test
