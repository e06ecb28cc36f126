#include "pictures.h"

#include "draw.h"
#include "icofile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QRadialGradient>

namespace imagegen {

namespace {

QPen roundPen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(qreal y0, qreal y1, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Faint horizontal rule under the page title, fading at both ends.
void drawTitleRule(QPainter &p, qreal x, qreal y, qreal w)
{
    QLinearGradient g(x, 0, x + w, 0);
    QColor clear = col::rule;
    clear.setAlpha(0);
    g.setColorAt(0, clear);
    g.setColorAt(0.08, col::rule);
    g.setColorAt(0.92, col::rule);
    g.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(x, y, w, 1));
}

// ------------------------------------------------------------ window frame

QImage setupBackground()
{
    QImage img = canvas(720, 567, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawTopBand(p, 720);
    // Same pieces and places as the wizard's frame labels, so both windows match.
    p.save();
    p.translate(-1, 68);
    drawSideStrip(p, 433);
    p.restore();
    p.save();
    p.translate(708, 68);
    drawSideStrip(p, 433);
    p.restore();
    p.save();
    p.translate(-1, 499);
    drawBottomBar(p, 721);
    p.restore();
    return img;
}

QImage frameTop()
{
    QImage img = canvas(721, 70);
    QPainter p(&img);
    prepare(p);
    drawTopBand(p, 721);
    return img;
}

QImage frameSide()
{
    QImage img = canvas(13, 433);
    QPainter p(&img);
    drawSideStrip(p, 433);
    return img;
}

QImage frameBottom()
{
    QImage img = canvas(721, 67);
    QPainter p(&img);
    prepare(p);
    drawBottomBar(p, 721);
    return img;
}

QImage banner()
{
    QImage img = canvas(720, 70);
    QPainter p(&img);
    prepare(p);
    drawTopBand(p, 720);
    return img;
}

QImage pageBackground()
{
    QImage img = canvas(720, 567, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawTitleRule(p, 30, 114, 660);
    return img;
}

// The camera list page puts this at page (-10, 55); page = image + (-10, 55).
QImage selectBackground()
{
    QImage img = canvas(720, 436, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawTitleRule(p, 40, 59, 660);
    const QRectF panel(34.5, 101.5, 642, 128);  // page (24,156) .. (666,284)
    const QColor line(0xd5, 0xde, 0xe6);
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(panel, 6, 6);
    QPainterPath header;
    header.addRoundedRect(panel, 6, 6);
    QPainterPath clip;
    clip.addRect(QRectF(panel.left(), panel.top(), panel.width(), 28));
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(panel.top(), panel.top() + 28, QColor(0xf3, 0xf6, 0xf9),
                        QColor(0xe3, 0xea, 0xf0)));
    p.drawPath(header.intersected(clip));
    p.setPen(QPen(line, 1));
    p.drawLine(QPointF(panel.left(), panel.top() + 28), QPointF(panel.right(), panel.top() + 28));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel, 6, 6);
    return img;
}

QImage messageBoxBackground()
{
    QImage img = canvas(640, 480);
    QPainter p(&img);
    // One plain colour: the box's style sheet has no selector, so every label
    // and button inside the box paints this picture again from its own corner.
    p.fillRect(QRectF(0, 0, 640, 480), QColor(0xf4, 0xf7, 0xfa));
    return img;
}

// ------------------------------------------------------------ veil, wait frames

QImage veilPicture()
{
    return veil(721, 430);
}
template <int N> QImage waitPicture()
{
    return waitFrame(N);
}

// ------------------------------------------------------------ buttons

QImage nextBlue()
{
    return button(119, 34, Tone::Blue, Glyph::Next);
}
QImage nextGrey()
{
    return button(119, 34, Tone::Grey, Glyph::Next);
}
QImage backBlue()
{
    return button(119, 34, Tone::Blue, Glyph::Back);
}
QImage rescanBlue()
{
    return button(119, 34, Tone::Blue, Glyph::Refresh);
}
QImage yesBlue()
{
    return button(119, 34, Tone::Blue, Glyph::Check);
}
QImage closeBlue()
{
    return button(119, 34, Tone::Blue, Glyph::Cross);
}
QImage smallBlue()
{
    return button(84, 24, Tone::Blue, Glyph::None);
}
QImage wifiRescan()
{
    return button(79, 27, Tone::Blue, Glyph::Refresh);
}
QImage nextLight()
{
    return button(119, 34, Tone::Light, Glyph::Next);
}
QImage backLight()
{
    return button(119, 34, Tone::Light, Glyph::Back);
}
QImage rescanLight()
{
    return button(119, 34, Tone::Light, Glyph::Refresh);
}
QImage wifiRescanLight()
{
    return button(79, 27, Tone::Light, Glyph::Refresh);
}
QImage yesLight()
{
    return button(119, 34, Tone::Light, Glyph::Check);
}
QImage closeLight()
{
    return button(119, 34, Tone::Light, Glyph::Cross);
}
QImage changeLight()
{
    return button(119, 34, Tone::Light, Glyph::None);
}
QImage stepCurrent()
{
    return stepButton(true);
}
QImage stepOther()
{
    return stepButton(false);
}

// ------------------------------------------------------------ inputs

const QColor fieldBorder(0xb3, 0xbe, 0xc8);

QImage comboArrow()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    p.setPen(roundPen(col::blue, 2));
    p.drawPolyline(QPolygonF({QPointF(4, 6), QPointF(8, 10), QPointF(12, 6)}));
    return img;
}

// Nine-slice source for the combo box (16-pixel borders); the centre is stretched.
QImage comboFrame()
{
    QImage img = canvas(48, 34);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(fieldBorder, 1));
    p.setBrush(vertical(0, 34, Qt::white, QColor(0xee, 0xf2, 0xf5)));
    p.drawRoundedRect(QRectF(0.5, 0.5, 47, 33), 5, 5);
    return img;
}

QImage lineEditField()
{
    QImage img = canvas(200, 21);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(fieldBorder, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 199, 20), 4.5, 4.5);
    p.setPen(QPen(QColor(0xe6, 0xeb, 0xef), 1));
    p.drawLine(QPointF(4, 1.5), QPointF(196, 1.5));
    return img;
}

QImage nameEditField()
{
    QImage img = canvas(153, 27);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(QColor(0xc3, 0xcc, 0xd4), 1));
    p.setBrush(QColor(0xf3, 0xf5, 0xf7));
    p.drawRoundedRect(QRectF(0.5, 0.5, 152, 26), 4.5, 4.5);
    return img;
}

// The four octet fields share one rounded outline: left end, middle, right end.
QImage ipPart(int which)
{
    QImage img = canvas(40, 20);
    QPainter p(&img);
    prepare(p);
    QRectF r(0.5, 0.5, 39, 19);
    if (which == 0)
        r.setRight(60);
    else if (which == 1)
        r.adjust(-20, 0, 20, 0);
    else
        r.setLeft(-20);
    p.setPen(QPen(fieldBorder, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 4.5, 4.5);
    p.setPen(QPen(QColor(0xe6, 0xeb, 0xef), 1));
    p.drawLine(QPointF(which == 0 ? 4 : 0, 1.5), QPointF(which == 2 ? 36 : 40, 1.5));
    return img;
}

QImage ipFirst()
{
    return ipPart(0);
}
QImage ipMiddle()
{
    return ipPart(1);
}
QImage ipLast()
{
    return ipPart(2);
}

// ------------------------------------------------------------ small icons

QImage helpIcon()
{
    QImage img = canvas(14, 15);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(col::helpGreen);
    p.drawEllipse(QPointF(7, 7.5), 6.5, 6.5);
    QPainterPath q;
    q.addText(0, 0, uiFont(11, true), QStringLiteral("?"));
    const QRectF b = q.boundingRect();
    p.setBrush(Qt::white);
    p.drawPath(q.translated(7 - b.center().x(), 7.5 - b.center().y()));
    return img;
}

QImage registeredIcon()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(col::blue);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(roundPen(Qt::white, 1.8));
    p.drawPolyline(QPolygonF({QPointF(4.6, 8.2), QPointF(7, 10.6), QPointF(11.4, 5.6)}));
    return img;
}

QImage unregisteredIcon()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb3, 0xb9, 0xbf));
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(roundPen(Qt::white, 1.8));
    p.drawLine(QPointF(4.8, 8), QPointF(11.2, 8));
    return img;
}

QImage wiredIcon()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    // Network socket seen from the front.
    p.setPen(roundPen(QColor(0x4f, 0x5b, 0x64), 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath socket;
    socket.moveTo(2, 3);
    socket.lineTo(14, 3);
    socket.lineTo(14, 11);
    socket.lineTo(11, 11);
    socket.lineTo(11, 13.5);
    socket.lineTo(5, 13.5);
    socket.lineTo(5, 11);
    socket.lineTo(2, 11);
    socket.closeSubpath();
    p.drawPath(socket);
    p.setPen(QPen(QColor(0x4f, 0x5b, 0x64), 1));
    for (qreal x : {5.0, 7.0, 9.0, 11.0})
        p.drawLine(QPointF(x, 4.5), QPointF(x, 7));
    return img;
}

QImage wirelessIcon()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    drawWifi(p, QPointF(8, 13), 11, col::blue, 1.7);
    return img;
}

QImage radio(bool selected)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(selected ? col::blue : QColor(0x9a, 0xa4, 0xad), 1.3));
    p.setBrush(vertical(1, 15, Qt::white, QColor(0xee, 0xf1, 0xf4)));
    p.drawEllipse(QPointF(8, 8), 6.3, 6.3);
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(col::blue);
        p.drawEllipse(QPointF(8, 8), 3.4, 3.4);
    }
    return img;
}

QImage radioOff()
{
    return radio(false);
}
QImage radioOn()
{
    return radio(true);
}

// ------------------------------------------------------------ panels

// Marker behind the highlighted step label; its tip points at the picture frame.
QImage stepMarker()
{
    QImage img = canvas(254, 30);
    QPainter p(&img);
    prepare(p);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 1.5, 234, 27), 4, 4);
    QPainterPath tip;
    tip.moveTo(228, 1.5);
    tip.lineTo(246, 15);
    tip.lineTo(228, 28.5);
    tip.closeSubpath();
    shape = shape.united(tip);
    QLinearGradient g(0, 0, 254, 0);
    g.setColorAt(0, QColor(0xd9, 0xea, 0xf6));
    g.setColorAt(1, QColor(0xec, 0xf5, 0xfb));
    p.setPen(QPen(QColor(0xb9, 0xd5, 0xea), 1));
    p.setBrush(g);
    p.drawPath(shape);
    return img;
}

// Frame of the instruction panel: the step picture sits at (10,10), 235x235.
QImage instructionFrame()
{
    QImage img = canvas(411, 257);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(col::blue, 2));
    p.setBrush(vertical(0, 257, Qt::white, QColor(0xef, 0xf6, 0xfb)));
    p.drawRoundedRect(QRectF(1, 1, 409, 255), 9, 9);
    p.setPen(QPen(QColor(0xcf, 0xdc, 0xe7), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8.5, 8.5, 238, 238), 4, 4);
    return img;
}

QImage whyJoinPanel()
{
    QImage img = canvas(299, 288);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(QColor(0xc8, 0xd9, 0xe7), 1));
    p.setBrush(vertical(0, 288, QColor(0xf5, 0xf9, 0xfc), QColor(0xe6, 0xf0, 0xf7)));
    p.drawRoundedRect(QRectF(0.5, 0.5, 298, 287), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xcf, 0xe3, 0xf2));
    p.drawPath(cloudPath(QRectF(236, 12, 48, 32)));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(258.5, 30), 5.5, 5.5);
    p.setBrush(QColor(0xcf, 0xe3, 0xf2));
    p.drawEllipse(QPointF(258.5, 30), 2.5, 2.5);
    return img;
}

// Shown until the camera's snapshot arrives.
QImage snapshotPlaceholder()
{
    QImage img = canvas(200, 200);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(0, 200, QColor(0xec, 0xef, 0xf2), QColor(0xd6, 0xdc, 0xe1)));
    p.drawRect(QRectF(0, 0, 200, 200));
    const QColor mark(0xa9, 0xb3, 0xbc);
    p.setPen(roundPen(mark, 3));
    const qreal m = 16, l = 22;
    for (int corner = 0; corner < 4; ++corner) {
        const qreal x = corner % 2 ? 200 - m : m, y = corner / 2 ? 200 - m : m;
        const qreal dx = corner % 2 ? -l : l, dy = corner / 2 ? -l : l;
        p.drawLine(QPointF(x, y), QPointF(x + dx, y));
        p.drawLine(QPointF(x, y), QPointF(x, y + dy));
    }
    // Camera glyph.
    p.setPen(roundPen(mark, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(58, 72, 84, 58), 10, 10);
    p.drawEllipse(QPointF(100, 101), 18, 18);
    p.drawRoundedRect(QRectF(70, 62, 22, 10), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawEllipse(QPointF(100, 101), 7, 7);
    p.drawEllipse(QPointF(128, 84), 3, 3);
    return img;
}

// ------------------------------------------------------------ shipped pictures

QImage stepCanvas()
{
    return canvas(235, 235, Qt::white);
}

QImage plugCameraSide()
{
    QImage img = stepCanvas();
    QPainter p(&img);
    prepare(p);
    const CameraBack cam = cameraBackLayout(QPointF(16, 54));
    drawCameraBack(p, cam);
    drawHighlight(p, cam.ethernetPort.center(), 30);
    drawEthernetPlug(p, cam.ethernetPort.center() + QPointF(34, 34), 45, QPointF(236, 222));
    drawArrow(p, QPointF(214, 112), QPointF(170, 68), col::blue, 4);
    return img;
}

QImage plugRouterSide()
{
    QImage img = stepCanvas();
    QPainter p(&img);
    prepare(p);
    const RouterBack router = routerBackLayout(QRectF(15, 96, 205, 52));
    drawRouterBack(p, router);
    const QRectF port = router.lanPorts[0];
    drawHighlight(p, port.center(), 20);
    drawEthernetPlug(p, QPointF(port.center().x(), port.bottom() + 26), 90, QPointF(150, 240));
    drawArrow(p, QPointF(port.center().x() + 32, 214), QPointF(port.center().x() + 32, 168),
              col::blue, 4);
    return img;
}

QImage plugPower()
{
    QImage img = stepCanvas();
    QPainter p(&img);
    prepare(p);
    const CameraBack cam = cameraBackLayout(QPointF(72, 46));
    drawCameraBack(p, cam);
    drawHighlight(p, cam.powerJack, 19);
    const QRectF plate(10, 150, 62, 76);
    drawOutlet(p, plate);
    // Adapter in the outlet, its cord up to the barrel plug at the camera's jack.
    const QRectF adapter(22, 164, 38, 40);
    drawDcPlug(p, cam.powerJack - QPointF(16, 0), 180, adapter.center() - QPointF(0, 18));
    p.setPen(roundPen(col::ink, 2.5));
    p.setBrush(vertical(adapter.top(), adapter.bottom(), QColor(0x5c, 0x69, 0x73),
                        QColor(0x3c, 0x47, 0x4f)));
    p.drawRoundedRect(adapter, 6, 6);
    drawArrow(p, QPointF(110, 214), QPointF(70, 196), col::blue, 4);
    drawArrow(p, QPointF(cam.powerJack.x() - 74, cam.powerJack.y() - 24),
              QPointF(cam.powerJack.x() - 28, cam.powerJack.y() - 24), col::blue, 4);
    return img;
}

QImage cameraLed(bool flashing, bool wireless)
{
    QImage img = stepCanvas();
    QPainter p(&img);
    prepare(p);
    const CameraFront cam = cameraFrontLayout(QRectF(16, 78, 150, 112));
    drawCameraFront(p, cam, col::ledGreen);
    if (wireless)
        drawWifi(p, cam.antennaTip + QPointF(0, -6), 26, col::blue, 3);
    const QPointF bubble(192, 46);
    drawCallout(p, cam.led, bubble, 32);
    drawGlow(p, bubble, 26, col::ledGreen);
    p.setPen(roundPen(col::ink, 2));
    p.setBrush(col::ledGreen);
    p.drawEllipse(bubble, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(bubble + QPointF(-3.5, -3.5), 3, 3);
    if (flashing)
        drawRays(p, bubble, 15, 24, col::ledGreen, 3);
    return img;
}

QImage ledSolid()
{
    return cameraLed(false, false);
}
QImage ledFlashing()
{
    return cameraLed(true, true);
}

QImage unplugCable()
{
    QImage img = stepCanvas();
    QPainter p(&img);
    prepare(p);
    const CameraBack cam = cameraBackLayout(QPointF(16, 54));
    drawCameraBack(p, cam);
    const QPointF tip = cam.ethernetPort.center() + QPointF(62, 62);
    drawEthernetPlug(p, tip, 45, QPointF(236, 236));
    drawArrow(p, QPointF(138, 150), QPointF(172, 184), col::blue, 4);
    drawCross(p, tip + QPointF(-26, -26), 22);
    return img;
}

QImage cameraWpsButton()
{
    QImage img = stepCanvas();
    QPainter p(&img);
    prepare(p);
    const CameraBack cam = cameraBackLayout(QPointF(40, 50));
    drawCameraBack(p, cam, col::ledBlue);
    drawRays(p, cam.wpsLed, 8, 14, col::ledBlue, 2);
    drawPress(p, cam.wpsButton.center());
    return img;
}

QImage routerWpsButton()
{
    QImage img = stepCanvas();
    QPainter p(&img);
    prepare(p);
    const RouterFront router = routerFrontLayout(QRectF(15, 120, 205, 54));
    drawRouterFront(p, router);
    drawHighlight(p, router.wpsButton, 17);
    drawPress(p, router.wpsButton);
    drawStopwatch(p, QPointF(117, 46), 24);
    return img;
}

QImage wpsHelp()
{
    QImage img = canvas(125, 125);  // shown on the message box background
    QPainter p(&img);
    prepare(p);
    p.save();
    p.translate(3, 28);
    p.scale(0.5, 0.5);
    const RouterFront router = routerFrontLayout(QRectF(15, 120, 205, 54));
    drawRouterFront(p, router);
    const QPointF button = p.transform().map(router.wpsButton);
    p.restore();
    const QPointF bubble(88, 36);
    drawCallout(p, button, bubble, 30);
    p.setPen(roundPen(col::navy, 2));
    p.setBrush(vertical(bubble.y() - 18, bubble.y() + 18, col::accent, col::blue));
    p.drawEllipse(bubble, 18, 18);
    drawWpsSymbol(p, bubble, 10, Qt::white, 2.4);
    drawHighlight(p, button, 9);
    return img;
}

QImage resetHint()
{
    QImage img = canvas(80, 80);
    QPainter p(&img);
    prepare(p);
    p.setPen(roundPen(col::ink, 2.5));
    p.setBrush(vertical(12, 74, QColor(0xfa, 0xfb, 0xfc), QColor(0xdf, 0xe5, 0xea)));
    p.drawRoundedRect(QRectF(8, 12, 66, 60), 10, 10);
    const QPointF hole(40, 42);
    p.setPen(QPen(QColor(0xa5, 0xb1, 0xba), 1.5));
    p.setBrush(QColor(0xee, 0xf1, 0xf4));
    p.drawEllipse(hole, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(col::dark);
    p.drawEllipse(hole, 4, 4);
    // Straightened paper clip pushed into the hole.
    QPainterPath clip(hole + QPointF(2, 2));
    clip.lineTo(QPointF(70, 72));
    clip.arcTo(QRectF(66, 66, 12, 12), 135, 180);
    clip.lineTo(QPointF(58, 68));
    p.setPen(roundPen(col::ink, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(clip);
    p.setPen(roundPen(QColor(0xc9, 0xd1, 0xd7), 2.2));
    p.drawPath(clip);
    // Restart badge.
    p.setPen(roundPen(Qt::white, 1.5));
    p.setBrush(col::blue);
    p.drawEllipse(QPointF(15, 15), 12, 12);
    drawRefreshArrow(p, QPointF(15, 15), 6, Qt::white, 2);
    return img;
}

QImage macSticker()
{
    QImage img = canvas(240, 76);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(QColor(0x9a, 0xa7, 0xb1), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1, 1, 238, 74), 6, 6);
    // A barcode from a fixed bar pattern.
    static const int bars[] = {2, 1, 1, 3, 1, 2, 2, 1, 3, 1, 1, 2, 1, 1, 2, 3, 1, 2, 1,
                               1, 3, 2, 1, 1, 2, 1, 3, 1, 1, 2, 2, 1, 1, 3, 1, 2, 1, 2};
    p.setPen(Qt::NoPen);
    qreal x = 12;
    bool ink = true;
    for (int w : bars) {
        if (ink) {
            p.setBrush(QColor(0x22, 0x2a, 0x30));
            p.drawRect(QRectF(x, 12, w * 1.2, 36));
        }
        x += w * 1.2;
        ink = !ink;
    }
    p.setBrush(QColor(0xc4, 0xcb, 0xd1));
    p.drawRect(QRectF(12, 54, 50, 4));
    p.drawRect(QRectF(12, 62, 34, 4));

    const QRectF mark(98, 10, 134, 40);
    p.setPen(QPen(col::warnRed, 2));
    p.setBrush(QColor(0xd8, 0x3a, 0x2e, 20));
    p.drawRoundedRect(mark, 5, 5);
    p.setPen(QColor(0x22, 0x2a, 0x30));
    p.setFont(uiFont(12, true));
    p.drawText(QPointF(106, 26), QStringLiteral("MAC ID:"));
    p.setFont(uiFont(12));
    p.drawText(QPointF(106, 43), QStringLiteral("12:34:56:78:9A:BC"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc4, 0xcb, 0xd1));
    p.drawRect(QRectF(106, 58, 60, 4));
    p.drawRect(QRectF(172, 58, 40, 4));
    return img;
}

QImage productPicture()
{
    QImage img = canvas(240, 300);
    QPainter p(&img);
    prepare(p);
    QRadialGradient shadow(QPointF(120, 276), 90);
    shadow.setColorAt(0, QColor(0, 0, 0, 46));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(120, 276);
    p.scale(1, 0.16);
    p.translate(-120, -276);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(120, 276), 90, 90);
    p.restore();
    const CameraFront cam = cameraFrontLayout(QRectF(22, 96, 196, 138));
    drawCameraFront(p, cam, col::ledGreen);
    return img;
}

QImage drawProductIcon(int s)
{
    QImage img = canvas(s, s);
    QPainter p(&img);
    prepare(p);
    const qreal k = s / 32.0;
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, col::accent);
    g.setColorAt(1, col::navy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.2, s * 0.2);
    p.setBrush(Qt::white);
    if (s >= 32)
        p.drawRoundedRect(QRectF(8.5 * k, 5 * k, 3 * k, 6 * k), 1.5 * k, 1.5 * k);  // antenna
    p.drawRoundedRect(QRectF(4 * k, 9.5 * k, 24 * k, 17 * k), 4 * k, 4 * k);
    const QPointF lens(15 * k, 18 * k);
    p.setBrush(col::navy);
    p.drawEllipse(lens, 6.2 * k, 6.2 * k);
    p.setBrush(col::accent);
    p.drawEllipse(lens, 3 * k, 3 * k);
    if (s >= 32) {
        p.setBrush(col::ledGreen);
        p.drawEllipse(QPointF(24.3 * k, 13.2 * k), 1.6 * k, 1.6 * k);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(lens + QPointF(-1.2 * k, -1.2 * k), 0.9 * k, 0.9 * k);
    }
    return img;
}

QByteArray pngBytes(const QImage &drawn)
{
    // Opaque pictures go out without an alpha channel.
    QImage img = drawn.convertToFormat(QImage::Format_ARGB32);
    bool opaque = true;
    for (int y = 0; y < img.height() && opaque; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(row[x]) != 255) {
                opaque = false;
                break;
            }
        }
    }
    if (opaque)
        img = img.convertToFormat(QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    if (!w.write(img))
        return QByteArray();
    return bytes;
}

}  // namespace

const int productIconSizes[4] = {16, 32, 48, 256};

QImage productIcon(int size)
{
    return drawProductIcon(size);
}

const std::vector<Picture> &catalogue()
{
    static const std::vector<Picture> all = {
        // Window frame and page backgrounds.
        {"compiled/images/setupbackground.png", {720, 567}, setupBackground},
        {"compiled/images/setupbackground_t.png", {721, 70}, frameTop},
        {"compiled/images/setupbackground_r.png", {13, 433}, frameSide},
        {"compiled/images/setupbackground_b.png", {721, 67}, frameBottom},
        {"compiled/images/banner.png", {720, 70}, banner},
        {"compiled/images/background.png", {720, 567}, pageBackground},
        {"compiled/images/select_bg_00.png", {720, 436}, selectBackground},
        {"compiled/images/messagebox_pic.png", {640, 480}, messageBoxBackground},
        // Veil and wait frames.
        {"compiled/images/loading00.png", {721, 430}, veilPicture},
        {"compiled/images/loading01.png", {721, 430}, waitPicture<1>},
        {"compiled/images/loading02.png", {721, 430}, waitPicture<2>},
        {"compiled/images/loading03.png", {721, 430}, waitPicture<3>},
        {"compiled/images/loading04.png", {721, 430}, waitPicture<4>},
        {"compiled/images/loading05.png", {721, 430}, waitPicture<5>},
        {"compiled/images/loading06.png", {721, 430}, waitPicture<6>},
        {"compiled/images/loading07.png", {721, 430}, waitPicture<7>},
        // Step bar.
        {"compiled/images/nav_blue.png", {75, 29}, stepCurrent},
        {"compiled/images/nave_grey.png", {75, 29}, stepOther},
        // Picture buttons and their hover pictures.
        {"compiled/images/btn_start-next_blue.png", {119, 34}, nextBlue},
        {"compiled/images/btn_start-next_grey.png", {119, 34}, nextGrey},
        {"compiled/images/btn_back_blue.png", {119, 34}, backBlue},
        {"compiled/images/btn_re_blue.png", {119, 34}, rescanBlue},
        {"compiled/images/btn_yes_blue.png", {119, 34}, yesBlue},
        {"compiled/images/btn_close-no_blue.png", {119, 34}, closeBlue},
        {"compiled/images/cancel_button_blue.png", {84, 24}, smallBlue},
        {"compiled/images/conn_rescan_but.png", {79, 27}, wifiRescan},
        {"compiled/images/btn_start_light.png", {119, 34}, nextLight},
        {"compiled/images/btn_back_light.png", {119, 34}, backLight},
        {"compiled/images/btn_rescan_light.png", {119, 34}, rescanLight},
        {"compiled/images/small_light_but.png", {79, 27}, wifiRescanLight},
        {"compiled/images/done_light.png", {119, 34}, yesLight},
        {"compiled/images/close_light_btu.png", {119, 34}, closeLight},
        {"compiled/images/change_light_btu.png", {119, 34}, changeLight},
        // Input fields.
        {"compiled/images/arrow_select.png", {16, 16}, comboArrow},
        {"compiled/images/bg_select.png", {48, 34}, comboFrame},
        {"compiled/images/bg_input.png", {200, 21}, lineEditField},
        {"compiled/images/join_edit.png", {153, 27}, nameEditField},
        {"compiled/images/bg_IPinput01.png", {40, 20}, ipFirst},
        {"compiled/images/bg_IPinput02.png", {40, 20}, ipMiddle},
        {"compiled/images/bg_IPinput03.png", {40, 20}, ipLast},
        // Small icons.
        {"compiled/images/icon_help.png", {14, 15}, helpIcon},
        {"compiled/images/icon_reg.png", {16, 16}, registeredIcon},
        {"compiled/images/icon_noreg.png", {16, 16}, unregisteredIcon},
        {"compiled/images/icon_wired.png", {16, 16}, wiredIcon},
        {"compiled/images/icon_wireless.png", {16, 16}, wirelessIcon},
        {"compiled/images/radio_unselect.png", {16, 16}, radioOff},
        {"compiled/images/radio_selected.png", {16, 16}, radioOn},
        // Panels.
        {"compiled/images/bg_left.png", {254, 30}, stepMarker},
        {"compiled/images/connect_blue_pic.png", {411, 257}, instructionFrame},
        {"compiled/images/join2_right.png", {299, 288}, whyJoinPanel},
        {"compiled/images/localview.png", {200, 200}, snapshotPlaceholder},
        // Files beside the program.
        {"shipped/images/product.ico", {256, 256}, nullptr},
        {"shipped/images/product.png", {240, 300}, productPicture},
        {"shipped/images/plug_step1.png", {235, 235}, plugCameraSide},
        {"shipped/images/plug_step2.png", {235, 235}, plugRouterSide},
        {"shipped/images/plug_step3.png", {235, 235}, plugPower},
        {"shipped/images/plug_step4.png", {235, 235}, ledSolid},
        {"shipped/images/connect_step1_pic1.png", {235, 235}, plugCameraSide},
        {"shipped/images/connect_step1_pic2.png", {235, 235}, plugRouterSide},
        {"shipped/images/connect_step1_pic3.png", {235, 235}, ledSolid},
        {"shipped/images/connect_step2_pic1.png", {235, 235}, unplugCable},
        {"shipped/images/connect_step2_pic2.png", {235, 235}, cameraWpsButton},
        {"shipped/images/connect_step2_pic3.png", {235, 235}, routerWpsButton},
        {"shipped/images/connect_step2_pic4.png", {235, 235}, ledFlashing},
        {"shipped/images/restart.PNG", {80, 80}, resetHint},
        {"shipped/images/wps.PNG", {125, 125}, wpsHelp},
        {"shipped/images/MACID.PNG", {240, 76}, macSticker},
    };
    return all;
}

const Picture *findPicture(const QString &path)
{
    for (const Picture &pic : catalogue()) {
        if (pic.path == path)
            return &pic;
    }
    return nullptr;
}

QByteArray encode(const Picture &pic)
{
    if (!pic.draw) {
        QList<QImage> sizes;
        for (int s : productIconSizes)
            sizes.append(productIcon(s));
        return icoFile(sizes);
    }
    return pngBytes(pic.draw());
}

}  // namespace imagegen
