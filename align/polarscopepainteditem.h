#pragma once

#include <QQuickPaintedItem>

#include <memory>

namespace Ko {

class IAstroCalc;

// The polar-scope reticle with the pole star (north) or the four stars near the south pole placed
// where they stand now. Angle 0 on the reticle is straight up and angles grow clockwise. The item
// paints no background; the page decides when to repaint.
// Threads: main thread only.
class PolarScopePaintedItem : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(bool north READ north WRITE setNorth NOTIFY northChanged)
public:
    explicit PolarScopePaintedItem(std::shared_ptr<IAstroCalc> astroCalc,
                                   QQuickItem* parent = nullptr);

    bool north() const { return m_north; }
    void setNorth(bool north);

    void paint(QPainter* painter) override;

signals:
    void northChanged();

private:
    void paintNorth(QPainter& painter, QPointF centre, double k) const;
    void paintSouth(QPainter& painter, QPointF centre, double k) const;

    std::shared_ptr<IAstroCalc> m_astroCalc;
    bool m_north = true;
};

} // namespace Ko
