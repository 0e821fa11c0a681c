#pragma once
// Watches the display windows move, show and hide, and calls back once they
// have been still for a moment, so that a drag leads to one save, not one
// per step.

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

class PlaceKeeper : public QObject {
    Q_OBJECT
public:
    explicit PlaceKeeper(std::function<void()> placesChanged);

    void Watch(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer settled_;
    std::function<void()> placesChanged_;
};
