// Build step: draws the pictures the suite installs, so no binary files live in the
// sources. Everything is deterministic: the same build draws the same pixels.
//
//   drawpictures <application directory>
// writes Icons/png-0.png … png-139.png, Img/背景图片.jpg, Img/ProjCount.png,
// Img/Demo.jpg and Img/示例图片1.jpg … 示例图片12.jpg.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kIconCount = 140;
constexpr int kIconSize = 64;
constexpr int kDrawScale = 2; // icons are drawn at twice the size and scaled down smoothly

// ---- Icons -------------------------------------------------------------------
// Icon n = symbol n / 10 on a tile of colour n % 10: 14 symbols × 10 colours.

const QColor kTileColours[10] = {
    QColor(229, 57, 53),  QColor(245, 124, 0),  QColor(249, 168, 37), QColor(67, 160, 71),  QColor(0, 137, 123),
    QColor(0, 151, 167),  QColor(30, 136, 229), QColor(57, 73, 171),  QColor(142, 36, 170), QColor(216, 27, 96),
};

QPainterPath starPath(QPointF centre, double outer, double inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / points;
        const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF c, double s)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.9);
    path.cubicTo(c.x() - s * 1.3, c.y() + s * 0.1, c.x() - s * 0.9, c.y() - s * 1.0, c.x(), c.y() - s * 0.35);
    path.cubicTo(c.x() + s * 0.9, c.y() - s * 1.0, c.x() + s * 1.3, c.y() + s * 0.1, c.x(), c.y() + s * 0.9);
    return path;
}

// Each symbol is drawn in white on a 128 × 128 canvas centred on (64, 64).
void drawSymbol(QPainter &p, int symbol, const QColor &tile)
{
    const QColor white(255, 255, 255);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    switch (symbol) {
    case 0: { // die
        p.drawRoundedRect(QRectF(30, 30, 68, 68), 14, 14);
        p.setBrush(tile.darker(130));
        for (const QPointF pip : {QPointF(46, 46), QPointF(82, 46), QPointF(64, 64), QPointF(46, 82), QPointF(82, 82)})
            p.drawEllipse(pip, 7, 7);
        break;
    }
    case 1: // star
        p.drawPath(starPath(QPointF(64, 68), 42, 18, 5));
        break;
    case 2: // heart
        p.drawPath(heartPath(QPointF(64, 64), 36));
        break;
    case 3: { // trophy
        QPainterPath cup;
        cup.moveTo(38, 30);
        cup.lineTo(90, 30);
        cup.cubicTo(90, 64, 78, 76, 64, 78);
        cup.cubicTo(50, 76, 38, 64, 38, 30);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(white, 7));
        p.drawArc(QRectF(24, 36, 22, 24), 90 * 16, 180 * 16);
        p.drawArc(QRectF(82, 36, 22, 24), -90 * 16, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawRect(QRectF(58, 76, 12, 14));
        p.drawRoundedRect(QRectF(44, 90, 40, 10), 3, 3);
        break;
    }
    case 4: { // gift box
        p.drawRect(QRectF(32, 56, 64, 44));
        p.drawRect(QRectF(28, 44, 72, 14));
        p.setBrush(tile.darker(140));
        p.drawRect(QRectF(59, 44, 10, 56));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(white, 6));
        p.drawEllipse(QRectF(44, 26, 20, 16));
        p.drawEllipse(QRectF(64, 26, 20, 16));
        break;
    }
    case 5: { // musical note
        p.drawEllipse(QRectF(32, 78, 26, 20));
        p.drawEllipse(QRectF(72, 70, 26, 20));
        p.drawRect(QRectF(52, 34, 7, 54));
        p.drawRect(QRectF(92, 26, 7, 54));
        QPainterPath beam;
        beam.moveTo(52, 34);
        beam.lineTo(99, 26);
        beam.lineTo(99, 40);
        beam.lineTo(52, 48);
        beam.closeSubpath();
        p.drawPath(beam);
        break;
    }
    case 6: { // lightning
        QPainterPath bolt;
        bolt.moveTo(72, 22);
        bolt.lineTo(38, 70);
        bolt.lineTo(60, 70);
        bolt.lineTo(52, 106);
        bolt.lineTo(90, 54);
        bolt.lineTo(67, 54);
        bolt.closeSubpath();
        p.drawPath(bolt);
        break;
    }
    case 7: { // four-leaf clover
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(64, 60);
            p.rotate(45 + 90 * k);
            p.drawPath(heartPath(QPointF(0, -20), 16));
            p.restore();
        }
        p.setPen(QPen(white, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(64, 62), QPointF(80, 104));
        break;
    }
    case 8: { // target with arrow
        p.drawEllipse(QPointF(60, 68), 38, 38);
        p.setBrush(tile);
        p.drawEllipse(QPointF(60, 68), 28, 28);
        p.setBrush(white);
        p.drawEllipse(QPointF(60, 68), 18, 18);
        p.setBrush(tile);
        p.drawEllipse(QPointF(60, 68), 8, 8);
        p.setPen(QPen(white.darker(110), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(60, 68), QPointF(100, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawPolygon(QPolygonF({QPointF(100, 28), QPointF(106, 18), QPointF(110, 30), QPointF(98, 34)}));
        break;
    }
    case 9: { // person
        p.drawEllipse(QPointF(64, 44), 18, 18);
        QPainterPath body;
        body.moveTo(30, 104);
        body.cubicTo(30, 72, 46, 66, 64, 66);
        body.cubicTo(82, 66, 98, 72, 98, 104);
        body.closeSubpath();
        p.drawPath(body);
        break;
    }
    case 10: { // picture: frame, sun and mountains
        p.drawRoundedRect(QRectF(26, 32, 76, 64), 8, 8);
        p.setBrush(tile.lighter(125));
        p.drawRect(QRectF(32, 38, 64, 52));
        p.setBrush(white);
        p.drawEllipse(QPointF(80, 52), 7, 7);
        p.setBrush(tile.darker(150));
        p.drawPolygon(QPolygonF({QPointF(32, 90), QPointF(54, 58), QPointF(70, 78), QPointF(78, 70), QPointF(96, 90)}));
        break;
    }
    case 11: { // key
        p.drawEllipse(QPointF(44, 54), 20, 20);
        p.setBrush(tile);
        p.drawEllipse(QPointF(44, 54), 8, 8);
        p.setBrush(white);
        p.save();
        p.translate(44, 54);
        p.rotate(35);
        p.drawRect(QRectF(16, -5, 56, 10));
        p.drawRect(QRectF(52, 4, 8, 12));
        p.drawRect(QRectF(64, 4, 8, 16));
        p.restore();
        break;
    }
    case 12: { // arithmetic: + − × ÷
        p.setPen(QPen(white, 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(32, 44), QPointF(56, 44));
        p.drawLine(QPointF(44, 32), QPointF(44, 56));
        p.drawLine(QPointF(72, 44), QPointF(96, 44));
        p.drawLine(QPointF(34, 74), QPointF(54, 94));
        p.drawLine(QPointF(54, 74), QPointF(34, 94));
        p.drawLine(QPointF(72, 84), QPointF(96, 84));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(84, 72), 4.5, 4.5);
        p.drawEllipse(QPointF(84, 96), 4.5, 4.5);
        break;
    }
    default: { // crown
        QPainterPath crown;
        crown.moveTo(28, 90);
        crown.lineTo(24, 44);
        crown.lineTo(46, 66);
        crown.lineTo(64, 34);
        crown.lineTo(82, 66);
        crown.lineTo(104, 44);
        crown.lineTo(100, 90);
        crown.closeSubpath();
        p.drawPath(crown);
        p.drawRoundedRect(QRectF(28, 94, 72, 10), 3, 3);
        p.setBrush(tile);
        p.drawEllipse(QPointF(64, 76), 6, 6);
        break;
    }
    }
}

QImage drawIcon(int index)
{
    const int symbol = index / 10;
    const QColor tile = kTileColours[index % 10];
    const int size = kIconSize * kDrawScale;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);

    QLinearGradient fill(0, 0, 0, 128);
    fill.setColorAt(0, tile.lighter(125));
    fill.setColorAt(1, tile.darker(115));
    p.setPen(Qt::NoPen);
    // A soft drop shadow, then the tile; odd rows of symbols use round tiles.
    p.setBrush(QColor(0, 0, 0, 50));
    const bool round = symbol % 2 == 1;
    const QRectF tileRect(8, 8, 112, 112);
    if (round) {
        p.drawEllipse(tileRect.translated(0, 4));
        p.setBrush(fill);
        p.drawEllipse(tileRect);
    } else {
        p.drawRoundedRect(tileRect.translated(0, 4), 26, 26);
        p.setBrush(fill);
        p.drawRoundedRect(tileRect, 26, 26);
    }
    // A gloss across the upper half.
    QLinearGradient gloss(0, 8, 0, 64);
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    if (round)
        p.drawEllipse(QRectF(16, 12, 96, 56));
    else
        p.drawRoundedRect(QRectF(14, 12, 100, 52), 22, 22);

    drawSymbol(p, symbol, tile);
    p.end();
    return image.scaled(kIconSize, kIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---- Scenes ------------------------------------------------------------------

struct Palette
{
    QColor skyTop, skyBottom, sun, far, middle, near;
    bool night;
    bool water;
};

// A ridge line across the picture from a few sine waves.
QPainterPath ridge(double width, double height, double base, double amplitude, double phase, double waves)
{
    QPainterPath path;
    path.moveTo(0, height);
    for (int x = 0; x <= width; x += 4) {
        const double t = x / width;
        const double y = base + amplitude * (0.6 * std::sin(t * waves * M_PI + phase) +
                                             0.3 * std::sin(t * waves * 2.7 * M_PI + phase * 1.7) +
                                             0.1 * std::sin(t * waves * 6.1 * M_PI + phase * 0.3));
        path.lineTo(x, y);
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

QImage drawScene(int width, int height, const Palette &c, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height * 0.75);
    sky.setColorAt(0, c.skyTop);
    sky.setColorAt(1, c.skyBottom);
    p.fillRect(image.rect(), sky);

    if (c.night) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < width * height / 2500; ++i) {
            p.setBrush(QColor(255, 255, 255, 90 + random.bounded(160)));
            const double r = 0.5 + random.bounded(1.4);
            p.drawEllipse(QPointF(random.bounded(width), random.bounded(height * 0.55)), r, r);
        }
    }
    const QPointF sunCentre(width * (0.2 + random.bounded(0.6)), height * (0.18 + random.bounded(0.2)));
    const double sunRadius = height * (c.night ? 0.06 : 0.08);
    QRadialGradient glow(sunCentre, sunRadius * 4);
    QColor halo = c.sun;
    halo.setAlpha(110);
    glow.setColorAt(0, halo);
    glow.setColorAt(1, QColor(c.sun.red(), c.sun.green(), c.sun.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sunCentre, sunRadius * 4, sunRadius * 4);
    p.setBrush(c.sun);
    p.drawEllipse(sunCentre, sunRadius, sunRadius);

    // Soft clouds.
    if (!c.night) {
        for (int i = 0; i < 4; ++i) {
            const QPointF at(random.bounded(width), height * (0.08 + random.bounded(0.25)));
            p.setBrush(QColor(255, 255, 255, 60));
            for (int k = 0; k < 5; ++k)
                p.drawEllipse(at + QPointF(k * width * 0.03, (k % 2) * -height * 0.02), width * 0.05, height * 0.035);
        }
    }

    const double phase = random.bounded(2 * M_PI);
    p.setBrush(c.far);
    p.drawPath(ridge(width, height, height * 0.52, height * 0.12, phase, 2.2));
    p.setBrush(c.middle);
    p.drawPath(ridge(width, height, height * 0.64, height * 0.09, phase + 2.0, 1.6));
    if (c.water) {
        QLinearGradient lake(0, height * 0.74, 0, height);
        lake.setColorAt(0, c.skyBottom.darker(110));
        lake.setColorAt(1, c.skyTop.darker(120));
        p.setBrush(lake);
        p.drawRect(QRectF(0, height * 0.74, width, height * 0.26));
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
        for (int i = 0; i < 26; ++i) {
            const double y = height * (0.76 + random.bounded(0.22));
            const double x = random.bounded(width);
            p.drawLine(QPointF(x, y), QPointF(x + width * (0.03 + random.bounded(0.08)), y));
        }
        p.setPen(Qt::NoPen);
    } else {
        p.setBrush(c.near);
        p.drawPath(ridge(width, height, height * 0.8, height * 0.06, phase + 4.0, 1.1));
        // A few trees on the near hills.
        p.setBrush(c.near.darker(140));
        for (int i = 0; i < 9; ++i) {
            const double x = random.bounded(width);
            const double base = height * (0.86 + random.bounded(0.08));
            const double h = height * (0.06 + random.bounded(0.06));
            p.drawPolygon(QPolygonF({QPointF(x, base - h), QPointF(x - h * 0.3, base), QPointF(x + h * 0.3, base)}));
        }
    }
    p.end();
    return image;
}

const Palette kScenes[12] = {
    {QColor(70, 140, 220), QColor(190, 225, 250), QColor(255, 250, 220), QColor(120, 150, 190), QColor(70, 130, 110), QColor(50, 110, 70), false, false},
    {QColor(250, 120, 70), QColor(255, 210, 130), QColor(255, 240, 170), QColor(170, 90, 110), QColor(110, 60, 90), QColor(60, 35, 60), false, false},
    {QColor(10, 20, 60), QColor(50, 70, 140), QColor(240, 240, 210), QColor(40, 50, 100), QColor(25, 35, 75), QColor(15, 20, 45), true, false},
    {QColor(120, 190, 240), QColor(225, 245, 255), QColor(255, 255, 235), QColor(160, 180, 200), QColor(100, 150, 140), QColor(60, 120, 100), false, true},
    {QColor(240, 170, 90), QColor(255, 225, 170), QColor(255, 245, 200), QColor(210, 150, 90), QColor(190, 120, 70), QColor(160, 95, 55), false, false},
    {QColor(160, 200, 235), QColor(235, 245, 255), QColor(255, 255, 245), QColor(200, 215, 235), QColor(235, 240, 250), QColor(210, 225, 240), false, false},
    {QColor(90, 60, 150), QColor(240, 130, 150), QColor(255, 220, 180), QColor(120, 70, 140), QColor(80, 45, 110), QColor(45, 25, 70), false, true},
    {QColor(40, 130, 180), QColor(150, 220, 220), QColor(255, 255, 230), QColor(60, 140, 120), QColor(30, 110, 80), QColor(20, 80, 50), false, false},
    {QColor(255, 150, 120), QColor(255, 230, 200), QColor(255, 250, 230), QColor(150, 170, 200), QColor(90, 120, 160), QColor(50, 80, 120), false, true},
    {QColor(20, 40, 80), QColor(200, 100, 80), QColor(255, 200, 120), QColor(90, 60, 80), QColor(50, 35, 55), QColor(25, 20, 30), false, false},
    {QColor(100, 180, 110), QColor(220, 240, 200), QColor(255, 255, 220), QColor(130, 170, 120), QColor(90, 150, 80), QColor(60, 120, 50), false, false},
    {QColor(5, 10, 30), QColor(20, 60, 90), QColor(210, 230, 255), QColor(20, 50, 70), QColor(10, 35, 50), QColor(5, 20, 30), true, true},
};

// The menu's wallpaper: deep blue with soft light circles and a wave.
QImage drawWallpaper()
{
    const int width = 1280, height = 800;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, width, height);
    base.setColorAt(0, QColor(28, 40, 110));
    base.setColorAt(0.55, QColor(40, 70, 170));
    base.setColorAt(1, QColor(20, 130, 190));
    p.fillRect(image.rect(), base);
    QRandomGenerator random(2014);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 38; ++i) {
        const QPointF at(random.bounded(width), random.bounded(height));
        const double r = 20 + random.bounded(110);
        QRadialGradient light(at, r);
        light.setColorAt(0, QColor(255, 255, 255, 30 + random.bounded(40)));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(light);
        p.drawEllipse(at, r, r);
    }
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath wave;
        wave.moveTo(0, height);
        for (int x = 0; x <= width; x += 8)
            wave.lineTo(x, height * (0.7 + layer * 0.08) + 40 * std::sin(x / 180.0 + layer * 1.3));
        wave.lineTo(width, height);
        wave.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 18 + layer * 8));
        p.drawPath(wave);
    }
    p.end();
    return image;
}

// The counter picture of the menu's info strip: a stack of project cards.
QImage drawProjectCount()
{
    const int size = 96;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor cards[3] = {QColor(255, 193, 7), QColor(76, 175, 80), QColor(33, 150, 243)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(QRectF(14 + i * 10, 10 + i * 12 + 3, 56, 44), 8, 8);
        p.setBrush(cards[i]);
        p.drawRoundedRect(QRectF(14 + i * 10, 10 + i * 12, 56, 44), 8, 8);
    }
    p.setBrush(Qt::white);
    for (int k = 0; k < 3; ++k)
        p.drawRoundedRect(QRectF(44, 44 + k * 10, 30 - k * 6, 5), 2, 2);
    p.end();
    return image.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The designer's stand-in for a project's pictures.
QImage drawDemo()
{
    QImage image = drawScene(400, 300, kScenes[0], 7);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"), 26, QFont::Bold);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(image.rect().translated(2, 2), Qt::AlignCenter, QStringLiteral("示例图片"));
    p.setPen(Qt::white);
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("示例图片"));
    p.end();
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, nullptr, path.endsWith(QLatin1String(".jpg")) ? 90 : -1))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures <application directory>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    QDir().mkpath(root + QStringLiteral("Icons"));
    QDir().mkpath(root + QStringLiteral("Img"));

    bool ok = true;
    for (int i = 0; i < kIconCount; ++i)
        ok &= save(drawIcon(i), root + QStringLiteral("Icons/png-%1.png").arg(i));
    ok &= save(drawWallpaper(), root + QStringLiteral("Img/背景图片.jpg"));
    ok &= save(drawProjectCount(), root + QStringLiteral("Img/ProjCount.png"));
    ok &= save(drawDemo(), root + QStringLiteral("Img/Demo.jpg"));
    for (int i = 0; i < 12; ++i)
        ok &= save(drawScene(640, 480, kScenes[i], 100 + i), root + QStringLiteral("Img/示例图片%1.jpg").arg(i + 1));
    return ok ? 0 : 1;
}
