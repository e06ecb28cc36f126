#include "draw.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

namespace imagegen {

QImage canvas(int w, int h, const QColor &fill)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    // Fixed 96 dpi: otherwise the PNG's pHYs chunk follows the screen.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

static QPen roundPen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

static QLinearGradient vertical(qreal y0, qreal y1, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Filled triangle head pointing along dir (a unit vector) with its tip at tip.
static void arrowHead(QPainter &p, const QPointF &tip, QPointF dir, qreal length, qreal half,
                      const QColor &c)
{
    const qreal len = std::hypot(dir.x(), dir.y());
    if (len <= 0)
        return;
    dir /= len;
    const QPointF n(-dir.y(), dir.x());
    const QPointF base = tip - dir * length;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base + n * half);
    head.lineTo(base - n * half);
    head.closeSubpath();
    p.save();
    p.setPen(QPen(c, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPath(head);
    p.restore();
}

// ---------------------------------------------------------------- logo

QPainterPath cloudPath(const QRectF &box)
{
    // Unit cloud spans x 10..92, y 2..56.
    QPainterPath u;
    u.setFillRule(Qt::WindingFill);
    u.addEllipse(QPointF(28, 38), 18, 18);
    u.addEllipse(QPointF(50, 26), 24, 24);
    u.addEllipse(QPointF(74, 36), 18, 18);
    u.addRoundedRect(QRectF(10, 36, 82, 20), 10, 10);
    u = u.simplified();
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 82.0, box.height() / 54.0);
    t.translate(-10, -2);
    return t.map(u);
}

void drawLogo(QPainter &p, const QPointF &topLeft, qreal scale)
{
    p.save();
    p.translate(topLeft);
    p.scale(scale, scale);

    const QRectF cloudBox(0, 0, 56, 37);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));  // soft drop shadow keeps the cloud off the band
    p.drawPath(cloudPath(cloudBox.translated(1, 2)));
    p.setBrush(Qt::white);
    p.drawPath(cloudPath(cloudBox));

    const QPointF lens(27.3, 22.0);
    p.setBrush(col::navy);
    p.drawEllipse(lens, 8.5, 8.5);
    p.setBrush(col::accent);
    p.drawEllipse(lens, 5.0, 5.0);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(lens + QPointF(-1.8, -1.8), 1.6, 1.6);

    QPainterPath word;
    const QFont f = uiFont(30, true);
    word.addText(QPointF(64, 31), f, QStringLiteral("sky"));
    QPainterPath tail;
    const qreal skyWidth = word.boundingRect().right() + 1.5;
    tail.addText(QPointF(skyWidth, 31), f, QStringLiteral("vue"));
    p.setBrush(Qt::white);
    p.drawPath(word);
    p.setBrush(col::skyLight);
    p.drawPath(tail);
    p.restore();
}

// ---------------------------------------------------------------- frame

void drawTopBand(QPainter &p, int width)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(0, 70, col::navyTop, col::navy));
    p.drawRect(QRectF(0, 0, width, 70));
    // A faint wide arc at the right gives the band some depth behind the model title.
    QRadialGradient glow(QPointF(width - 140, -40), 260);
    glow.setColorAt(0, QColor(255, 255, 255, 34));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawRect(QRectF(0, 0, width, 68));
    p.setBrush(col::accent);
    p.drawRect(QRectF(0, 68, width, 2));
    p.restore();
    drawLogo(p, QPointF(20, 16));
}

void drawSideStrip(QPainter &p, int height)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0, 0, 13, height));
    // The strips overlap the band's last two rows; repeat its accent there.
    p.setBrush(col::accent);
    p.drawRect(QRectF(0, 0, 13, 2));
    p.restore();
}

void drawBottomBar(QPainter &p, int width)
{
    // Frame coordinates: the piece sits at window x -1, so window x = image x - 1.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0, 0, width, 3));
    p.setBrush(vertical(3, 38, col::navyTop, col::navy));
    p.drawRect(QRectF(0, 3, width, 35));
    p.setBrush(col::accent);
    p.drawRect(QRectF(0, 3, width, 1));
    p.setBrush(QColor(0xf2, 0xf4, 0xf6));
    p.drawRect(QRectF(0, 38, width, 29));
    p.setBrush(QColor(0xdd, 0xe3, 0xe8));
    p.drawRect(QRectF(0, 38, width, 1));
    // Separators halfway between the link buttons (window x 246, 431, 533).
    for (int x : {247, 432, 534}) {
        p.setBrush(QColor(0x14, 0x40, 0x5f));
        p.drawRect(QRectF(x, 14, 1, 14));
        p.setBrush(QColor(0x4d, 0x82, 0xad));
        p.drawRect(QRectF(x + 1, 14, 1, 14));
    }
    p.restore();
}

// ---------------------------------------------------------------- buttons

struct ToneColours {
    QColor top, upper, lower, bottom, border, sheen;
};

static ToneColours toneColours(Tone t)
{
    switch (t) {
    case Tone::Blue:
        return {QColor(0x5a, 0xa7, 0xd9), QColor(0x3b, 0x8c, 0xc4), QColor(0x2a, 0x78, 0xb0),
                QColor(0x1f, 0x64, 0x98), QColor(0x16, 0x4a, 0x73), QColor(255, 255, 255, 90)};
    case Tone::Light:
        return {QColor(0x8f, 0xcd, 0xf2), QColor(0x62, 0xb2, 0xe4), QColor(0x48, 0x9e, 0xd6),
                QColor(0x35, 0x89, 0xc3), QColor(0x25, 0x6e, 0xa2), QColor(255, 255, 255, 120)};
    case Tone::Grey: break;
    }
    return {QColor(0xc9, 0xcd, 0xd1), QColor(0xb3, 0xb8, 0xbd), QColor(0xa3, 0xa8, 0xad),
            QColor(0x96, 0x9b, 0xa1), QColor(0x86, 0x8b, 0x91), QColor(255, 255, 255, 80)};
}

void drawRefreshArrow(QPainter &p, const QPointF &c, qreal r, const QColor &colour, qreal width)
{
    p.save();
    p.setPen(roundPen(colour, width));
    p.setBrush(Qt::NoBrush);
    const qreal start = 70, span = -290;  // degrees, clockwise
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(start * 16), int(span * 16));
    const qreal end = qDegreesToRadians(start + span);
    const QPointF at = c + QPointF(std::cos(end), -std::sin(end)) * r;
    const QPointF dir(std::sin(end), std::cos(end));  // clockwise tangent
    arrowHead(p, at + dir * (width * 1.4), dir, width * 2.4, width * 1.7, colour);
    p.restore();
}

static void drawGlyph(QPainter &p, const QPointF &c, qreal s, Glyph g, qreal width)
{
    if (g == Glyph::None)
        return;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 52));
    p.drawEllipse(c, s, s);
    p.setPen(roundPen(Qt::white, width));
    p.setBrush(Qt::NoBrush);
    switch (g) {
    case Glyph::Next:
        p.drawPolyline(QPolygonF({c + QPointF(-0.2 * s, -0.45 * s), c + QPointF(0.3 * s, 0),
                                  c + QPointF(-0.2 * s, 0.45 * s)}));
        break;
    case Glyph::Back:
        p.drawPolyline(QPolygonF({c + QPointF(0.2 * s, -0.45 * s), c + QPointF(-0.3 * s, 0),
                                  c + QPointF(0.2 * s, 0.45 * s)}));
        break;
    case Glyph::Check:
        p.drawPolyline(
            QPolygonF({c + QPointF(-0.45 * s, 0.02 * s), c + QPointF(-0.12 * s, 0.36 * s),
                       c + QPointF(0.46 * s, -0.34 * s)}));
        break;
    case Glyph::Cross:
        p.drawLine(c + QPointF(-0.36 * s, -0.36 * s), c + QPointF(0.36 * s, 0.36 * s));
        p.drawLine(c + QPointF(0.36 * s, -0.36 * s), c + QPointF(-0.36 * s, 0.36 * s));
        break;
    case Glyph::Refresh: drawRefreshArrow(p, c, 0.46 * s, Qt::white, width * 0.9); break;
    case Glyph::None: break;
    }
    p.restore();
}

QImage button(int w, int h, Tone tone, Glyph glyph)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    const ToneColours c = toneColours(tone);
    const qreal radius = h >= 30 ? 5 : 4;
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, c.top);
    g.setColorAt(0.48, c.upper);
    g.setColorAt(0.52, c.lower);
    g.setColorAt(1, c.bottom);
    p.setPen(QPen(c.border, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
    p.setPen(QPen(c.sheen, 1));
    p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));

    // The glyph sits where the captions leave room: their stored blanks push the
    // text away from it (trailing blanks, or leading ones for Back).
    const qreal s = h * 0.25;
    const qreal cx = glyph == Glyph::Back ? h * 0.5 : w - h * 0.5;
    drawGlyph(p, QPointF(cx, h / 2.0), s, glyph, h / 17.0);
    return img;
}

QImage stepButton(bool current)
{
    const int w = 75, h = 29;
    const qreal d = 6;  // depth of the point and of the notch
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    QPainterPath shape;
    shape.moveTo(0.5, 0.5);
    shape.lineTo(w - 0.5 - d, 0.5);
    shape.lineTo(w - 0.5, h / 2.0);
    shape.lineTo(w - 0.5 - d, h - 0.5);
    shape.lineTo(0.5, h - 0.5);
    shape.lineTo(0.5 + d, h / 2.0);
    shape.closeSubpath();
    QLinearGradient g(0, 0, 0, h);
    if (current) {
        g.setColorAt(0, QColor(0x55, 0xa3, 0xd6));
        g.setColorAt(1, QColor(0x1f, 0x64, 0x98));
        p.setPen(QPen(QColor(0x16, 0x4a, 0x73), 1));
    } else {
        g.setColorAt(0, QColor(0xf3, 0xf5, 0xf7));
        g.setColorAt(1, QColor(0xda, 0xdf, 0xe3));
        p.setPen(QPen(QColor(0xc2, 0xc9, 0xcf), 1));
    }
    p.setBrush(g);
    p.drawPath(shape);
    return img;
}

// ---------------------------------------------------------------- veil

QImage veil(int w, int h)
{
    return canvas(w, h, QColor(255, 255, 255, 204));
}

QImage waitFrame(int frame)
{
    QImage img = veil(721, 430);
    QPainter p(&img);
    prepare(p);
    const QPointF centre(360, 215);
    const qreal ring = 20, dot = 5;
    // Frame k lights positions k-1, k, k+1 (head last), position 0 at twelve o'clock.
    const int head = (frame + 1) % 8;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(45.0 * i);
        const QPointF at = centre + QPointF(std::sin(a), -std::cos(a)) * ring;
        QColor c(0xcd, 0xd3, 0xd8);
        if (i == head)
            c = col::navy;
        else if (i == (head + 7) % 8)
            c = col::blue;
        else if (i == (head + 6) % 8)
            c = QColor(0x7f, 0xb8, 0xdc);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(at, dot, dot);
    }
    return img;
}

// ---------------------------------------------------------------- devices

static void drawPort(QPainter &p, const QRectF &r, const QColor &housing, qreal pen)
{
    p.setPen(roundPen(col::ink, pen));
    p.setBrush(housing);
    p.drawRoundedRect(r, 2, 2);
    const qreal m = r.width() * 0.14;
    QPainterPath opening;
    opening.setFillRule(Qt::WindingFill);
    opening.addRect(QRectF(r.left() + m, r.top() + m, r.width() - 2 * m,
                           r.height() - 2 * m - r.height() * 0.16));
    opening.addRect(QRectF(r.center().x() - r.width() * 0.18, r.top() + m, r.width() * 0.36,
                           r.height() - 2 * m));
    p.setPen(Qt::NoPen);
    p.setBrush(col::dark);
    p.drawPath(opening.simplified());
    p.setPen(QPen(col::metal, std::max<qreal>(1.0, r.width() / 30.0)));
    const int pins = 6;
    for (int i = 0; i < pins; ++i) {
        const qreal x = r.left() + m + (r.width() - 2 * m) * (i + 0.75) / (pins + 0.5);
        p.drawLine(QPointF(x, r.top() + m + 1), QPointF(x, r.top() + m + r.height() * 0.2));
    }
}

static void drawStand(QPainter &p, const QRectF &body, qreal u)
{
    const qreal cx = body.center().x();
    p.setPen(roundPen(col::ink, 3 * u));
    p.setBrush(QColor(0xe4, 0xe9, 0xed));
    p.drawRect(QRectF(cx - 12 * u, body.bottom() - 4 * u, 24 * u, 24 * u));
    p.setBrush(vertical(body.bottom() + 18 * u, body.bottom() + 32 * u, QColor(0xf4, 0xf6, 0xf8),
                        QColor(0xd6, 0xdc, 0xe1)));
    p.drawRoundedRect(QRectF(cx - 46 * u, body.bottom() + 18 * u, 92 * u, 14 * u), 7 * u, 7 * u);
}

static void drawAntenna(QPainter &p, const QRectF &r, qreal u)
{
    p.setPen(roundPen(col::ink, 3 * u));
    p.setBrush(QColor(0xe4, 0xe9, 0xed));
    p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
}

CameraBack cameraBackLayout(const QPointF &o)
{
    CameraBack c;
    c.body = QRectF(o.x(), o.y(), 150, 118);
    c.ethernetPort = QRectF(o.x() + 88, o.y() + 28, 40, 32);
    c.powerJack = o + QPointF(40, 44);
    c.wpsButton = QRectF(o.x() + 26, o.y() + 78, 28, 14);
    c.wpsLed = o + QPointF(70, 85);
    c.resetHole = o + QPointF(108, 85);
    return c;
}

void drawCameraBack(QPainter &p, const CameraBack &c, const QColor &wpsLed)
{
    const qreal u = 1;
    p.save();
    drawStand(p, c.body, u);
    drawAntenna(p, QRectF(c.body.right() - 32, c.body.top() - 40, 12, 48), u);

    p.setPen(roundPen(col::ink, 3));
    p.setBrush(vertical(c.body.top(), c.body.bottom(), QColor(0xfa, 0xfb, 0xfc),
                        QColor(0xe0, 0xe5, 0xea)));
    p.drawRoundedRect(c.body, 16, 16);
    p.setPen(QPen(QColor(0xa5, 0xb1, 0xba), 1.5));
    p.setBrush(QColor(0xee, 0xf1, 0xf4));
    p.drawRoundedRect(c.body.adjusted(12, 12, -12, -12), 8, 8);

    drawPort(p, c.ethernetPort, QColor(0xaa, 0xb5, 0xbd), 2);

    p.setPen(roundPen(col::ink, 2));
    p.setBrush(QColor(0xaa, 0xb5, 0xbd));
    p.drawEllipse(c.powerJack, 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(col::dark);
    p.drawEllipse(c.powerJack, 6.5, 6.5);
    p.setBrush(QColor(0xd0, 0xd6, 0xda));
    p.drawEllipse(c.powerJack, 2, 2);

    p.setPen(roundPen(col::navy, 1.5));
    p.setBrush(vertical(c.wpsButton.top(), c.wpsButton.bottom(), col::accent, col::blue));
    p.drawRoundedRect(c.wpsButton, 4, 4);

    if (wpsLed != col::ledOff)
        drawGlow(p, c.wpsLed, 14, wpsLed);
    p.setPen(roundPen(col::ink, 1.5));
    p.setBrush(wpsLed);
    p.drawEllipse(c.wpsLed, 4.5, 4.5);

    p.setPen(QPen(QColor(0xa5, 0xb1, 0xba), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c.resetHole, 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(col::dark);
    p.drawEllipse(c.resetHole, 3, 3);
    p.restore();
}

CameraFront cameraFrontLayout(const QRectF &body)
{
    const qreal u = body.height() / 118.0;
    CameraFront c;
    c.body = body;
    c.lens = body.center() + QPointF(-8 * u, 2 * u);
    c.led = QPointF(body.right() - 24 * u, body.top() + 22 * u);
    c.antennaTip = QPointF(body.left() + 28 * u, body.top() - 44 * u);
    return c;
}

void drawCameraFront(QPainter &p, const CameraFront &c, const QColor &led)
{
    const qreal u = c.body.height() / 118.0;
    p.save();
    drawStand(p, c.body, u);
    drawAntenna(p, QRectF(c.antennaTip.x() - 6.5 * u, c.antennaTip.y(), 13 * u, 52 * u), u);

    p.setPen(roundPen(col::ink, 3 * u));
    p.setBrush(vertical(c.body.top(), c.body.bottom(), Qt::white, QColor(0xdf, 0xe5, 0xea)));
    p.drawRoundedRect(c.body, 18 * u, 18 * u);
    p.setPen(QPen(QColor(0xc5, 0xce, 0xd5), 1.5 * u));
    p.setBrush(QColor(0xf5, 0xf7, 0xf9));
    p.drawRoundedRect(c.body.adjusted(10 * u, 10 * u, -10 * u, -10 * u), 12 * u, 12 * u);

    const qreal r = c.body.height() * 0.34;
    p.setPen(roundPen(col::ink, 3 * u));
    p.setBrush(vertical(c.lens.y() - r, c.lens.y() + r, QColor(0xee, 0xf1, 0xf4),
                        QColor(0xc9, 0xd1, 0xd7)));
    p.drawEllipse(c.lens, r, r);
    p.setPen(roundPen(col::ink, 2 * u));
    p.setBrush(col::dark);
    p.drawEllipse(c.lens, r * 0.74, r * 0.74);
    QRadialGradient glass(c.lens + QPointF(-r * 0.15, -r * 0.2), r * 0.5);
    glass.setColorAt(0, QColor(0x3c, 0x6e, 0x96));
    glass.setColorAt(1, QColor(0x14, 0x1c, 0x22));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(c.lens, r * 0.46, r * 0.46);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(c.lens + QPointF(-r * 0.2, -r * 0.22), r * 0.1, r * 0.1);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(c.lens + QPointF(r * 0.16, r * 0.18), r * 0.05, r * 0.05);

    if (led != col::ledOff)
        drawGlow(p, c.led, 13 * u, led);
    p.setPen(roundPen(col::ink, 1.5 * u));
    p.setBrush(led);
    p.drawEllipse(c.led, 5 * u, 5 * u);
    p.restore();
}

RouterBack routerBackLayout(const QRectF &body)
{
    RouterBack r;
    r.body = body;
    const qreal y = body.top() + 16;
    r.wanPort = QRectF(body.left() + 24, y, 22, 20);
    for (int i = 0; i < 4; ++i)
        r.lanPorts[i] = QRectF(body.left() + 62 + i * 28, y, 22, 20);
    return r;
}

static void drawRouterShell(QPainter &p, const QRectF &body, qreal radius)
{
    drawAntenna(p, QRectF(body.left() + 14, body.top() - 62, 12, 68), 1);
    drawAntenna(p, QRectF(body.right() - 26, body.top() - 62, 12, 68), 1);
    p.setPen(roundPen(col::ink, 3));
    p.setBrush(
        vertical(body.top(), body.bottom(), QColor(0xfa, 0xfb, 0xfc), QColor(0xd9, 0xdf, 0xe4)));
    p.drawRoundedRect(body, radius, radius);
}

void drawRouterBack(QPainter &p, const RouterBack &r)
{
    p.save();
    drawRouterShell(p, r.body, 10);
    drawPort(p, r.wanPort, QColor(0x8f, 0xb9, 0xd6), 1.5);
    for (const QRectF &port : r.lanPorts)
        drawPort(p, port, QColor(0xe8, 0xc8, 0x5a), 1.5);
    const QPointF jack(r.body.right() - 20, r.wanPort.center().y());
    p.setPen(roundPen(col::ink, 1.5));
    p.setBrush(QColor(0xaa, 0xb5, 0xbd));
    p.drawEllipse(jack, 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(col::dark);
    p.drawEllipse(jack, 4, 4);
    p.restore();
}

RouterFront routerFrontLayout(const QRectF &body)
{
    RouterFront r;
    r.body = body;
    r.wpsRadius = 10;
    r.wpsButton = QPointF(body.right() - 30, body.center().y());
    return r;
}

void drawRouterFront(QPainter &p, const RouterFront &r)
{
    p.save();
    drawRouterShell(p, r.body, 14);
    for (int i = 0; i < 5; ++i) {
        const QPointF at(r.body.left() + 26 + i * 18, r.body.center().y());
        const bool lit = i < 3;
        if (lit)
            drawGlow(p, at, 8, col::ledGreen);
        p.setPen(roundPen(col::ink, 1.2));
        p.setBrush(lit ? col::ledGreen : col::ledOff);
        p.drawEllipse(at, 3.2, 3.2);
    }
    p.setPen(roundPen(col::navy, 2));
    p.setBrush(vertical(r.wpsButton.y() - r.wpsRadius, r.wpsButton.y() + r.wpsRadius, col::accent,
                        col::blue));
    p.drawEllipse(r.wpsButton, r.wpsRadius, r.wpsRadius);
    drawWpsSymbol(p, r.wpsButton, r.wpsRadius * 0.55, Qt::white, 1.4);
    p.restore();
}

// ---------------------------------------------------------------- plugs, marks

void drawCable(QPainter &p, const QPointF &from, const QPointF &c1, const QPointF &to,
               const QColor &c)
{
    QPainterPath path(from);
    path.quadTo(c1, to);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(col::ink, 10));
    p.drawPath(path);
    p.setPen(roundPen(c, 6));
    p.drawPath(path);
    p.restore();
}

void drawEthernetPlug(QPainter &p, const QPointF &tip, qreal angle, const QPointF &cableEnd)
{
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(angle);
    drawCable(p, t.map(QPointF(50, 0)), t.map(QPointF(95, 0)), cableEnd);

    p.save();
    p.setTransform(t, true);
    p.setPen(roundPen(col::ink, 2));
    p.setBrush(QColor(0x5f, 0x6e, 0x79));
    p.drawRoundedRect(QRectF(32, -9, 20, 18), 3, 3);
    p.setBrush(QColor(0xe3, 0xeb, 0xf1));
    p.drawRoundedRect(QRectF(0, -12, 34, 24), 3, 3);
    p.setPen(QPen(col::metal, 1.6));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(3, -8 + i * 4), QPointF(11, -8 + i * 4));
    p.setPen(roundPen(col::ink, 2));
    p.setBrush(QColor(0xe3, 0xeb, 0xf1));
    p.drawPolyline(QPolygonF({QPointF(10, -12), QPointF(28, -19), QPointF(31, -15)}));
    p.restore();
}

void drawDcPlug(QPainter &p, const QPointF &tip, qreal angle, const QPointF &cableEnd)
{
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(angle);
    drawCable(p, t.map(QPointF(48, 0)), t.map(QPointF(90, 0)), cableEnd, QColor(0x4a, 0x56, 0x60));

    p.save();
    p.setTransform(t, true);
    p.setPen(roundPen(col::ink, 1.5));
    p.setBrush(QColor(0xc9, 0xd1, 0xd7));
    p.drawRect(QRectF(0, -4, 15, 8));
    p.setPen(roundPen(col::ink, 2));
    p.setBrush(QColor(0x4a, 0x56, 0x60));
    p.drawRoundedRect(QRectF(14, -8, 26, 16), 4, 4);
    p.drawRoundedRect(QRectF(39, -5, 10, 10), 2, 2);
    p.restore();
}

void drawArrow(QPainter &p, const QPointF &from, const QPointF &to, const QColor &c, qreal width)
{
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF unit = d / len;
    const qreal headLen = width * 2.6;
    p.save();
    p.setPen(roundPen(c, width));
    p.drawLine(from, to - unit * (headLen * 0.8));
    p.restore();
    arrowHead(p, to, unit, headLen, width * 1.7, c);
}

void drawCurvedArrow(QPainter &p, const QPointF &from, const QPointF &ctrl, const QPointF &to,
                     const QColor &c, qreal width)
{
    const QPointF d = to - ctrl;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF unit = len > 0 ? d / len : QPointF(1, 0);
    const qreal headLen = width * 2.6;
    QPainterPath path(from);
    path.quadTo(ctrl, to - unit * (headLen * 0.8));
    p.save();
    p.setPen(roundPen(c, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    arrowHead(p, to, unit, headLen, width * 1.7, c);
}

void drawHighlight(QPainter &p, const QPointF &center, qreal radius)
{
    p.save();
    QPen pen(col::blue, 2, Qt::DashLine, Qt::RoundCap);
    pen.setDashPattern({3, 2.5});
    p.setPen(pen);
    p.setBrush(QColor(0x2a, 0x7b, 0xa6, 28));
    p.drawEllipse(center, radius, radius);
    p.restore();
}

void drawGlow(QPainter &p, const QPointF &center, qreal radius, const QColor &c)
{
    QRadialGradient g(center, radius);
    QColor inner = c, outer = c;
    inner.setAlpha(170);
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(center, radius, radius);
    p.restore();
}

void drawRays(QPainter &p, const QPointF &center, qreal r1, qreal r2, const QColor &c, qreal width)
{
    p.save();
    p.setPen(roundPen(c, width));
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(center + d * r1, center + d * r2);
    }
    p.restore();
}

void drawCross(QPainter &p, const QPointF &c, qreal size)
{
    const qreal h = size / 2;
    p.save();
    for (const auto &pen :
         {roundPen(Qt::white, size * 0.28 + 4), roundPen(col::warnRed, size * 0.28)}) {
        p.setPen(pen);
        p.drawLine(c + QPointF(-h, -h), c + QPointF(h, h));
        p.drawLine(c + QPointF(h, -h), c + QPointF(-h, h));
    }
    p.restore();
}

void drawPress(QPainter &p, const QPointF &target)
{
    p.save();
    p.setPen(roundPen(col::blue, 2));
    p.setBrush(Qt::NoBrush);
    for (qreal r : {13.0, 19.0})
        p.drawArc(QRectF(target.x() - r, target.y() - r, 2 * r, 2 * r), 10 * 16, 250 * 16);
    p.restore();
    drawArrow(p, target + QPointF(40, 40), target + QPointF(9, 9), col::blue, 4);
}

void drawWpsSymbol(QPainter &p, const QPointF &c, qreal r, const QColor &colour, qreal width)
{
    p.save();
    p.setPen(roundPen(colour, width));
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    for (qreal start : {100.0, 280.0}) {
        const qreal span = 130;
        p.drawArc(box, int(start * 16), int(span * 16));
        const qreal end = qDegreesToRadians(start + span);
        const QPointF at = c + QPointF(std::cos(end), -std::sin(end)) * r;
        const QPointF dir(-std::sin(end), -std::cos(end));  // counter-clockwise tangent
        arrowHead(p, at + dir * (width * 1.6), dir, width * 2.6, width * 1.8, colour);
    }
    p.restore();
}

void drawWifi(QPainter &p, const QPointF &base, qreal size, const QColor &c, qreal width)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(base, width * 0.9, width * 0.9);
    p.setPen(roundPen(c, width));
    p.setBrush(Qt::NoBrush);
    for (qreal f : {0.42, 0.71, 1.0}) {
        const qreal r = size * f;
        p.drawArc(QRectF(base.x() - r, base.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.restore();
}

void drawOutlet(QPainter &p, const QRectF &plate)
{
    p.save();
    p.setPen(roundPen(col::ink, 3));
    p.setBrush(
        vertical(plate.top(), plate.bottom(), QColor(0xfa, 0xfb, 0xfc), QColor(0xe2, 0xe7, 0xeb)));
    p.drawRoundedRect(plate, 8, 8);
    const QPointF c = plate.center();
    const qreal r = std::min(plate.width(), plate.height()) * 0.34;
    p.setPen(roundPen(col::ink, 2));
    p.setBrush(QColor(0xe4, 0xe9, 0xed));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(col::dark);
    p.drawEllipse(c + QPointF(-r * 0.42, 0), r * 0.13, r * 0.13);
    p.drawEllipse(c + QPointF(r * 0.42, 0), r * 0.13, r * 0.13);
    p.restore();
}

void drawStopwatch(QPainter &p, const QPointF &c, qreal r)
{
    p.save();
    p.setPen(roundPen(col::ink, 3));
    p.setBrush(QColor(0xe4, 0xe9, 0xed));
    p.drawRoundedRect(QRectF(c.x() - 5, c.y() - r - 9, 10, 8), 2, 2);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x7b, 0xa6, 70));
    const qreal ri = r - 5;
    p.drawPie(QRectF(c.x() - ri, c.y() - ri, 2 * ri, 2 * ri), 90 * 16, -300 * 16);
    p.setPen(roundPen(col::ink, 2));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i);
        const QPointF d(std::sin(a), -std::cos(a));
        p.drawLine(c + d * (r - 4), c + d * (r - 1.5));
    }
    p.setPen(roundPen(col::navy, 2.5));
    const qreal a = qDegreesToRadians(-60.0);
    p.drawLine(c, c + QPointF(std::sin(a), -std::cos(a)) * (r - 6));
    p.setPen(Qt::NoPen);
    p.setBrush(col::navy);
    p.drawEllipse(c, 2.5, 2.5);
    p.restore();
}

void drawCallout(QPainter &p, const QPointF &from, const QPointF &center, qreal radius)
{
    const QPointF d = center - from;
    const qreal len = std::hypot(d.x(), d.y());
    p.save();
    p.setPen(QPen(QColor(0x8f, 0x9c, 0xa6), 1.5, Qt::DashLine, Qt::RoundCap));
    if (len > radius)
        p.drawLine(from, center - d / len * radius);
    p.setPen(roundPen(col::blue, 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(center, radius, radius);
    p.restore();
}

}  // namespace imagegen
