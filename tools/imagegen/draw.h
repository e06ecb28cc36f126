// Drawing helpers shared by the picture catalogue.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace imagegen {

namespace col {
// The band, bar and button blues; text greys match the style sheets.
const QColor navy(0x1b, 0x4f, 0x7a);
const QColor navyTop(0x24, 0x62, 0x91);
const QColor blue(0x2a, 0x7b, 0xa6);
const QColor accent(0x3b, 0x8f, 0xc2);
const QColor skyLight(0x8c, 0xc8, 0xee);
const QColor ink(0x37, 0x47, 0x4f);    // outlines of the line drawings
const QColor dark(0x2f, 0x3b, 0x43);   // port openings, lens
const QColor metal(0xd4, 0xb4, 0x4a);  // plug contacts
const QColor cable(0x7d, 0x8b, 0x96);
const QColor textGrey(89, 87, 87);
const QColor rule(0xdf, 0xe6, 0xec);
const QColor ledGreen(0x3c, 0xc0, 0x4a);
const QColor ledBlue(0x2f, 0x8c, 0xe8);
const QColor ledOff(0xb8, 0xc0, 0xc6);
const QColor warnRed(0xd8, 0x3a, 0x2e);
const QColor helpGreen(99, 140, 11);
}  // namespace col

// A fresh ARGB canvas filled with one colour (transparent by default).
QImage canvas(int w, int h, const QColor &fill = Qt::transparent);

// Painter with antialiasing on; the caller keeps it on the stack.
void prepare(QPainter &p);

QFont uiFont(int pixelSize, bool bold = false);

// Service logo: cloud with a lens and the word, white on the band.
QPainterPath cloudPath(const QRectF &box);
void drawLogo(QPainter &p, const QPointF &topLeft, qreal scale = 1.0);

// Window frame pieces (shared by the welcome background and the wizard frame).
void drawTopBand(QPainter &p, int width);
void drawSideStrip(QPainter &p, int height);
void drawBottomBar(QPainter &p, int width);

// Picture buttons.
enum class Tone { Blue, Light, Grey };
enum class Glyph { None, Next, Back, Check, Cross, Refresh };
QImage button(int w, int h, Tone tone, Glyph glyph);
QImage stepButton(bool current);

// Wait frames and veil.
QImage veil(int w, int h);
QImage waitFrame(int frame);  // 1..7

// Line-drawing pieces for the instruction pictures, in a 235-unit space.
struct CameraBack {
    QRectF body;
    QRectF ethernetPort;
    QPointF powerJack;
    QRectF wpsButton;
    QPointF wpsLed;
    QPointF resetHole;
};
CameraBack cameraBackLayout(const QPointF &origin);
void drawCameraBack(QPainter &p, const CameraBack &c, const QColor &wpsLed = col::ledOff);

struct CameraFront {
    QRectF body;
    QPointF lens;
    QPointF led;
    QPointF antennaTip;
};
CameraFront cameraFrontLayout(const QRectF &body);
void drawCameraFront(QPainter &p, const CameraFront &c, const QColor &led);

struct RouterBack {
    QRectF body;
    QRectF lanPorts[4];
    QRectF wanPort;
};
RouterBack routerBackLayout(const QRectF &body);
void drawRouterBack(QPainter &p, const RouterBack &r);

struct RouterFront {
    QRectF body;
    QPointF wpsButton;
    qreal wpsRadius;
};
RouterFront routerFrontLayout(const QRectF &body);
void drawRouterFront(QPainter &p, const RouterFront &r);

// Network plug in profile; tip is the contact end, angle turns it clockwise
// from pointing left. The cable runs from the boot to cableEnd.
void drawEthernetPlug(QPainter &p, const QPointF &tip, qreal angle, const QPointF &cableEnd);
void drawDcPlug(QPainter &p, const QPointF &tip, qreal angle, const QPointF &cableEnd);
void drawCable(QPainter &p, const QPointF &from, const QPointF &c1, const QPointF &to,
               const QColor &c = col::cable);

void drawArrow(QPainter &p, const QPointF &from, const QPointF &to, const QColor &c, qreal width);
void drawCurvedArrow(QPainter &p, const QPointF &from, const QPointF &ctrl, const QPointF &to,
                     const QColor &c, qreal width);
void drawHighlight(QPainter &p, const QPointF &center, qreal radius);
void drawGlow(QPainter &p, const QPointF &center, qreal radius, const QColor &c);
void drawRays(QPainter &p, const QPointF &center, qreal r1, qreal r2, const QColor &c, qreal width);
void drawCross(QPainter &p, const QPointF &center, qreal size);
void drawPress(QPainter &p, const QPointF &target);  // pointer arrow with ripples
void drawRefreshArrow(QPainter &p, const QPointF &center, qreal radius, const QColor &c,
                      qreal width);
void drawWpsSymbol(QPainter &p, const QPointF &center, qreal radius, const QColor &c, qreal width);
void drawWifi(QPainter &p, const QPointF &base, qreal size, const QColor &c, qreal width);
void drawOutlet(QPainter &p, const QRectF &plate);
void drawStopwatch(QPainter &p, const QPointF &center, qreal radius);
void drawCallout(QPainter &p, const QPointF &from, const QPointF &center, qreal radius);

}  // namespace imagegen
