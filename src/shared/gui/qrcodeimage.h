#pragma once

#include <QByteArray>
#include <QImage>

// A QR code of `text` (error correction M), dark modules on white with the four-module
// quiet zone a reader needs, each module `moduleSize` pixels square. A null image when
// the text does not fit a QR code.
QImage QrCodeImage(const QByteArray &text, int moduleSize);
