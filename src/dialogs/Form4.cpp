#include "dialogs/Form4.h"

#include "dialogs/FirstRunLayout.h"
#include "dialogs/Form6.h"
#include "startup/Module1.h"
#include "ui/Form1.h"
#include "ui/Platform.h"

Form4::Form4(Module1& module) : FormBase(module, 5415, 3630, QStringLiteral(" ( ・◇・)  - nubera")) {
    setObjectName(QStringLiteral("Form4"));
    QLabel* welcome = PlacedLabel(this, QStringLiteral("ようこそヨルマ式へ"), 360, 240, 4695, 390, "Label1");
    QFont welcomeFont = welcome->font();
    welcomeFont.setPointSizeF(14);
    welcomeFont.setBold(true);
    welcome->setFont(welcomeFont);
    welcome->setAlignment(Qt::AlignCenter);

    PlacedLabel(this, QStringLiteral("これでタバコとは、永遠のサヨナラとなります。"), 360, 840, 4695, 255, "Label2_0");
    PlacedLabel(this, QStringLiteral("今からヨルマを開始しますか？"), 360, 1140, 4695, 255, "Label2_1");
    PlacedLabel(this, QStringLiteral("どうしますか？"), 360, 1560, 4695, 255, "Label3");

    QPushButton* command1 = PlacedButton(this, QStringLiteral("ヨルマを開始する(CR)"), 960, 1920, 3495, 555, "Command1");
    connect(command1, &QPushButton::clicked, this, &Form4::Form4_Command1_Click);
    QPushButton* later = PlacedButton(this, QStringLiteral("もう少し考える"), 240, 3000, 2295, 375, "Command2_0");
    connect(later, &QPushButton::clicked, this, [this] { Form4_Command2_Click(0); });
    QPushButton* never = PlacedButton(this, QStringLiteral("また次の機会にする"), 2880, 3000, 2295, 375, "Command2_1");
    connect(never, &QPushButton::clicked, this, [this] { Form4_Command2_Click(1); });

    SetEnterKeyHandler([this] { Form4_Command1_Click(); });
    CenterOnScreen();
}

void Form4::Form4_Command1_Click() {
    TrackerSettings& s = module_.settings;
    const MomentParts now = module_.platform.CurrentMoment();
    s.quitYear = now.year;
    s.quitMonth = now.month;
    s.quitDay = now.day;
    s.quitHour = now.hour;
    s.quitMinute = now.minute;

    // On its special days the greeting completes the start instead.
    if (OccasionOf(now.month, now.day) != SeasonalOccasion::None) {
        auto* form6 = new Form6(module_);
        form6->Form_Load();
        form6->show();
        Unload();
        return;
    }

    s.setupDone = 1;
    s.mainLeft = LeftTwips();
    s.mainTop = TopTwips();
    // A failed save is reported; the main window opens all the same and
    // counts from this moment for as long as it runs.
    module_.SaveDataFiles(this);

    if (Form1* form1 = module_.LoadForm1()) form1->show();
    Unload();
}

void Form4::Form4_Command2_Click(int /*index*/) { Unload(); }
