#include "ui/Pictures.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QtMath>

#include <initializer_list>
#include <utility>

namespace {

const QColor kDuckYellow(255, 222, 40);
const QColor kDuckShade(240, 178, 20);
const QColor kDuckOutline(150, 90, 20);
const QColor kBeakOrange(255, 128, 24);
const QColor kBeakOutline(180, 70, 10);
const QColor kBellOutline(130, 85, 0);
const QColor kHolly(30, 140, 45);
const QColor kHollyDark(10, 80, 25);
const QColor kBerry(220, 20, 30);

// A picture of width × height logical pixels with ratio device pixels to
// each: painting on it is in logical pixels, at the device's resolution.
QPixmap TransparentPixmap(int width, int height, qreal ratio) {
    QPixmap pixmap(qCeil(width * ratio), qCeil(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A closed outline through the given points.
QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// A four-pointed sparkle centred on `c`; `r` is the arm length.
QPainterPath Sparkle(QPointF c, double r) {
    const double k = r * 0.28;
    return Polygon({c + QPointF(0, -r), c + QPointF(k, -k), c + QPointF(r, 0), c + QPointF(k, k), c + QPointF(0, r),
                    c + QPointF(-k, k), c + QPointF(-r, 0), c + QPointF(-k, -k)});
}

// A raised wing from its root: leading edge sweeping up, feather tips notched
// along the trailing edge.
QPainterPath RaisedWing(QPointF root, double scale, double degrees) {
    const QTransform turn = QTransform().rotate(degrees).scale(scale, scale);
    const auto at = [&](double x, double y) { return root + turn.map(QPointF(x, y)); };
    QPainterPath wing;
    wing.moveTo(at(0.0, 0.0));
    wing.quadTo(at(-0.5, -9.0), at(4.5, -15.5));
    wing.quadTo(at(6.0, -12.5), at(8.5, -12.0));
    wing.quadTo(at(6.5, -10.0), at(8.0, -8.0));
    wing.quadTo(at(6.0, -6.5), at(6.5, -4.0));
    wing.quadTo(at(5.0, -2.0), at(6.0, 0.5));
    wing.closeSubpath();
    return wing;
}

const QPen kDuckPen(kDuckOutline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

// Body, tail and head as one shape, so that a single outline runs round them
// all, with a soft shade along the belly for some roundness.
void DrawBody(QPainter& p, QPointF headCentre) {
    QPainterPath body;
    body.addEllipse(QRectF(4.0, 14.0, 24.0, 13.5));
    const QPainterPath tail = Polygon({{20.0, 17.0}, {28.8, 11.0}, {27.5, 21.0}});
    QPainterPath head;
    head.addEllipse(headCentre, 6.8, 6.6);
    p.setPen(kDuckPen);
    p.setBrush(kDuckYellow);
    p.drawPath(body.united(tail).united(head));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kDuckShade.red(), kDuckShade.green(), kDuckShade.blue(), 110));
    p.drawChord(QRectF(6.0, 15.0, 21.0, 11.6), 200 * 16, 140 * 16);
}

// The near wing: raised in joy, or folded and resting on the body.
void DrawNearWing(QPainter& p, bool rejoicing) {
    p.setPen(kDuckPen);
    p.setBrush(kDuckShade);
    if (rejoicing) {
        p.drawPath(RaisedWing(QPointF(16.5, 19.0), 0.85, -2.0));
        return;
    }
    QPainterPath wing;
    wing.moveTo(13.0, 18.5);
    wing.quadTo(18.0, 15.5, 24.5, 18.0);
    wing.quadTo(21.0, 24.0, 14.5, 22.0);
    wing.closeSubpath();
    p.drawPath(wing);
}

// An open beak (upper half tipped up, lower half dropped, a dark mouth
// between), or a closed flat bill with a line where its halves meet.
void DrawBeak(QPainter& p, QPointF headCentre, bool rejoicing) {
    const double hx = headCentre.x();
    const double hy = headCentre.y();
    p.setPen(QPen(kBeakOutline, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (rejoicing) {
        p.setBrush(QColor(170, 30, 20));
        p.drawPath(Polygon({{hx - 4.5, hy}, {hx - 8.5, hy - 0.2}, {hx - 8.0, hy + 3.4}, {hx - 4.5, hy + 2.4}}));
        p.setBrush(kBeakOrange);
        QPainterPath upper;
        upper.moveTo(hx - 5.0, hy - 2.0);
        upper.quadTo(hx - 9.0, hy - 4.5, hx - 10.8, hy - 2.2);
        upper.quadTo(hx - 8.0, hy - 0.4, hx - 4.8, hy + 0.2);
        upper.closeSubpath();
        p.drawPath(upper);
        QPainterPath lower;
        lower.moveTo(hx - 4.8, hy + 2.0);
        lower.quadTo(hx - 7.5, hy + 2.6, hx - 9.8, hy + 4.8);
        lower.quadTo(hx - 7.0, hy + 6.2, hx - 4.5, hy + 4.0);
        lower.closeSubpath();
        p.drawPath(lower);
        return;
    }
    p.setBrush(kBeakOrange);
    QPainterPath bill;
    bill.moveTo(hx - 5.0, hy - 0.6);
    bill.quadTo(hx - 9.5, hy - 2.0, hx - 10.8, hy + 1.2);
    bill.quadTo(hx - 9.0, hy + 3.6, hx - 4.8, hy + 3.0);
    bill.closeSubpath();
    p.drawPath(bill);
    p.drawLine(QPointF(hx - 10.0, hy + 1.2), QPointF(hx - 6.5, hy + 1.3));
}

// A cheek blush that keeps the face friendly, and the eye: squeezed shut in
// a smile (an upturned arc), or round and black with a highlight.
void DrawFace(QPainter& p, QPointF headCentre, bool rejoicing) {
    const double hx = headCentre.x();
    const double hy = headCentre.y();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 110, 150));
    p.drawEllipse(QPointF(hx + 0.5, hy + 3.0), 1.6, 1.0);
    if (rejoicing) {
        p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath eye;
        eye.moveTo(hx - 3.0, hy - 1.0);
        eye.quadTo(hx - 1.5, hy - 3.6, hx, hy - 1.0);
        p.drawPath(eye);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(hx - 1.5, hy - 1.2), 1.4, 1.6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(hx - 1.9, hy - 1.8), 0.5, 0.5);
}

// Sparkles and a note around a rejoicing duck.
void DrawCelebration(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 180, 0));
    p.drawPath(Sparkle(QPointF(2.5, 2.2), 2.2));
    p.drawPath(Sparkle(QPointF(27.8, 25.5), 1.8));
    p.setBrush(QColor(60, 150, 255));
    p.drawPath(Sparkle(QPointF(17.0, 2.0), 1.9));
    const QColor noteColor(230, 60, 120);
    p.setBrush(noteColor);
    p.drawEllipse(QPointF(25.3, 5.0), 1.5, 1.1);
    p.setPen(QPen(noteColor, 0.9, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(26.5, 4.8), QPointF(26.5, 0.3));
    p.drawLine(QPointF(26.5, 0.6), QPointF(28.6, 2.0));
}

// The duck faces left: head and beak on the left, tail up on the right.
QPixmap DrawDuck(bool rejoicing, qreal ratio) {
    QPixmap pixmap = TransparentPixmap(30, 29, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (rejoicing) {
        // The far wing fans out behind the near one.
        p.setPen(kDuckPen);
        p.setBrush(kDuckYellow);
        p.drawPath(RaisedWing(QPointF(20.0, 17.0), 0.72, 22.0));
    }
    const QPointF headCentre(11.0, rejoicing ? 9.0 : 9.5);
    DrawBody(p, headCentre);
    DrawNearWing(p, rejoicing);
    DrawBeak(p, headCentre, rejoicing);
    DrawFace(p, headCentre, rejoicing);
    if (rejoicing) DrawCelebration(p);
    return pixmap;
}

// A bell hanging from the origin, mouth downwards.
QPainterPath BellShape() {
    QPainterPath bell;
    bell.moveTo(0.0, 0.0);
    bell.cubicTo(3.2, 0.0, 3.4, 4.5, 3.7, 7.0);
    bell.quadTo(4.0, 9.5, 5.2, 10.5);
    bell.lineTo(-5.2, 10.5);
    bell.quadTo(-4.0, 9.5, -3.7, 7.0);
    bell.cubicTo(-3.4, 4.5, -3.2, 0.0, 0.0, 0.0);
    bell.closeSubpath();
    return bell;
}

// A holly leaf from the origin along +x, `length` long; deep scallops between the spikes.
QPainterPath HollyLeaf(double length, double halfWidth) {
    const double s = length / 3.0;
    const double in = halfWidth * 0.15;
    QPainterPath leaf;
    leaf.moveTo(0.0, 0.0);
    leaf.quadTo(s * 0.2, -halfWidth * 0.7, s * 0.8, -halfWidth);
    leaf.quadTo(s * 1.3, -in, s * 1.9, -halfWidth * 0.95);
    leaf.quadTo(s * 2.3, -in, length, 0.0);
    leaf.quadTo(s * 2.3, in, s * 1.9, halfWidth * 0.95);
    leaf.quadTo(s * 1.3, in, s * 0.8, halfWidth);
    leaf.quadTo(s * 0.2, halfWidth * 0.7, 0.0, 0.0);
    leaf.closeSubpath();
    return leaf;
}

// Two bells tied under a sprig of holly; `swing` (+1 or -1) tips both bells one way.
QPixmap DrawBells(int swing, qreal ratio) {
    QPixmap pixmap = TransparentPixmap(25, 23, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const auto bell = [&p](QPointF hang, double degrees) {
        p.save();
        p.translate(hang);
        p.rotate(degrees);
        QLinearGradient gold(-5.0, 0.0, 5.0, 0.0);
        gold.setColorAt(0.0, QColor(255, 240, 150));
        gold.setColorAt(0.45, QColor(250, 200, 40));
        gold.setColorAt(1.0, QColor(190, 130, 10));
        p.setPen(QPen(kBellOutline, 0.9));
        p.setBrush(gold);
        p.scale(1.05, 1.05);
        p.drawPath(BellShape());
        // Darker lip round the mouth, and the clapper peeping out below it.
        p.setBrush(QColor(215, 150, 20));
        p.drawRoundedRect(QRectF(-5.6, 9.6, 11.2, 1.8), 0.9, 0.9);
        p.setBrush(QColor(150, 95, 10));
        p.drawEllipse(QPointF(0.0, 12.6), 1.4, 1.4);
        p.restore();
    };
    // The bells splay outwards and both swing the same way; alternating frames rings them.
    const double swingDegrees = 10.0 * swing;
    bell(QPointF(10.0, 6.5), 14.0 + swingDegrees);
    bell(QPointF(15.0, 6.5), -14.0 + swingDegrees);

    const auto leaf = [&p](QPointF root, double degrees) {
        p.save();
        p.translate(root);
        p.rotate(degrees);
        p.setPen(QPen(kHollyDark, 0.7));
        p.setBrush(kHolly);
        p.drawPath(HollyLeaf(9.5, 3.0));
        p.drawLine(QPointF(0.5, 0.0), QPointF(7.0, 0.0));  // central vein
        p.restore();
    };
    leaf(QPointF(12.5, 4.5), 195.0);
    leaf(QPointF(12.5, 4.5), -15.0);

    const auto berry = [&p](QPointF c) {
        p.setPen(QPen(QColor(120, 0, 10), 0.6));
        p.setBrush(kBerry);
        p.drawEllipse(c, 1.7, 1.7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 200));
        p.drawEllipse(c + QPointF(-0.6, -0.6), 0.45, 0.45);
    };
    berry(QPointF(12.5, 2.6));
    berry(QPointF(11.0, 5.0));
    berry(QPointF(14.0, 5.0));
    return pixmap;
}

QPixmap DrawProgramIcon() {
    // Opaque 24-bit image: white with three orange bands (top row, row count).
    QImage image(16, 16, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    const QColor orange(255, 128, 64);
    for (const auto& [top, rows] : {std::pair{0, 3}, std::pair{6, 4}, std::pair{13, 3}})
        p.fillRect(0, top, 16, rows, orange);
    p.end();
    return QPixmap::fromImage(image);
}

}  // namespace

QPixmap DuckPicture(qreal devicePixelRatio) { return DrawDuck(false, devicePixelRatio); }

QPixmap RejoicingDuckPicture(qreal devicePixelRatio) { return DrawDuck(true, devicePixelRatio); }

const QPixmap& ProgramIconPicture() {
    static const QPixmap picture = DrawProgramIcon();
    return picture;
}

const QIcon& ProgramIcon() {
    static const QIcon icon(ProgramIconPicture());
    return icon;
}

QPixmap BellFrame(int frame, qreal devicePixelRatio) { return DrawBells(frame == 0 ? 1 : -1, devicePixelRatio); }
