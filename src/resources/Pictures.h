#pragma once
// The program's own pictures, drawn once by code at start and shared.

#include <QIcon>
#include <QList>
#include <QPixmap>

// 30 × 29: the duck that arrives on days 11, 22 and 33.
const QPixmap& DuckPicture();
// 30 × 29: the same duck rejoicing, from day 44 on.
const QPixmap& RejoicingDuckPicture();
// 16 × 16: bands of orange and white; the tray icon and every window's icon.
const QPixmap& ProgramIconPicture();
const QIcon& ProgramIcon();
// 25 × 23, two frames shown one second each: golden bells with red berries
// and green holly leaves on a transparent background.
const QList<QPixmap>& BellFrames();
