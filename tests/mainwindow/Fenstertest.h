#pragma once

#include "mainwindow/Rechner.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/SkriptPlattform.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

    Rechner& oeffnen() {
        rechner.reset();
        rechner = std::make_unique<Rechner>(globals, plattform, ordner.path(), locale);
        rechner->show();
        rechner->activateWindow(); // on X11 without a window manager, too
        QApplication::setActiveWindow(rechner.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(rechner.get()));
        kind("SideBox(14)"); // the side rows too
        return *rechner;
    }

    // The side rows follow the first paint when the program waits for input:
    // a control not found is waited for in a loop that waits like the program's.
    template <typename W = QWidget> W* kind(const QString& name) {
        auto* w = rechner->findChild<W*>(name);
        for (int i = 0; !w && i < 100; ++i) {
            QEventLoop warten;
            QTimer::singleShot(1, &warten, &QEventLoop::quit);
            warten.exec();
            w = rechner->findChild<W*>(name);
        }
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
