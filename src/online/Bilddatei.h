#pragma once

#include <QByteArray>
#include <QString>

namespace zirvanto {

// Bytes of a picture from the server (a flag, the logo) are written only
// when they are more than 513 bytes long and load as a picture of at most
// 1024 x 1024 pixels; the file is replaced atomically. Returns whether the
// file was written.
bool bildSchreiben(const QString& pfad, const QByteArray& bytes);

// Whether the bytes load as a picture within that bound. The size is read
// from the header before anything is decoded.
bool bildTaugt(const QByteArray& bytes);

} // namespace zirvanto
