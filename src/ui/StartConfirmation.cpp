#include "ui/StartConfirmation.h"

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/PlacedControls.h"

StartConfirmation::StartConfirmation(App& app)
    : FixedWindow(5415, 3630, QStringLiteral(" ( ・◇・)  - nubera")), app_(app) {
    setObjectName(QStringLiteral("startConfirmation"));
    // The title is a face, which says nothing when read out.
    SetAccessibleName(this, QStringLiteral("開始の確認"));
    QLabel* welcome = PlacedLabel(this, QStringLiteral("ようこそヨルマ式へ"), 360, 240, 4695, 390, "");
    QFont welcomeFont = welcome->font();
    welcomeFont.setPointSizeF(14);
    welcomeFont.setBold(true);
    welcome->setFont(welcomeFont);
    welcome->setAlignment(Qt::AlignCenter);

    PlacedLabel(this, QStringLiteral("これでタバコとは、永遠のサヨナラとなります。"), 360, 840, 4695, 255, "");
    PlacedLabel(this, QStringLiteral("今からヨルマを開始しますか？"), 360, 1140, 4695, 255, "");
    PlacedLabel(this, QStringLiteral("どうしますか？"), 360, 1560, 4695, 255, "");

    QPushButton* start =
        PlacedButton(this, QStringLiteral("ヨルマを開始する(CR)"), 960, 1920, 3495, 555, "startButton");
    connect(start, &QPushButton::clicked, this, &StartConfirmation::OnStart);
    // "(CR)" tells the eye that Enter starts too; read out, it is noise.
    SetAccessibleName(start, QStringLiteral("ヨルマを開始する"));
    connect(PlacedButton(this, QStringLiteral("もう少し考える"), 240, 3000, 2295, 375, "laterButton"),
            &QPushButton::clicked, this, &StartConfirmation::OnLeave);
    connect(PlacedButton(this, QStringLiteral("また次の機会にする"), 2880, 3000, 2295, 375, "neverButton"),
            &QPushButton::clicked, this, &StartConfirmation::OnLeave);

    SetEnterKeyHandler([this] { OnStart(); });
    CenterOnScreen();
}

void StartConfirmation::OnStart() { app_.StartTracking(); }

void StartConfirmation::OnLeave() { app_.LeaveWithoutStarting(); }
