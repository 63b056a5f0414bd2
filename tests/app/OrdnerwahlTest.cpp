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

TEST(OrdnerwahlTest, EineDateiNebenDemProgrammMachtEsTragbar) {
    for (const char* datei : {"currency.ini", "zirvanto.ini"}) {
        QTemporaryDir w;
        schreiben(w.filePath("bin/") + datei, "");
        const Ordnerwahl wahl = ordnerBestimmen(w.filePath("bin"), w.filePath("heim/Zirvanto"));
        EXPECT_EQ(wahl.programmordner, w.filePath("bin")) << datei;
        EXPECT_TRUE(wahl.weitereBildordner.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(w.filePath("heim")));
    }
}

TEST(OrdnerwahlTest, InstalliertBleibtDieKurstabelleDesBenutzersUnberuehrt) {
    QTemporaryDir w;
    ASSERT_TRUE(QDir().mkpath(w.filePath("bin")));
    schreiben(w.filePath("share/zirvanto/currency.ini"), "ATS:Schilling: 13.7603:: 0\r\n");
    schreiben(w.filePath("heim/Zirvanto/currency.ini"), "USD:Dollar: 1.1:: 1\r\n");
    const Ordnerwahl wahl = ordnerBestimmen(w.filePath("bin"), w.filePath("heim/Zirvanto"));
    EXPECT_EQ(wahl.programmordner, w.filePath("heim/Zirvanto"));
    EXPECT_EQ(wahl.weitereBildordner, QStringList{w.filePath("share/zirvanto")});
    QFile kurse(w.filePath("heim/Zirvanto/currency.ini"));
    ASSERT_TRUE(kurse.open(QIODevice::ReadOnly));
    EXPECT_EQ(kurse.readAll(), "USD:Dollar: 1.1:: 1\r\n");
}

} // namespace
} // namespace zirvanto
