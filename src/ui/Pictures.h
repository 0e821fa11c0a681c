#pragma once
// The program's own pictures, drawn by code.

#include <QIcon>
#include <QPixmap>

// The drawn pictures are made for a screen's device pixel ratio (2 at 200 %
// scaling), so that they stay sharp where the screen is scaled.

// 30 × 29: the duck that arrives on days 11, 22 and 33.
QPixmap DuckPicture(qreal devicePixelRatio = 1);
// 30 × 29: the same duck rejoicing, from day 44 on.
QPixmap RejoicingDuckPicture(qreal devicePixelRatio = 1);
// 16 × 16: bands of orange and white; the tray icon and every window's icon.
const QPixmap& ProgramIconPicture();
const QIcon& ProgramIcon();
// 25 × 23, two frames (0 and 1) shown one second each: golden bells with red
// berries and green holly leaves on a transparent background.
inline constexpr int kBellFrameCount = 2;
QPixmap BellFrame(int frame, qreal devicePixelRatio = 1);
