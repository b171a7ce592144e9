// Draws the twenty battlefield pictures the battlefield editor shows: a small
// map of the place, its landmark in the middle and crossed swords on the side
// where the battlefield lies. Picture 6 is 152 x 152, the others 150 x 150, all
// 24-bit. Run once and commit what it writes:
//   QT_QPA_PLATFORM=offscreen battlefield_pictures resources/

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <array>
#include <cstdio>

namespace {

enum class Landmark { Forest, Temple, Tower, Town, Cave, Pyramid, Mine, Volcano };
enum class Side { North, South, East, West };

struct Place {
    QColor ground;
    QColor accent;
    Landmark landmark;
    Side side;
};

// In list order: picture k shows list row k - 1.
const std::array<Place, 20> Places{{
    {QColor(86, 140, 64), QColor(36, 84, 36), Landmark::Forest, Side::North},
    {QColor(214, 190, 128), QColor(168, 124, 64), Landmark::Temple, Side::West},
    {QColor(214, 190, 128), QColor(168, 124, 64), Landmark::Temple, Side::East},
    {QColor(120, 150, 96), QColor(128, 128, 140), Landmark::Tower, Side::East},
    {QColor(150, 170, 120), QColor(224, 220, 200), Landmark::Temple, Side::East},
    {QColor(70, 130, 190), QColor(230, 230, 240), Landmark::Town, Side::South},
    {QColor(225, 235, 245), QColor(90, 110, 140), Landmark::Cave, Side::South},
    {QColor(225, 235, 245), QColor(90, 110, 140), Landmark::Cave, Side::West},
    {QColor(200, 225, 240), QColor(120, 180, 220), Landmark::Pyramid, Side::South},
    {QColor(150, 170, 120), QColor(224, 220, 200), Landmark::Temple, Side::North},
    {QColor(230, 238, 246), QColor(150, 160, 190), Landmark::Temple, Side::North},
    {QColor(120, 150, 96), QColor(128, 128, 140), Landmark::Tower, Side::West},
    {QColor(230, 238, 246), QColor(150, 160, 190), Landmark::Temple, Side::West},
    {QColor(150, 96, 70), QColor(200, 80, 40), Landmark::Town, Side::East},
    {QColor(150, 96, 70), QColor(200, 80, 40), Landmark::Town, Side::West},
    {QColor(130, 104, 76), QColor(70, 50, 36), Landmark::Mine, Side::South},
    {QColor(80, 60, 56), QColor(220, 70, 30), Landmark::Volcano, Side::West},
    {QColor(80, 60, 56), QColor(220, 70, 30), Landmark::Volcano, Side::East},
    {QColor(110, 130, 110), QColor(190, 200, 170), Landmark::Temple, Side::East},
    {QColor(150, 200, 230), QColor(250, 250, 250), Landmark::Town, Side::South},
}};

void drawTexture(QPainter& p, const Place& place, int size, quint32 seed) {
    QRandomGenerator random(seed);
    p.fillRect(0, 0, size, size, place.ground);
    for (int k = 0; k < 90; ++k) {
        const QColor speck = k % 2 ? place.ground.lighter(112) : place.ground.darker(112);
        p.fillRect(random.bounded(size), random.bounded(size), 3, 2, speck);
    }
}

void drawLandmark(QPainter& p, const Place& place, QPointF c) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(place.accent);
    switch (place.landmark) {
    case Landmark::Forest:
        for (int k = 0; k < 9; ++k)
            p.drawEllipse(c + QPointF(-30 + 22 * (k % 3), -26 + 22 * (k / 3)), 12, 12);
        break;
    case Landmark::Temple:
        p.drawRect(QRectF(c.x() - 28, c.y() - 10, 56, 30));
        p.drawPolygon(
            QPolygonF{{c + QPointF(-34, -10), c + QPointF(0, -32), c + QPointF(34, -10)}});
        p.setBrush(Qt::black);
        p.drawRect(QRectF(c.x() - 6, c.y() + 4, 12, 16));
        break;
    case Landmark::Tower:
        p.drawRect(QRectF(c.x() - 12, c.y() - 40, 24, 70));
        p.drawPolygon(
            QPolygonF{{c + QPointF(-16, -40), c + QPointF(0, -56), c + QPointF(16, -40)}});
        break;
    case Landmark::Town:
        for (int k = 0; k < 4; ++k) {
            const QPointF h = c + QPointF(-30 + 32 * (k % 2), -24 + 30 * (k / 2));
            p.setBrush(place.accent);
            p.drawRect(QRectF(h.x(), h.y() + 8, 24, 16));
            p.setBrush(QColor(170, 60, 50));
            p.drawPolygon(QPolygonF{{h + QPointF(-3, 8), h + QPointF(12, -4), h + QPointF(27, 8)}});
        }
        break;
    case Landmark::Cave:
        p.drawChord(QRectF(c.x() - 36, c.y() - 30, 72, 70), 0, 180 * 16);
        p.setBrush(Qt::black);
        p.drawChord(QRectF(c.x() - 14, c.y() - 8, 28, 32), 0, 180 * 16);
        break;
    case Landmark::Pyramid:
        p.drawPolygon(QPolygonF{{c + QPointF(-40, 24), c + QPointF(0, -36), c + QPointF(40, 24)}});
        p.drawLine(c + QPointF(0, -36), c + QPointF(8, 24));
        break;
    case Landmark::Mine:
        p.drawRect(QRectF(c.x() - 26, c.y() - 20, 52, 40));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(c.x() - 12, c.y() - 6, 24, 26));
        p.setPen(QPen(QColor(60, 40, 20), 3));
        p.drawLine(c + QPointF(-30, 28), c + QPointF(30, 28));
        break;
    case Landmark::Volcano:
        p.drawPolygon(QPolygonF{{c + QPointF(-44, 28), c + QPointF(-10, -30), c + QPointF(10, -30),
                                 c + QPointF(44, 28)}});
        p.setBrush(QColor(255, 200, 40));
        p.drawEllipse(c + QPointF(0, -30), 10, 4);
        break;
    }
}

void drawSwords(QPainter& p, QPointF at) {
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at + QPointF(-10, -10), at + QPointF(10, 10));
    p.drawLine(at + QPointF(10, -10), at + QPointF(-10, 10));
    p.setPen(QPen(QColor(235, 235, 240), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at + QPointF(-10, -10), at + QPointF(10, 10));
    p.drawLine(at + QPointF(10, -10), at + QPointF(-10, 10));
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, 15, 15);
}

QImage picture(const Place& place, int size, quint32 seed) {
    QImage image(size, size, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawTexture(p, place, size, seed);
    const QPointF centre(size / 2.0, size / 2.0);
    drawLandmark(p, place, centre);
    const double away = size / 2.0 - 22;
    const QPointF towards[] = {{0, -away}, {0, away}, {away, 0}, {-away, 0}};
    drawSwords(p, centre + towards[static_cast<int>(place.side)]);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, size - 2, size - 2));
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int k = 1; k <= static_cast<int>(Places.size()); ++k) {
        const int size = k == 6 ? 152 : 150;
        const QString path =
            dir.filePath(QStringLiteral("battlefield_%1.png").arg(k, 2, 10, QLatin1Char('0')));
        if (!picture(Places[k - 1], size, static_cast<quint32>(k)).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
