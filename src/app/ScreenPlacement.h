#pragma once
// A saved window position that would put the window (nearly) off the screen
// is pulled back to the screen's middle; a negative one to the edge.

#include <QSize>

#include <cstdint>

inline void PullOntoScreen(std::int32_t& left, std::int32_t& top, QSize screenTwips, int widthMargin,
                           int heightMargin) {
    const std::int32_t middleLeft = screenTwips.width() / 2;
    const std::int32_t middleTop = screenTwips.height() / 2;
    if (static_cast<std::int64_t>(left) > std::int64_t{screenTwips.width()} - widthMargin) {
        left = middleLeft;
        top = middleTop;
    }
    if (static_cast<std::int64_t>(top) > std::int64_t{screenTwips.height()} - heightMargin) {
        top = middleTop;
        left = middleLeft;
    }
    if (left < 0) left = 0;
    if (top < 0) top = 0;
}
