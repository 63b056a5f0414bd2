#include "app/Ordnerwahl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

// A file beside the executable makes a portable installation; without one
// the user's folder is used, and a rate table the user already has stays.
TEST(OrdnerwahlTest, TragbarNebenEinerDateiSonstImDatenordnerOhneIhnZuUeberschreiben) {
    for (const QString neben : {"currency.ini", "zirvanto.ini", "zirvanto"}) {
        QTemporaryDir w;
        for (const QString& datei :
             QStringList{"bin/" + neben, "share/zirvanto/currency.ini", "heim/Z/currency.ini"}) {
            QDir().mkpath(QFileInfo(w.filePath(datei)).path());
            QFile f(w.filePath(datei));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(datei.toUtf8()));
        }
        const Ordnerwahl wahl = ordnerBestimmen(w.filePath("bin"), w.filePath("heim/Z"));
        const bool tragbar = neben != "zirvanto";
        EXPECT_EQ(wahl.programmordner, w.filePath(tragbar ? "bin" : "heim/Z"))
            << neben.toStdString();
        EXPECT_EQ(wahl.weitereBildordner,
                  tragbar ? QStringList() : QStringList{w.filePath("share/zirvanto")});
        QFile kurse(w.filePath("heim/Z/currency.ini"));
        ASSERT_TRUE(kurse.open(QIODevice::ReadOnly));
        EXPECT_EQ(kurse.readAll(), "heim/Z/currency.ini");
    }
}

} // namespace
} // namespace zirvanto
