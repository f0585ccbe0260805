#include "qrcodeimage.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

QImage QrCodeImage(const QByteArray &text, int moduleSize)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code || moduleSize < 1)
        return {};
    constexpr int kQuietZone = 4;
    const int modules = code->width;
    const int side = (modules + 2 * kQuietZone) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            // The lowest bit of each byte is the module's colour (1 = dark).
            if (code->data[y * modules + x] & 1)
                painter.fillRect((x + kQuietZone) * moduleSize, (y + kQuietZone) * moduleSize, moduleSize, moduleSize,
                                 Qt::black);
        }
    }
    return image;
}
