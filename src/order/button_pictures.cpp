// Button pictures drawn with QPainter. Coordinates are in pixels of the
// picture itself; one-pixel outlines sit on half-pixel positions so that
// they stay sharp at the small sizes the buttons use.
#include "order/button_pictures.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace {

struct Shade {
    QColor fill;
    QColor outline;
};

const QColor Ink(45, 45, 50);
const QColor TextLine(120, 130, 150);
const Shade Paper{Qt::white, QColor(85, 85, 95)};
const Shade Green{QColor(50, 170, 60), QColor(20, 95, 30)};
const Shade Red{QColor(220, 45, 40), QColor(125, 15, 15)};
const Shade Blue{QColor(45, 115, 215), QColor(20, 55, 125)};
const Shade Gold{QColor(235, 190, 50), QColor(135, 95, 10)};
const Shade Wood{QColor(165, 105, 50), QColor(90, 55, 20)};
const Shade Metal{QColor(175, 180, 190), QColor(70, 75, 85)};

void fillOutlined(QPainter& p, const QPainterPath& path, const Shade& shade, qreal width = 1.0)
{
    p.setPen(QPen(shade.outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade.fill);
    p.drawPath(path);
}

void fillOutlined(QPainter& p, const QRectF& rect, const Shade& shade, qreal radius = 0.0)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    fillOutlined(p, path, shade);
}

// A mark drawn as a thick stroke with a darker rim, so that it reads on any
// button face.
void strokeMark(QPainter& p, const QPainterPath& path, const Shade& shade, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade.outline, width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(shade.fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath checkMark(QPointF start, QPointF bottom, QPointF end)
{
    QPainterPath path(start);
    path.lineTo(bottom);
    path.lineTo(end);
    return path;
}

QPainterPath cross(const QRectF& box)
{
    QPainterPath path(box.topLeft());
    path.lineTo(box.bottomRight());
    path.moveTo(box.topRight());
    path.lineTo(box.bottomLeft());
    return path;
}

// A solid arrow from tail to tip with a triangular head.
QPainterPath arrow(QPointF tail, QPointF tip, qreal shaftWidth, qreal headWidth, qreal headLength)
{
    const QLineF line(tail, tip);
    const QPointF along = (tip - tail) / line.length();
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * headLength;
    const QPolygonF outline{tail + across * shaftWidth / 2, base + across * shaftWidth / 2,
        base + across * headWidth / 2, tip, base - across * headWidth / 2,
        base - across * shaftWidth / 2, tail - across * shaftWidth / 2};
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// A sheet of paper with its top right corner folded down.
void sheet(QPainter& p, const QRectF& r, qreal fold, const Shade& shade = Paper)
{
    QPainterPath page(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    fillOutlined(p, page, shade);

    QPainterPath corner(QPointF(r.right() - fold, r.top()));
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    fillOutlined(p, corner, {shade.fill.darker(125), shade.outline});
}

// Rows of "writing": short horizontal strokes.
void textLines(QPainter& p, qreal left, qreal right, qreal top, qreal step, int count, qreal width = 1.0)
{
    p.setPen(QPen(TextLine, width, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < count; ++i) {
        const qreal y = top + i * step;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

void drawKassa(QPainter& p)
{
    sheet(p, QRectF(0.5, 0.5, 12, 16), 4);
    textLines(p, 3, 8, 5.5, 3, 3);
    fillOutlined(p, arrow(QPointF(6, 13), QPointF(17.5, 13), 3, 9, 5.5), Green);
}

void drawPrint(QPainter& p)
{
    sheet(p, QRectF(7.5, 0.5, 15, 11), 3);
    QLinearGradient body(0, 9, 0, 21);
    body.setColorAt(0, QColor(165, 170, 180));
    body.setColorAt(1, QColor(95, 100, 112));
    QPainterPath case_;
    case_.addRoundedRect(QRectF(0.5, 8.5, 29, 13), 2.5, 2.5);
    p.setPen(QPen(Ink, 1));
    p.setBrush(body);
    p.drawPath(case_);
    fillOutlined(p, QRectF(4.5, 17.5, 21, 2), {Ink, Ink});
    sheet(p, QRectF(6.5, 18.5, 17, 9), 0);
    textLines(p, 9, 21, 22.5, 3, 2);
    p.setPen(QPen(Green.outline, 1));
    p.setBrush(QColor(90, 230, 90));
    p.drawEllipse(QPointF(25.5, 12.5), 1.6, 1.6);
}

void drawStatus(QPainter& p)
{
    fillOutlined(p, QRectF(3.5, 3.5, 25, 28), Wood, 2.5);
    fillOutlined(p, QRectF(6.5, 7.5, 19, 22), Paper);
    fillOutlined(p, QRectF(10.5, 1.5, 11, 6), Metal, 2);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 12.5 + row * 6.5;
        strokeMark(p, checkMark(QPointF(8.5, y), QPointF(10.5, y + 2), QPointF(14, y - 2)), Green, 1.2);
        textLines(p, 16, 23, y, 0, 1, 1.5);
    }
}

void drawInfo(QPainter& p)
{
    sheet(p, QRectF(3.5, 2.5, 21, 27), 6, {QColor(255, 243, 160), QColor(120, 105, 40)});
    textLines(p, 7, 17, 9.5, 4, 5);

    // The pencil is drawn lying along x, eraser at 0, then turned to point
    // down and to the left across the note.
    p.save();
    p.translate(29, 4);
    p.rotate(135);
    fillOutlined(p, QRectF(0, -3, 3.5, 6), {QColor(240, 140, 150), Ink}, 1);
    fillOutlined(p, QRectF(3.5, -3, 2.5, 6), Metal);
    fillOutlined(p, QRectF(6, -3, 12, 6), {QColor(250, 170, 30), Ink});
    QPainterPath wood(QPointF(18, -3));
    wood.lineTo(24, 0);
    wood.lineTo(18, 3);
    wood.closeSubpath();
    fillOutlined(p, wood, {QColor(240, 205, 150), Ink});
    QPainterPath lead(QPointF(22, -1));
    lead.lineTo(24, 0);
    lead.lineTo(22, 1);
    lead.closeSubpath();
    fillOutlined(p, lead, {Ink, Ink});
    p.restore();
}

void drawDown(QPainter& p)
{
    fillOutlined(p, arrow(QPointF(8, 0.5), QPointF(8, 15.5), 6, 15, 8), Blue);
}

void drawUp(QPainter& p)
{
    fillOutlined(p, arrow(QPointF(8, 15.5), QPointF(8, 0.5), 6, 15, 8), Blue);
}

void drawMenu(QPainter& p)
{
    const Shade cover{QColor(175, 35, 45), QColor(100, 15, 20)};
    fillOutlined(p, QRectF(4.5, 1.5, 23, 29), cover, 2);
    fillOutlined(p, QRectF(6.5, 8.5, 19, 20), Paper);
    p.setPen(QPen(QColor(255, 225, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 5), QPointF(22, 5));
    for (int row = 0; row < 4; ++row) {
        const qreal y = 12.5 + row * 4.5;
        p.setPen(Qt::NoPen);
        p.setBrush(cover.fill);
        p.drawEllipse(QPointF(9.5, y), 1.3, 1.3);
        textLines(p, 12, 19, y, 0, 1, 1.5);
        p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(20.5, y), QPointF(23.5, y));
    }
}

void drawCancel(QPainter& p)
{
    sheet(p, QRectF(3.5, 1.5, 21, 27), 6);
    textLines(p, 7, 17, 8.5, 4, 5);
    strokeMark(p, cross(QRectF(14, 14, 14, 14)), Red, 3.5);
}

void drawExit(QPainter& p)
{
    fillOutlined(p, QRectF(3.5, 1.5, 17, 29), {QColor(50, 55, 70), Ink});
    QPainterPath leaf(QPointF(3.5, 1.5));
    leaf.lineTo(12.5, 5.5);
    leaf.lineTo(12.5, 31);
    leaf.lineTo(3.5, 30.5);
    leaf.closeSubpath();
    fillOutlined(p, leaf, Wood);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold.fill);
    p.drawEllipse(QPointF(10.5, 18), 1.3, 1.3);
    fillOutlined(p, arrow(QPointF(14, 16), QPointF(31, 16), 5, 13, 7.5), Green);
}

void drawOk(QPainter& p)
{
    strokeMark(p, checkMark(QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3)), Green, 2.5);
}

void drawCancelCross(QPainter& p)
{
    strokeMark(p, cross(QRectF(3.5, 3.5, 9, 9)), Red, 2.5);
}

void drawDeleteLeft(QPainter& p)
{
    fillOutlined(p, arrow(QPointF(23, 12), QPointF(1, 12), 7, 17, 10), Red);
}

void drawKeypadOk(QPainter& p)
{
    strokeMark(p, checkMark(QPointF(4, 17), QPointF(12, 25), QPointF(28, 6)), Green, 5);
}

void drawOpenFolder(QPainter& p)
{
    const Shade back{QColor(220, 165, 40), QColor(125, 85, 10)};
    QPainterPath body(QPointF(0.5, 2.5));
    body.lineTo(5.5, 2.5);
    body.lineTo(7, 4.5);
    body.lineTo(13.5, 4.5);
    body.lineTo(13.5, 13.5);
    body.lineTo(0.5, 13.5);
    body.closeSubpath();
    fillOutlined(p, body, back);
    fillOutlined(p, QRectF(2.5, 5.5, 9, 6), Paper);
    QPainterPath flap(QPointF(0.5, 13.5));
    flap.lineTo(3.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(13.5, 13.5);
    flap.closeSubpath();
    fillOutlined(p, flap, {QColor(250, 210, 90), back.outline});
}

void drawConnection(QPainter& p)
{
    // Drawn lying along x, prongs to the right, then tilted up to the right.
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-14, 0), QPointF(-5, 0));
    fillOutlined(p, QRectF(3, -4.5, 7, 2.5), Metal, 1);
    fillOutlined(p, QRectF(3, 2, 7, 2.5), Metal, 1);
    QPainterPath plug(QPointF(-7, -3));
    plug.lineTo(-2, -6.5);
    plug.lineTo(3.5, -6.5);
    plug.lineTo(3.5, 6.5);
    plug.lineTo(-2, 6.5);
    plug.lineTo(-7, 3);
    plug.closeSubpath();
    fillOutlined(p, plug, {QColor(70, 75, 90), Ink});
    p.restore();
}

void drawKey(QPainter& p)
{
    QPainterPath key;
    key.addEllipse(QPointF(7, 12), 6, 6);
    QPainterPath blade;
    blade.addRect(QRectF(12, 10.5, 11, 3.5));
    blade.addRect(QRectF(16.5, 13, 2.5, 4.5));
    blade.addRect(QRectF(20.5, 13, 2.5, 3.5));
    key = key.united(blade);
    QPainterPath hole;
    hole.addEllipse(QPointF(5.5, 12), 2, 2);
    fillOutlined(p, key.subtracted(hole), Gold);
}

void drawDefaults(QPainter& p)
{
    // Most of a circle turning anticlockwise, "back", ending in an arrow head.
    const QRectF circle(4.5, 6, 15, 15);
    const qreal startDegrees = 190;
    const qreal sweepDegrees = 250;
    QPainterPath arc;
    arc.arcMoveTo(circle, startDegrees);
    arc.arcTo(circle, startDegrees, sweepDegrees);
    strokeMark(p, arc, Blue, 3);

    const qreal end = qDegreesToRadians(startDegrees + sweepDegrees);
    const QPointF tip = arc.currentPosition();
    const QPointF along(-std::sin(end), -std::cos(end));
    const QPointF across(-along.y(), along.x());
    QPainterPath head;
    head.addPolygon(QPolygonF{tip + along * 6, tip + across * 5.5, tip - across * 5.5});
    head.closeSubpath();
    fillOutlined(p, head, Blue);
}

using Painter = void (*)(QPainter&);

struct Design {
    QSize size;
    Painter paint;
};

Design design(ButtonPicture which)
{
    switch (which) {
    case ButtonPicture::Kassa:
    case ButtonPicture::KassaDisabled: return {{18, 19}, drawKassa};
    case ButtonPicture::Print: return {{30, 28}, drawPrint};
    case ButtonPicture::Status: return {{32, 32}, drawStatus};
    case ButtonPicture::Info: return {{32, 32}, drawInfo};
    case ButtonPicture::Down: return {{16, 16}, drawDown};
    case ButtonPicture::Up: return {{16, 16}, drawUp};
    case ButtonPicture::Menu: return {{32, 32}, drawMenu};
    case ButtonPicture::Cancel: return {{32, 32}, drawCancel};
    case ButtonPicture::Exit: return {{32, 32}, drawExit};
    case ButtonPicture::Ok: return {{16, 16}, drawOk};
    case ButtonPicture::CancelCross: return {{16, 16}, drawCancelCross};
    case ButtonPicture::DeleteLeft: return {{24, 24}, drawDeleteLeft};
    case ButtonPicture::KeypadOk: return {{32, 32}, drawKeypadOk};
    case ButtonPicture::OpenFolder: return {{16, 16}, drawOpenFolder};
    case ButtonPicture::Connection: return {{24, 24}, drawConnection};
    case ButtonPicture::Key: return {{24, 24}, drawKey};
    case ButtonPicture::Defaults: return {{24, 24}, drawDefaults};
    }
    Q_UNREACHABLE();
}

// The disabled look: the same drawing in light greys, so the shapes stay
// visible but clearly inactive.
void greyOut(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 120 + qGray(line[x]) * 95 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
}

} // namespace

QSize buttonPictureSize(ButtonPicture which)
{
    return design(which).size;
}

QPixmap buttonPicture(ButtonPicture which)
{
    const Design d = design(which);
    QImage image(d.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        d.paint(painter);
    }
    if (which == ButtonPicture::KassaDisabled)
        greyOut(image);
    return QPixmap::fromImage(image);
}

QIcon buttonIcon(ButtonPicture which)
{
    QIcon icon(buttonPicture(which));
    if (which == ButtonPicture::Kassa)
        icon.addPixmap(buttonPicture(ButtonPicture::KassaDisabled), QIcon::Disabled);
    return icon;
}
