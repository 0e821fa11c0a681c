#pragma once
// Small builders for the fixed layouts of the dialog windows.

#include <QLabel>
#include <QPushButton>

#include "ui/Twips.h"

inline QLabel* PlacedLabel(QWidget* parent, const QString& text, int left, int top, int width, int height,
                           const char* objectName) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(TwipsRect(left, top, width, height));
    return label;
}

inline QPushButton* PlacedButton(QWidget* parent, const QString& text, int left, int top, int width, int height,
                                 const char* objectName) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(TwipsRect(left, top, width, height));
    return button;
}
