// What the user reads and sees, pinned as data: every window in a fixed state
// written out as text (title, size, each control's kind, text, place, font,
// colours and accessible name, the popup menus, the message boxes), and every
// drawn picture at 1x and 2x, compared with the files in tests/golden/; and
// every window's texts readable under a dark palette.
// YORUMA_UPDATE_GOLDEN=1 writes the files instead, so that an intended change
// is one reviewed diff.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QValidator>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/Messages.h"
#include "support/GoldenFile.h"
#include "support/Program.h"
#include "support/ScratchDirectory.h"
#include "support/WidgetFinders.h"
#include "ui/MainWindow.h"
#include "ui/MiniWindow.h"
#include "ui/Pictures.h"

namespace {

QString GoldenFilePath(const QString& name) { return QString::fromStdString(GoldenPath(name.toStdString())); }

void CompareWithGolden(const QString& name, const QString& actual) {
    QFile file(GoldenFilePath(name));
    if (UpdatingGolden()) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(actual.toUtf8()) >= 0) << name.toStdString();
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << name.toStdString();
    const QString expected = QString::fromUtf8(file.readAll());
    // Google Test shows the lines that differ.
    EXPECT_EQ(expected.toStdString(), actual.toStdString())
        << name.toStdString() << " (YORUMA_UPDATE_GOLDEN=1 rewrites it)";
}

void CompareWithGolden(const QString& name, const QImage& actual) {
    const QImage image = actual.convertToFormat(QImage::Format_ARGB32);
    if (UpdatingGolden()) {
        ASSERT_TRUE(image.save(GoldenFilePath(name), "PNG")) << name.toStdString();
        return;
    }
    const QImage expected = QImage(GoldenFilePath(name)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_TRUE(expected == image) << name.toStdString() << " differs (YORUMA_UPDATE_GOLDEN=1 rewrites it)";
}

QString ColorName(const QColor& color) { return color.name(); }

QString Quoted(QString text) { return '"' + text.replace('\n', QStringLiteral("\\n")) + '"'; }

// The most characters a text box lets the user type.
int Takes(QLineEdit* box) {
    for (int length = 1;; ++length) {
        QString typed(length, u'1');
        int cursor = length;
        const bool refused =
            length > box->maxLength() ||
            (box->validator() != nullptr && box->validator()->validate(typed, cursor) == QValidator::Invalid);
        if (refused || length > 1000) return length - 1;
    }
}

// The text a control shows, as the user reads it.
QString Shown(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (!label->pixmap().isNull())
            return QStringLiteral("picture %1x%2").arg(label->pixmap().width()).arg(label->pixmap().height());
        return Quoted(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return Quoted(button->text()) + (button->isCheckable() && button->isChecked() ? " checked" : "");
    }
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return Quoted(box->text()) + QStringLiteral(" takes %1").arg(Takes(box));
    if (auto* group = qobject_cast<QGroupBox*>(control)) return Quoted(group->title());
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << Quoted(combo->itemText(i));
        return items.join('|') + " chosen " + Quoted(combo->currentText());
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        return QStringLiteral("%1 lines, below").arg(text->blockCount());
    return {};
}

// What a screen reader finds.
QString Accessible(QWidget* widget) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    QString found = QStringLiteral("role ") + QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role());
    for (const auto& [kind, label] :
         {std::pair{QAccessible::Name, " name "}, {QAccessible::Description, " description "}}) {
        // Qt gives a combo box its value as its name on Linux (the label then
        // comes as a relation) and its label on Windows: the relation is shown.
        if (kind == QAccessible::Name && node->role() == QAccessible::ComboBox) continue;
        if (!node->text(kind).isEmpty()) found += label + Quoted(node->text(kind));
    }
    for (const auto& [label, relation] : node->relations(QAccessible::Label)) {
        found += " labelled by " + Quoted(label->text(QAccessible::Name));
    }
    return found;
}

QString Font(const QFont& font) {
    const QString size = QStringLiteral("%1pt").arg(font.pointSizeF());
    return font.families().value(0) + ' ' + size + (font.bold() ? " bold" : "");
}

bool LaidOut(const QWidget* window) { return window->layout() != nullptr; }

// One line a control, in the order the window made them, those in a frame or
// group below it.
void DescribeControls(QWidget* parent, const QString& indent, QStringList& lines) {
    for (QObject* child : parent->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control == nullptr || control->isWindow()) continue;
        const QRect place = control->geometry();
        // A window laid out by its font has no places of its own: they follow
        // each platform's font rendering.
        const QString geometry =
            (LaidOut(control->window())
                 ? QStringLiteral("laid out")
                 : QString::asprintf("%d,%d %dx%d", place.x(), place.y(), place.width(), place.height())) +
            (control->isVisibleTo(control->window()) ? "" : " hidden") + (control->isEnabled() ? "" : " disabled");
        // The ground a control fills itself; the others show what lies behind
        // them, or what the style draws from the desktop's colours.
        const QString ground = control->autoFillBackground()
                                   ? " on " + ColorName(control->palette().color(control->backgroundRole()))
                                   : QString();
        const QString ink = ColorName(control->palette().color(control->foregroundRole())) + ground;
        lines << indent + QStringLiteral("%1 %2 %3 %4 | font %5 | text %6 | %7")
                              .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName(),
                                   geometry, Shown(control), Font(control->font()), ink, Accessible(control));
        if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
            for (const QString& line : text->toPlainText().split('\n')) lines << indent + "  | " + line;
        }
        // Frames and groups hold controls; a combo box's list and a text
        // box's scroll bars are parts of their control.
        if (!control->inherits("QComboBox") && !control->inherits("QAbstractScrollArea")) {
            DescribeControls(control, indent + "  ", lines);
        }
    }
}

QString DescribeWindow(QWidget* window) {
    EXPECT_NE(window, nullptr);
    if (window == nullptr) return {};
    QStringList lines;
    const QString size =
        (LaidOut(window) ? QStringLiteral("laid out") : QString::asprintf("%dx%d", window->width(), window->height())) +
        (window->minimumSize() == window->maximumSize() ? " fixed" : " resizable");
    lines << QStringLiteral("== %1 %2 %3 client %4 | font %5 | back %6 | %7")
                 .arg(window->objectName(), QString::fromLatin1(window->metaObject()->className()),
                      Quoted(window->windowTitle()), size, Font(window->font()),
                      ColorName(window->palette().color(window->backgroundRole())), Accessible(window));
    DescribeControls(window, QStringLiteral("  "), lines);
    for (QMenu* menu : window->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        lines << QStringLiteral("  menu %1 | %2").arg(menu->objectName(), Accessible(menu));
        for (QAction* entry : menu->actions()) {
            const QString mark = !entry->isCheckable() ? QString() : entry->isChecked() ? " checked" : " unchecked";
            lines << QStringLiteral("    %1 %2%3").arg(entry->objectName(), Quoted(entry->text()), mark);
        }
    }
    return lines.join('\n') + '\n';
}

// The state of every picture and text: Fusion's own colours, wherever the
// tests run, so that the colours a window leaves to the desktop are the same.
class FaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    void TearDown() override { ProcessDeletions(); }
};

// Opens every window in the fixed state and hands each to `meet`: the first
// run on each greeting's day, then a tracker started on 5 October 2008 at
// 09:00 seen on 20 November at 12:07 (day 46: the ducks have come, one
// rejoices), its display windows' version boxes asked for on the way. Gives
// the messages shown.
QStringList MeetEveryWindow(const std::function<void(QWidget*)>& meet) {
    for (const auto& [month, day] : {std::pair{12, 24}, {12, 25}, {1, 1}, {1, 2}, {1, 3}}) {
        ScratchDirectory scratch;
        Program program{scratch.Path()};
        program.platform.now = {2009, month, day, 9, 0};
        program.app.StartUp();
        if (month == 12 && day == 24) meet(VisibleWindow("profileWindow"));
        program.app.EnterProfile(QStringLiteral("20"), QStringLiteral("300"), 1);
        if (month == 12 && day == 24) meet(VisibleWindow("startConfirmation"));
        program.app.StartTracking();
        meet(VisibleWindow("seasonalGreeting"));
        ProcessDeletions();
    }
    ScratchDirectory scratch;
    scratch.WriteStartedTracker();
    Program program{scratch.Path()};
    program.platform.now = {2008, 11, 20, 12, 7};
    program.app.StartUp();
    const std::pair<void (App::*)(), Window> windows[] = {
        {&App::SwitchToMainWindow, Window::Main}, {&App::SwitchToMiniWindow, Window::Mini},
        {&App::OpenHelp, Window::Help},           {&App::OpenMilestones, Window::Milestones},
        {&App::OpenSettings, Window::Settings},   {&App::OpenInfo, Window::Info},
    };
    for (const auto& [open, kind] : windows) {
        (program.app.*open)();
        QWidget* window = program.windows.Loaded(kind);
        meet(window);
        if (kind == Window::Main || kind == Window::Mini) {
            static_cast<DisplayWindow*>(window)->MenuEntry("versionEntry")->trigger();
        }
    }
    return program.platform.messages;
}

TEST_F(FaceTest, EveryWindowAndMessage) {
    QString face;
    QStringList messages = MeetEveryWindow([&](QWidget* window) { face += DescribeWindow(window); });
    face += QStringLiteral("== message boxes, titled %1\n").arg(Quoted(kProgramTitle));
    using Writer = OtherWriter::Kind;
    messages << AlreadyRunningMessage({}) << AlreadyRunningMessage({4242, "yoruma"}) << kRangeMessage << kFutureMessage
             << kQuoteMessage << kWebPageMessage << DataFolderMessage({})
             << DataFolderMessage(UnsafeFolder{"/srv/shared", true, {Writer::EveryUser, {}}})
             << DataFolderMessage(UnsafeFolder{"/srv/y/yorumadata", false, {Writer::Owner, "ken"}})
             << DataFolderMessage(UnsafeFolder{"/srv/y/yorumadata", false, {Writer::Group, "staff"}});
    for (const QString& message : messages) {
        face += "  " + Quoted(QString(message).replace("\r\n", "\n")) + '\n';
    }
    CompareWithGolden(QStringLiteral("face.txt"), face);
}

// The grey levels between the darkest and the lightest pixel of a shown
// control that shows a text (a label, a button, a text box or a bar).
int Contrast(QWidget* control) {
    if (!control->isVisible() || control->property("text").toString().isEmpty()) return 255;
    const QImage image = control->grab().toImage();
    QList<int> greys;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) greys << qGray(image.pixel(x, y));
    }
    return greys.isEmpty() ? 0 : *std::ranges::max_element(greys) - *std::ranges::min_element(greys);
}

// Under a dark desktop palette (light text on dark ground) each text of every
// window stands out from its ground, as a window that fixes a background
// colour fixes the text colour with it.
TEST_F(FaceTest, TextsStandOutUnderADarkPalette) {
    QPalette dark;  // grounds of grey 40 (0x28), texts of grey 235 (0xeb)
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase}) {
        dark.setColor(role, 0x282828);
    }
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) dark.setColor(role, 0xebebeb);
    QApplication::setPalette(dark);
    MeetEveryWindow([](QWidget* window) {
        ASSERT_TRUE(window != nullptr && window->isVisible());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            EXPECT_GE(Contrast(control), 50)
                << window->objectName().toStdString() << ' ' << control->objectName().toStdString();
        }
    });
}

// What a window paints itself in an area (no controls, whose texts would
// bring the fonts' rendering in), at a device pixel ratio.
QImage Painted(QWidget* window, const QRect& area, qreal ratio) {
    QPixmap pixmap(area.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    window->render(&pixmap, {}, QRegion(area), QWidget::DrawWindowBackground);
    return pixmap.toImage();
}

// The ducks, the bells, the icon and the lungs on their way from almost black
// (day 0) through red (day 25) to their last pink (day 39).
TEST_F(FaceTest, Pictures) {
    for (const qreal ratio : {1.0, 2.0}) {
        const QString at = QStringLiteral("@%1x.png").arg(ratio);
        CompareWithGolden("duck" + at, DuckPicture(ratio).toImage());
        CompareWithGolden("rejoicing-duck" + at, RejoicingDuckPicture(ratio).toImage());
        for (int frame = 0; frame < kBellFrameCount; ++frame) {
            CompareWithGolden(QStringLiteral("bells-%1").arg(frame) + at, BellFrame(frame, ratio).toImage());
        }
        CompareWithGolden("icon-16" + at, ProgramIcon().pixmap(QSize(16, 16), ratio).toImage());
    }
    ScratchDirectory scratch;
    scratch.WriteStartedTracker();
    Program program{scratch.Path()};
    const struct {
        int day;
        MomentParts now;
    } stages[] = {
        {0, {2008, 10, 5, 9, 0}},  {12, {2008, 10, 17, 9, 0}}, {25, {2008, 10, 30, 9, 0}},
        {32, {2008, 11, 6, 9, 0}}, {39, {2008, 11, 13, 9, 0}},
    };
    for (const auto& [day, now] : stages) {
        program.platform.now = now;
        if (day == 0) program.app.StartUp();
        program.app.OnTick();
        QWidget* main = program.windows.Loaded(Window::Main);
        for (const qreal ratio : {1.0, 2.0}) {
            const QString name = QStringLiteral("lungs-day%1@%2x.png").arg(day).arg(ratio);
            CompareWithGolden(name, Painted(main, QRect(272, 48, 89, 65), ratio));
        }
    }
}

}  // namespace
