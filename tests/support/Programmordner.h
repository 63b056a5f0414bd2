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
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
    }

    QByteArray lesen(const QString& name) const {
        QFile datei(pfad(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    QTemporaryDir ordner;
};

} // namespace zirvanto
