#include "app/App.h"

#include <QStringList>

#include <variant>

#include "app/Messages.h"
#include "app/Platform.h"
#include "app/ScreenPlacement.h"
#include "app/WebAddress.h"
#include "engine/ElapsedFigures.h"
#include "engine/ReachedMilestones.h"
#include "engine/ReadLeadingNumber.h"
#include "engine/RefreshStatus.h"
#include "engine/ReportText.h"
#include "engine/UpcomingMilestones.h"

namespace {

constexpr int kRefreshIntervalMs = 30000;

// A window's place into a left and top of the settings. Nothing to take (the
// window minimised, or a desktop that does not tell) keeps what they hold.
void TakePlace(const std::optional<WindowPlace>& place, std::int32_t& left, std::int32_t& top) {
    if (!place) return;
    left = place->left;
    top = place->top;
}

}  // namespace

App::App(Platform& platform, ProgramWindows& windows, const QString& basePath)
    : platform_(platform), windows_(windows), basePath_(basePath) {
    refreshTimer_.setInterval(kRefreshIntervalMs);
    QObject::connect(&refreshTimer_, &QTimer::timeout, [this] { OnTick(); });
}

void App::StartUp() {
    platform_.WhenSessionEnds([this] { EndSession(); });
    folder_.Open(basePath_);
    const bool readWhole = folder_.LoadAtStart(settings_, platform_.CurrentMoment());
    placesOnDisk_ = PlacesIn(settings_);
    if (!readWhole) ReportDataFolderProblem();

    if (const std::optional<LockHolder> holder = platform_.RunningCopy(folder_.Directory())) {
        platform_.ShowMessage(AlreadyRunningMessage(*holder));
        EndProgram();
        return;
    }
    // This copy owns the folder now.
    folder_.RemoveInterruptedSaves();

    if (settings_.setupDone == 0) {
        windows_.Open(Window::Profile);
    } else {
        OpenDisplayWindows(settings_.MiniWindowInUse() ? Window::Mini : Window::Main);
    }
}

void App::EnterProfile(const QString& cigarettesPerDay, const QString& pricePer20, int sizeChoice) {
    const std::int32_t perDay = ReadLeadingNumber(cigarettesPerDay.toStdString());
    const std::int32_t price = ReadLeadingNumber(pricePer20.toStdString());
    if (perDay < 1 || perDay > 200 || price < 1 || price > 2000) {
        platform_.ShowMessage(kRangeMessage);
        return;
    }
    settings_.cigarettesPerDay = perDay;
    settings_.pricePer20 = price;
    settings_.sizeMillimetres = SizeOfChoice(sizeChoice);
    windows_.Open(Window::StartConfirmation);
    windows_.Close(Window::Profile);
}

void App::StartTracking() {
    const MomentParts now = platform_.CurrentMoment();
    settings_.quitYear = now.year;
    settings_.quitMonth = now.month;
    settings_.quitDay = now.day;
    settings_.quitHour = now.hour;
    settings_.quitMinute = now.minute;
    // On its special days the greeting completes the start instead.
    const SeasonalOccasion occasion = OccasionOf(now.month, now.day);
    if (occasion != SeasonalOccasion::None) {
        windows_.OpenSeasonalGreeting(occasion);
        windows_.Close(Window::StartConfirmation);
        return;
    }
    CompleteStart(Window::StartConfirmation);
}

// The quit moment is the one taken when the start was asked for.
void App::CompleteSeasonalStart() { CompleteStart(Window::SeasonalGreeting); }

void App::CompleteStart(Window from) {
    TrackerSettings started = settings_;
    started.setupDone = 1;
    // The main window opens where this window stood.
    TakePlace(windows_.PlaceOf(from), started.mainLeft, started.mainTop);
    settings_ = started;
    // A failed save is reported; the main window opens all the same and
    // counts from this moment for as long as it runs.
    if (!SaveBoth(started)) ReportDataFolderProblem();
    OpenDisplayWindows(Window::Main);
    windows_.Close(from);
}

void App::LeaveWithoutStarting() { windows_.Close(Window::StartConfirmation); }

void App::OpenDisplayWindows(Window shown) {
    // Both files are read on every load, so that saved settings take effect
    // here. A field that cannot be read keeps the value already in memory.
    if (folder_.Load(settings_)) placesOnDisk_ = PlacesIn(settings_);
    // Where the desktop places the windows itself, the stored places stay as
    // they are for the next start on a desktop that does not.
    if (platform_.PlacesWindows()) {
        const QSize screen = platform_.ScreenSizeTwips();
        PullOntoScreen(settings_.mainLeft, settings_.mainTop, screen, 5000, 3000);
        PullOntoScreen(settings_.miniLeft, settings_.miniTop, screen, 3500, 1500);
    }
    noticesOn_ = folder_.LoadNoticesOn();
    windows_.OpenDisplayWindows({{settings_.mainLeft, settings_.mainTop},
                                 {settings_.miniLeft, settings_.miniTop},
                                 settings_.backColor,
                                 settings_.textColor});
    windows_.ShowNoticeChoice(noticesOn_);
    // Nothing passed while the program did not run, or through new settings, is told.
    furthest_.reset();
    Refresh();
    refreshTimer_.start();
    windows_.ShowDisplayWindow(shown);
}

void App::OnTick() { Refresh(); }

void App::Refresh() {
    const MomentParts now = platform_.CurrentMoment();
    status_ = ComputeStatus(settings_, now, platform_.RandomDraw(), elapsedForm_);
    windows_.ShowStatus(status_);
    elapsedForm_ = ElapsedForm::Calendar;
    ShowMilestones(now);
    if (furthest_) TellReachedMilestones(*furthest_);
    if (!furthest_ || status_.totalMinutes > furthest_->totalMinutes) furthest_ = status_;
}

void App::TellReachedMilestones(const TrackerStatus& furthest) {
    if (!noticesOn_) return;
    QStringList lines;
    for (const std::string& line : ReachedMilestones(furthest, status_)) lines << QString::fromStdString(line);
    if (lines.isEmpty()) return;
    platform_.Notify(kProgramTitle, lines.join(QLatin1Char('\n')),
                     [this] { windows_.BringForward(settings_.MiniWindowInUse() ? Window::Mini : Window::Main); });
}

void App::ShowMilestones(const MomentParts& now) {
    if (!windows_.IsOpen(Window::Milestones)) return;
    windows_.ShowMilestones({UpcomingMilestones(settings_, now), settings_.backColor, settings_.textColor});
}

void App::SwitchElapsedForm() {
    // Until the next refresh, which brings the calendar form back.
    if (elapsedForm_ == ElapsedForm::Calendar) {
        elapsedForm_ = ElapsedForm::Days;
        windows_.ShowElapsedCaption(ElapsedDayCaption(status_));
    } else {
        elapsedForm_ = ElapsedForm::Calendar;
        windows_.ShowElapsedCaption(ElapsedCalendarCaption(status_));
    }
}

void App::CopyReport() {
    // In the form the elapsed figure shows now, so that a copy matches the window.
    const std::string report = BuildReportText(settings_, status_, elapsedForm_, status_.captions[kRankCaption],
                                               status_.captions[kMoneyCaption], status_.captions[kCigaretteCaption]);
    platform_.SetClipboardText(QString::fromStdString(report));
}

void App::OpenBlogPage() { OpenWebPage(QStringLiteral("http://") + QString::fromStdString(settings_.blogUrl)); }

void App::OpenPaidEditionPage() { OpenWebPage(QString::fromLatin1(kPaidEditionUrl)); }

void App::OpenWebPage(const QString& address) {
    // The window that asked stays as it is, whether or not the page opens.
    platform_.OpenUrl(WebAddressForBrowser(address),
                      [&platform = platform_] { platform.ShowMessage(kWebPageMessage); });
}

void App::OpenHelp() { windows_.Open(Window::Help); }

void App::OpenMilestones() {
    windows_.Open(Window::Milestones);
    ShowMilestones(platform_.CurrentMoment());
}

void App::CloseMilestones() { windows_.Close(Window::Milestones); }

void App::OpenSettings() {
    StoreDisplayPlaces();
    if (!SaveOptions()) ReportDataFolderProblem();
    // The settings window opens where the main window stood.
    windows_.Open(Window::Settings);
    refreshTimer_.stop();
    windows_.Close(Window::Main);
}

void App::SwitchToMiniWindow() {
    // The first use of the mini window opens it where the main window stands.
    if (settings_.windowMode == WindowMode::kMiniNeverUsed) {
        if (const std::optional<WindowPlace> place = windows_.PlaceOf(Window::Main)) windows_.MoveMiniWindow(*place);
    }
    settings_.windowMode = WindowMode::kMini;
    windows_.ShowDisplayWindow(Window::Mini);
}

void App::SwitchToMainWindow() {
    settings_.windowMode = WindowMode::kMain;
    windows_.ShowDisplayWindow(Window::Main);
}

void App::SetNoticesOn(bool on) {
    noticesOn_ = on;
    windows_.ShowNoticeChoice(on);
    if (!folder_.SaveNoticesOn(on)) ReportDataFolderProblem();
}

void App::Exit() { UnloadDisplayWindows(); }

void App::UnloadDisplayWindows() {
    StoreDisplayPlaces();
    if (!SaveOptions()) ReportDataFolderProblem();
    refreshTimer_.stop();
    // Without the refresh it would stand still; the program ends with the display windows as before.
    windows_.Close(Window::Milestones);
    windows_.Close(Window::Main);
}

void App::TakeDisplayPlaces() {
    TakePlace(windows_.PlaceOf(Window::Main), settings_.mainLeft, settings_.mainTop);
    TakePlace(windows_.PlaceOf(Window::Mini), settings_.miniLeft, settings_.miniTop);
}

void App::StoreDisplayPlaces() {
    windows_.NormaliseDisplayWindows();
    TakeDisplayPlaces();
}

void App::KeepPlaces() {
    if (ended_ || sessionEnding_ || !windows_.IsOpen(Window::Main)) return;
    TakeDisplayPlaces();
    // Quietly: the user did not ask for this save; the unload's save will speak.
    if (PlacesIn(settings_) != placesOnDisk_) static_cast<void>(SaveOptions());
}

void App::SetTextColor(std::int32_t color) { settings_.textColor = color; }

void App::SetBackColor(std::int32_t color) { settings_.backColor = color; }

void App::SaveSettings(const SettingsForm& form) {
    SettingsCheckResult checked = CheckSettings(form, settings_, platform_.CurrentMoment());
    if (const QString* refusal = std::get_if<QString>(&checked)) {
        platform_.ShowMessage(*refusal);
        return;
    }
    TrackerSettings saved = std::get<TrackerSettings>(std::move(checked));
    // The main window reopens where this window stood.
    TakePlace(windows_.PlaceOf(Window::Settings), saved.mainLeft, saved.mainTop);
    if (!SaveBoth(saved)) {
        ReportDataFolderProblem();
        return;
    }
    settings_ = saved;
    ReturnFromSettings();
}

// Loading the display windows reads both files again, so whatever the
// settings window changed without saving (a colour) is replaced by the stored values.
void App::CancelSettings() { ReturnFromSettings(); }

void App::ReturnFromSettings() {
    OpenDisplayWindows(settings_.MiniWindowInUse() ? Window::Mini : Window::Main);
    windows_.Close(Window::Settings);
}

// However the information window closes, the settings window comes back, filled afresh.
void App::OpenInfo() {
    windows_.Open(Window::Info);
    windows_.Close(Window::Settings);
}

void App::CloseInfo() {
    windows_.Open(Window::Settings);
    windows_.Close(Window::Info);
}

void App::LastWindowClosed() {
    if (!ended_) EndProgram();
}

void App::EndSession() {
    if (sessionEnding_ || ended_) return;
    sessionEnding_ = true;
    // Other windows (settings, first run, help) hold nothing to save.
    if (windows_.IsOpen(Window::Main)) UnloadDisplayWindows();
    if (!ended_) EndProgram();
}

void App::EndProgram() {
    ended_ = true;
    platform_.EndProgram();
}

App::Places App::PlacesIn(const TrackerSettings& settings) {
    return {
        .mainLeft = settings.mainLeft,
        .mainTop = settings.mainTop,
        .miniLeft = settings.miniLeft,
        .miniTop = settings.miniTop,
        .windowMode = settings.windowMode,
    };
}

bool App::SaveOptions() {
    const bool saved = folder_.SaveOptions(settings_);
    if (saved) placesOnDisk_ = PlacesIn(settings_);
    return saved;
}

bool App::SaveBoth(const TrackerSettings& settings) {
    const bool saved = folder_.SaveBoth(settings);
    if (saved) placesOnDisk_ = PlacesIn(settings);
    return saved;
}

void App::ReportDataFolderProblem() {
    const QString message = DataFolderMessage(folder_.Unsafe());
    if (sessionEnding_) {
        const QString line = QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        qWarning("yoruma: %s", qUtf8Printable(line));
        return;
    }
    platform_.ShowMessage(message);
}
