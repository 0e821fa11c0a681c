#pragma once
// Colours as the data files store them: red in the lowest byte, then green,
// then blue.

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cstdint>

inline QColor ColorFromStored(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

inline std::int32_t StoredFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

// The figures' colors, the user's choice: the background and the text of a
// figure, the mini window's report or the settings window's sample.
inline void SetFigureColors(QWidget* widget, std::int32_t back, std::int32_t text) {
    QPalette colors = widget->palette();
    colors.setColor(QPalette::Window, ColorFromStored(back));
    colors.setColor(QPalette::WindowText, ColorFromStored(text));
    widget->setPalette(colors);
}
