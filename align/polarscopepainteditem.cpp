#include "align/polarscopepainteditem.h"

#include "astro/iastrocalc.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Ko {

namespace {

// The reticle is drawn in units of a reference scope: half the item's smaller side spans this many
// units, so the outermost ring and labels just fit.
constexpr double kNorthHalfSpan = 484;
constexpr double kSouthHalfSpan = 1600;
// Reticle units per radian of polar distance in the south view.
constexpr double kSouthUnitsPerRadian = 28000;
// Below this the reticle lines vanish on small items.
constexpr double kMinPenWidth = 1.5;
// One tick per 5 degrees.
constexpr int kTickCount = 72;

QPointF onReticle(QPointF centre, double angle, double radius) {
    return {centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle)};
}

void circle(QPainter& painter, QPointF centre, double radius) {
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

PolarScopePaintedItem::PolarScopePaintedItem(std::shared_ptr<IAstroCalc> astroCalc,
                                             QQuickItem* parent)
    : QQuickPaintedItem(parent), m_astroCalc(std::move(astroCalc)) {}

void PolarScopePaintedItem::setNorth(bool north) {
    if (north == m_north)
        return;
    m_north = north;
    emit northChanged();
    QQuickPaintedItem::update();
}

void PolarScopePaintedItem::paint(QPainter* painter) {
    painter->setRenderHint(QPainter::Antialiasing, true);
    const double halfSide = std::min(width() / 2, height() / 2);
    const double k = halfSide / (m_north ? kNorthHalfSpan : kSouthHalfSpan);
    const QColor red(QStringLiteral("#FF1010"));
    painter->setPen(QPen(red, std::max(kMinPenWidth, 3 * k)));
    painter->setBrush(Qt::NoBrush);
    QFont font = painter->font();
    font.setPointSizeF(45 * k);
    painter->setFont(font);
    const QPointF centre(width() / 2, height() / 2);
    if (m_north)
        paintNorth(*painter, centre, k);
    else
        paintSouth(*painter, centre, k);
}

void PolarScopePaintedItem::paintSouth(QPainter& painter, QPointF centre, double k) const {
    circle(painter, centre, 328 * k);
    circle(painter, centre, 1500 * k);
    const auto stars = m_astroCalc->southPoleStars();
    std::array<QPointF, 4> points;
    for (size_t j = 0; j < stars.size(); ++j)
        points[j] = onReticle(centre, stars[j].first, stars[j].second * kSouthUnitsPerRadian * k);
    for (size_t j = 0; j + 1 < points.size(); ++j)
        painter.drawLine(points[j], points[j + 1]);
    painter.setBrush(QBrush(painter.pen().color()));
    constexpr std::array<double, 4> kStarRadius = {19, 10, 14, 19};
    for (size_t j = 0; j < points.size(); ++j)
        circle(painter, points[j], kStarRadius[j] * k);
}

void PolarScopePaintedItem::paintNorth(QPainter& painter, QPointF centre, double k) const {
    for (double r : {345.0, 328.0, 311.0})
        circle(painter, centre, r * k);
    for (int i = 0; i < kTickCount; ++i) {
        const double theta = i * 2 * std::numbers::pi / kTickCount;
        const auto radial = [&](double from, double to) {
            painter.drawLine(onReticle(centre, theta, from * k), onReticle(centre, theta, to * k));
        };
        if (i % 18 == 0) {
            radial(0, 405);
            const QString label = QString::number(i / 6);
            QRectF box = painter.boundingRect(QRectF(), Qt::AlignLeft, label);
            box.moveCenter(onReticle(centre, theta, 435 * k));
            painter.drawText(box, Qt::AlignLeft, label);
            // Painter arcs count from 3 o'clock counter-clockwise, not from the top clockwise;
            // over the four quarter marks the arcs still land on the four quarter points.
            const int start =
                static_cast<int>(std::lround(theta * 180 / std::numbers::pi * 16)) - 48;
            for (double r : {337.0, 320.0, 303.0}) {
                const double rk = r * k;
                painter.drawArc(QRectF(centre.x() - rk, centre.y() - rk, 2 * rk, 2 * rk), start,
                                96);
            }
        } else if (i % 6 == 0) {
            radial(255, 311);
            radial(401, 345);
        } else {
            radial(294, 311);
            radial(362, 345);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(QColor(QStringLiteral("#606060"))));
    circle(painter, onReticle(centre, m_astroCalc->poleStarHourAngle(), 328 * k), 12 * k);
}

} // namespace Ko
