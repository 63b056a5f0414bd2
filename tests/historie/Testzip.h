#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

namespace zirvanto::test {

// A zip archive of one deflated file, as the ECB packs its history.
inline QByteArray zipMit(const char* name, const QByteArray& inhalt) {
    const QTemporaryDir ordner;
    const QString pfad = QDir(ordner.path()).filePath(QStringLiteral("t.zip"));
    zipFile zip = zipOpen64(QFile::encodeName(pfad).constData(), APPEND_STATUS_CREATE);
    zip_fileinfo info{};
    zipOpenNewFileInZip64(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                          Z_DEFAULT_COMPRESSION, 0);
    zipWriteInFileInZip(zip, inhalt.constData(), unsigned(inhalt.size()));
    zipCloseFileInZip(zip);
    zipClose(zip, nullptr);
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace zirvanto::test
