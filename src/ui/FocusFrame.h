#pragma once
// The frame that a focused label draws around itself, as a plain label shows
// no focus of its own: dotted, in the label's text colour, which the user
// chose to stand out from the label's background.

#include <QPainter>
#include <QWidget>

inline void DrawFocusFrame(const QWidget* label, QPainter& painter, const QRect& around) {
    if (!label->hasFocus()) return;
    painter.setPen(QPen(label->palette().color(label->foregroundRole()), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(around.adjusted(0, 0, -1, -1));
}
