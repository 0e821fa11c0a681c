#include "ui/PlaceKeeper.h"

#include <QEvent>
#include <QWidget>

namespace {

constexpr int kSettleMs = 1000;

}  // namespace

PlaceKeeper::PlaceKeeper(std::function<void()> placesChanged) : placesChanged_(std::move(placesChanged)) {
    settled_.setSingleShot(true);
    settled_.setInterval(kSettleMs);
    connect(&settled_, &QTimer::timeout, this, [this] { placesChanged_(); });
}

void PlaceKeeper::Watch(QWidget* window) { window->installEventFilter(this); }

bool PlaceKeeper::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Show || type == QEvent::Hide) settled_.start();
    return QObject::eventFilter(watched, event);
}
