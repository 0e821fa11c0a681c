#pragma once
// A picture drawn by code, made for the resolution it is painted at: at 150 %
// or 200 % scaling it is drawn with that many device pixels, not enlarged
// from its 100 % pixels, so it stays sharp.

#include <QLabel>
#include <QPainter>

#include <functional>
#include <utility>

class PictureLabel : public QLabel {
    Q_OBJECT
public:
    // Draws the picture for a device pixel ratio.
    using Drawing = std::function<QPixmap(qreal devicePixelRatio)>;

    PictureLabel(QWidget* parent, Drawing drawing) : QLabel(parent), drawing_(std::move(drawing)) {}

    void SetDrawing(Drawing drawing) {
        drawing_ = std::move(drawing);
        picture_ = QPixmap();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // The painter's scale is the device's pixels to one of ours, on a
        // scaled screen and in a grab or render alike.
        const qreal ratio = painter.deviceTransform().m11() > 0 ? painter.deviceTransform().m11() : 1.0;
        if (picture_.isNull() || !qFuzzyCompare(picture_.devicePixelRatio(), ratio)) picture_ = drawing_(ratio);
        painter.drawPixmap(0, 0, picture_);
    }

private:
    Drawing drawing_;
    QPixmap picture_;  // drawn for the ratio last painted at
};
