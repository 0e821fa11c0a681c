#include "ui/MilestonesWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/Colors.h"
#include "ui/Pictures.h"

namespace {

// In MilestoneKind order: the start of each row's object names and its label.
struct KindRow {
    const char* name;
    const char* label;
};
constexpr std::array<KindRow, kMilestoneKindCount> kKindRows{{
    {"duck", "アヒル"},
    {"rank", "ステータス"},
    {"lungs", "肺の色"},
    {"length", "長さ"},
    {"elapsed", "経過"},
    {"money", "節約"},
}};

// The bars are where Tab stops, one a row, so that the keyboard and a screen
// reader go through the rows. The style draws no focus on a bar, so it draws
// its own frame, in the colour of the text it writes on its groove, which
// stands out from the groove and the filled part alike.
class MilestoneBar : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        QProgressBar::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Text), 2, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

// The one way the program writes a moment of the view: "2026年3月21日 9:41".
QString MomentText(const MomentParts& when) {
    return QStringLiteral("%1年%2月%3日 %4:%5")
        .arg(when.year)
        .arg(when.month)
        .arg(when.day)
        .arg(when.hour)
        .arg(when.minute, 2, 10, QLatin1Char('0'));
}

QLabel* RowLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

// Laid out by its layouts rather than in twips, so that it fits its texts at
// every scale; it may be made wider.
MilestonesWindow::MilestonesWindow(App& app) : FixedWindow(0, 0, QStringLiteral("これからの節目")), app_(app) {
    setObjectName(QStringLiteral("milestonesWindow"));
    setWindowIcon(ProgramIcon());
    SetAccessibleName(this, windowTitle());
    CloseOnEscape();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    // The rows stand on the figures' ground, as the main window's figures do.
    figures_ = new QWidget(this);
    figures_->setObjectName(QStringLiteral("milestoneRows"));
    figures_->setAutoFillBackground(true);
    auto* grid = new QGridLayout(figures_);
    grid->setColumnStretch(3, 1);
    for (std::size_t kind = 0; kind < kKindRows.size(); ++kind) {
        const QString name = QString::fromLatin1(kKindRows[kind].name);
        const QString label = QString::fromUtf8(kKindRows[kind].label);
        auto* kindLabel = RowLabel(figures_, name + QStringLiteral("Label"));
        kindLabel->setText(label);
        Row& row = rows_[kind];
        row.what = RowLabel(figures_, name + QStringLiteral("What"));
        row.when = RowLabel(figures_, name + QStringLiteral("When"));
        row.bar = new MilestoneBar(figures_);
        row.bar->setObjectName(name + QStringLiteral("Bar"));
        row.bar->setFocusPolicy(Qt::TabFocus);
        row.bar->setRange(0, 100);
        row.bar->setFormat(QStringLiteral("%p％"));
        // Room for the bar to be read, in the window's own measure.
        row.bar->setMinimumWidth(row.bar->fontMetrics().horizontalAdvance(QStringLiteral("100％")) * 3);
        SetAccessibleName(row.bar, label);
        kindLabel->setBuddy(row.bar);
        const int line = static_cast<int>(kind);
        grid->addWidget(kindLabel, line, 0);
        grid->addWidget(row.what, line, 1);
        grid->addWidget(row.when, line, 2);
        grid->addWidget(row.bar, line, 3);
    }

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, [this] { app_.CloseMilestones(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(figures_);
    layout->addLayout(buttons);
}

void MilestonesWindow::Show(const MilestonesView& view) {
    ::SetFigureColors(figures_, view.backColor, view.textColor);
    for (std::size_t kind = 0; kind < rows_.size(); ++kind) {
        const UpcomingMilestone& milestone = view.milestones[kind];
        const Row& row = rows_[kind];
        QString what = QStringLiteral("—");
        QString when;
        if (milestone.state == MilestoneState::kAhead) {
            what = QString::fromStdString(milestone.what);
            when = MomentText(milestone.when);
        } else if (milestone.state == MilestoneState::kAllReached) {
            what = QStringLiteral("すべて達成しました");
        }
        row.what->setText(what);
        row.when->setText(when);
        row.bar->setValue(milestone.perMille / 10);
        // Tab stops on the bar alone: it carries the row's words for a screen reader.
        SetAccessibleDescription(row.bar, when.isEmpty() ? what : what + QStringLiteral("　") + when);
    }
    // Grown to fit the new texts now rather than at the next turn of the
    // event loop, so that no row is ever drawn cut short.
    layout()->activate();
}

void MilestonesWindow::OnCloseBox() { app_.CloseMilestones(); }
