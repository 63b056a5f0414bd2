#pragma once

#include "data/Textdatei.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace zirvanto {

// A fresh program folder for each test, with helpers to put bytes into a
// file and take them out again.
class Programmordner : public ::testing::Test {
protected:
    QString pfad(const QString& name) const { return QDir(ordner.path()).filePath(name); }

    void schreiben(const QString& name, const QByteArray& bytes) const {
        QFile datei(pfad(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
    }

    QByteArray lesen(const QString& name) const {
        QFile datei(pfad(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    // Makes `name` a directory holding one file, so that no save can replace
    // it; `speichern` must report the failure and leave the folder as it was.
    void speichernScheitert(const QString& name,
                            const std::function<Speicherergebnis()>& speichern) {
        ASSERT_TRUE(QDir(ordner.path()).mkdir(name));
        schreiben(name + "/inhalt.txt", "bleibt");
        const Speicherergebnis ergebnis = speichern();
        EXPECT_TRUE(!ergebnis.ok && !ergebnis.fehler.isEmpty());
        EXPECT_EQ(lesen(name + "/inhalt.txt"), "bleibt");
        const auto eintraege = QDir::AllEntries | QDir::NoDotAndDotDot;
        EXPECT_EQ(QDir(ordner.path()).entryList(eintraege), QStringList{name}); // no temporary file
    }

    QTemporaryDir ordner;
};

} // namespace zirvanto
