#include "qrcodeimage.h"

#include <qrencode.h>

#include <memory>

QImage QrCodeImage(const QByteArray &text, int moduleSize)
{
    constexpr int kQuietZone = 4;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(text.size()), reinterpret_cast<const unsigned char *>(text.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!code || moduleSize < 1)
        return QImage();
    const int modules = code->width + 2 * kQuietZone;
    QImage image(modules * moduleSize, modules * moduleSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb dark = qRgb(0, 0, 0);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each byte is the module's colour.
            if (!(code->data[y * code->width + x] & 1))
                continue;
            for (int dy = 0; dy < moduleSize; ++dy) {
                QRgb *line = reinterpret_cast<QRgb *>(image.scanLine((y + kQuietZone) * moduleSize + dy));
                for (int dx = 0; dx < moduleSize; ++dx)
                    line[(x + kQuietZone) * moduleSize + dx] = dark;
            }
        }
    return image;
}
