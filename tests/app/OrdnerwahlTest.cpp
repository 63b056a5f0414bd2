#include "app/Ordnerwahl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

void schreiben(const QString& pfad, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pfad).path()));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A file beside the executable makes a portable installation; without one
// the user's folder is used, and a rate table the user already has stays.
TEST(OrdnerwahlTest, TragbarNebenEinerDateiSonstImDatenordnerOhneIhnZuUeberschreiben) {
    for (const QString neben : {"currency.ini", "zirvanto.ini", "zirvanto"}) {
        QTemporaryDir w;
        schreiben(w.filePath("bin/") + neben, "");
        schreiben(w.filePath("share/zirvanto/currency.ini"), "geliefert");
        schreiben(w.filePath("heim/Z/currency.ini"), "eigene");
        const Ordnerwahl wahl = ordnerBestimmen(w.filePath("bin"), w.filePath("heim/Z"));
        const bool tragbar = neben != "zirvanto";
        EXPECT_EQ(wahl.programmordner, w.filePath(tragbar ? "bin" : "heim/Z"))
            << neben.toStdString();
        EXPECT_EQ(wahl.weitereBildordner,
                  tragbar ? QStringList() : QStringList{w.filePath("share/zirvanto")});
        QFile kurse(w.filePath("heim/Z/currency.ini"));
        ASSERT_TRUE(kurse.open(QIODevice::ReadOnly));
        EXPECT_EQ(kurse.readAll(), "eigene");
    }
}

} // namespace
} // namespace zirvanto
