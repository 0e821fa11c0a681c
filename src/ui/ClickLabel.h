#pragma once
// A label that takes its own clicks, so that they never reach the window
// background behind it (where a double click would hide the window). Given a
// focus policy, it also takes Enter and Space as a click and draws a frame
// while it has the focus.

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <utility>

#include "ui/FocusFrame.h"

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    // A left click, released on the label. A double click is a click and then
    // a double click, so it gives one click, not two.
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        event->accept();
        endsDoubleClick_ = true;
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (std::exchange(endsDoubleClick_, false)) return;
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) {
            QLabel::keyPressEvent(event);
            return;
        }
        event->accept();
        if (!event->isAutoRepeat()) emit Clicked();
    }
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter painter(this);
        DrawFocusFrame(this, painter, rect());
    }

private:
    bool endsDoubleClick_ = false;  // the next release is the double click's own
};
