#pragma once
// The mini window's report text. Lines follow each other at the font's own
// size rather than its line spacing, so the six lines fit the label's fixed
// height with any of the fonts the program may find; what does not fit is
// cut at the label's edges. Focused, it is framed where the window shows it.

#include <QLabel>
#include <QPainter>

#include "ui/FocusFrame.h"

class ReportLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // A part of the label that another control lies over (in the label's
    // coordinates): a line that would start under it starts after it.
    void SetCoveredArea(const QRect& area) {
        covered_ = area;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        const QFontMetrics metrics(font());
        const int step = QFontInfo(font()).pixelSize();
        int baseline = metrics.ascent();
        for (const QString& line : text().split(QLatin1Char('\n'))) {
            const bool startsUnder = covered_.isValid() && covered_.left() <= 0 &&
                                     baseline - metrics.ascent() <= covered_.bottom() &&
                                     baseline + metrics.descent() > covered_.top();
            painter.drawText(startsUnder ? covered_.right() + 1 : 0, baseline, line);
            baseline += step;
        }
        DrawFocusFrame(this, painter, rect().intersected(parentWidget()->rect().translated(-pos())));
    }

private:
    QRect covered_;
};
