#pragma once
// A label that takes its own clicks, so that they never reach the window
// background behind it (where a double click would hide the window).

#include <QLabel>
#include <QMouseEvent>

#include <utility>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    // A left click, released on the label. A double click is a click and then
    // a double click, so it gives one click, not two.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        event->accept();
        endsDoubleClick_ = true;
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (std::exchange(endsDoubleClick_, false)) return;
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    }

private:
    bool endsDoubleClick_ = false;  // the next release is the double click's own
};
