#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zirvanto {

// A fresh program folder for each test, with helpers to put bytes into a
// file and take them out again.
class Programmordner : public ::testing::Test {
protected:
    QString pfad(const QString& name) const { return QDir(ordner.path()).filePath(name); }

    void schreiben(const QString& name, const QByteArray& bytes) const {
        QFile datei(pfad(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        ASSERT_EQ(datei.write(bytes), bytes.size());
    }

    QByteArray lesen(const QString& name) const {
        QFile datei(pfad(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    // Makes `name` a directory holding one file, so that no save can replace it.
    void versperren(const QString& name) const {
        ASSERT_TRUE(QDir(ordner.path()).mkdir(name));
        QFile inhalt(QDir(pfad(name)).filePath(QStringLiteral("inhalt.txt")));
        ASSERT_TRUE(inhalt.open(QIODevice::WriteOnly));
        inhalt.write("bleibt");
    }

    bool unberuehrt(const QString& name) const {
        QFile inhalt(QDir(pfad(name)).filePath(QStringLiteral("inhalt.txt")));
        return QFileInfo(pfad(name)).isDir() && inhalt.open(QIODevice::ReadOnly) &&
               inhalt.readAll() == "bleibt" && QDir(pfad(name)).count() == 3;
    }

    QTemporaryDir ordner;
};

} // namespace zirvanto
