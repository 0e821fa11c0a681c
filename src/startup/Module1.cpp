#include "startup/Module1.h"

#include <QDir>
#include <QLabel>
#include <QWidget>

#include "dialogs/Form3.h"
#include "engine/RefreshStatus.h"
#include "engine/ReportText.h"
#include "startup/DataFiles.h"
#include "startup/FileSafety.h"
#include "ui/Form1.h"
#include "ui/Form7.h"
#include "ui/Platform.h"
#include "ui/WebAddress.h"

namespace {

// A file that is there but may not be used: never written over this run,
// until a later load reads it.
bool MustBeKept(LoadResult result) { return result == LoadResult::Unreadable || result == LoadResult::Refused; }

}  // namespace

Module1::Module1(Platform& p) : platform(p), placeKeeper_([this] { KeepPlaces(); }) {}

Module1::~Module1() {
    for (const QPointer<QWidget>& window : loadedWindows_) delete window.data();
}

void Module1::StartUp() {
    platform.WhenSessionEnds([this] { EndSession(); });
    // Empty when the current directory has been removed: then there is no
    // folder to use, and nothing is written anywhere.
    basePath = CurrentDirectoryPath();
    // Already there, or impossible to make: either way the file steps below decide.
    if (!basePath.isEmpty()) QDir(basePath).mkdir(QStringLiteral("yorumadata"));
    dataFolderRefused_ = basePath.isEmpty() || DataFolderRefused(DataFolderPath(basePath));

    // The profile is only tested here; the main window reads it when it loads.
    TrackerSettings tested = settings;
    const LoadResult profile = dataFolderRefused_ ? LoadResult::Refused : LoadProfile(tested, basePath);
    profileKept_ = MustBeKept(profile);
    if (profile == LoadResult::NotOpened || profileKept_) SetProfileDefaults(settings, platform.CurrentMoment());
    if (profile == LoadResult::NotOpened) SaveProfile(settings, basePath);

    const LoadResult options = dataFolderRefused_ ? LoadResult::Refused : LoadOptions(settings, basePath);
    optionsKept_ = MustBeKept(options);
    switch (options) {
        case LoadResult::Complete:
            break;
        case LoadResult::NotOpened:
            SetOptionDefaults(settings);
            SaveOptions(settings, basePath);
            break;
        case LoadResult::Incomplete:
        case LoadResult::Unreadable:
        case LoadResult::Refused:
            // A short or damaged file counts as no set-up at all; it keeps its
            // content until the next save (an unreadable one for good).
            SetOptionDefaults(settings);
            break;
    }
    placesOnDisk_ = CurrentPlaces();
    if (dataFolderRefused_ || profileKept_ || optionsKept_) ReportDataFolderProblem(nullptr);

    if (settings.setupDone == 0) {
        auto* form3 = new Form3(*this);
        if (form3->Form_Load()) form3->show();
        return;
    }
    ShowDisplayWindow();
}

bool Module1::AnotherCopyRunning() {
    const QString folder = dataFolderRefused_ ? QString() : DataFolderPath(basePath);
    if (platform.AnotherCopyRunning(folder)) return true;
    if (!folderClaimed_) {
        folderClaimed_ = true;
        if (!dataFolderRefused_) RemoveInterruptedSaves(basePath);
    }
    return false;
}

void Module1::LoadDataFiles() {
    if (dataFolderRefused_) return;
    profileKept_ = MustBeKept(LoadProfile(settings, basePath));
    const LoadResult options = LoadOptions(settings, basePath);
    optionsKept_ = MustBeKept(options);
    if (options == LoadResult::Complete) placesOnDisk_ = CurrentPlaces();
}

bool Module1::SaveProfileFile() {
    return !dataFolderRefused_ && !profileKept_ && SaveProfile(settings, basePath);
}

bool Module1::SaveOptionsFile() {
    const bool saved = !dataFolderRefused_ && !optionsKept_ && SaveOptions(settings, basePath);
    if (saved) placesOnDisk_ = CurrentPlaces();
    return saved;
}

bool Module1::SaveDataFiles(QWidget* reporter) {
    // Both checked first, so that a refusal leaves both files as they were.
    const bool saved = !dataFolderRefused_ && !profileKept_ && !optionsKept_ && MayReplaceProfile(basePath) &&
                       MayReplaceOptions(basePath) && SaveProfileFile() && SaveOptionsFile();
    if (!saved) ReportDataFolderProblem(reporter);
    return saved;
}

void Module1::SaveOptionsAtUnload(QWidget* window) {
    const bool saved = SaveOptionsFile();
    FormBase* other = window == form1_.data() ? static_cast<FormBase*>(form7_.data()) : form1_.data();
    const bool lastOfUnload = other == nullptr || other->IsUnloaded();
    if (!saved && lastOfUnload) ReportDataFolderProblem(window);
}

void Module1::ReportDataFolderProblem(QWidget* parent) {
    if (sessionEnding_) {
        const QString line = QString(kDataFolderMessage).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        qWarning("yoruma: %s", qUtf8Printable(line));
        return;
    }
    platform.ShowMessage(parent, kDataFolderMessage);
}

Module1::Places Module1::CurrentPlaces() const {
    return {settings.mainLeft, settings.mainTop, settings.miniLeft, settings.miniTop, settings.windowMode};
}

void Module1::KeepPlaces() {
    if (programEnded_ || sessionEnding_) return;
    // As the unload stores them; a minimised window has no place of its own.
    if (form1_ && !form1_->IsUnloaded() && !form1_->isMinimized()) {
        settings.mainLeft = form1_->LeftTwips();
        settings.mainTop = form1_->TopTwips();
    }
    if (form7_ && !form7_->IsUnloaded() && !form7_->isMinimized()) {
        settings.miniLeft = form7_->LeftTwips();
        settings.miniTop = form7_->TopTwips();
    }
    // Quietly: the user did not ask for this save; the unload's save will speak.
    if (CurrentPlaces() != placesOnDisk_) SaveOptionsFile();
}

void Module1::EndSession() {
    if (sessionEnding_ || programEnded_) return;
    sessionEnding_ = true;
    // Each display window's unload unloads the other one too.
    if (form1_ && !form1_->IsUnloaded()) {
        form1_->Unload();
    } else if (form7_ && !form7_->IsUnloaded()) {
        form7_->Unload();
    }
    // Other windows (settings, first run, help) hold nothing to save.
    if (!programEnded_) EndProgram();
}

void Module1::RefreshStatus() {
    status = ComputeStatus(settings, platform.CurrentMoment(), platform.RandomDraw(), elapsedViewMode);
    if (form1_) form1_->ApplyStatus(status);
    if (form7_) form7_->ApplyReport(status.reportText);
    elapsedViewMode = 0;
}

void Module1::CopyReportToClipboard() {
    std::string rank = status.captions[kRankCaption];
    std::string money = status.captions[kMoneyCaption];
    std::string cigarettes = status.captions[kCigaretteCaption];
    if (form1_) {
        rank = form1_->Label2(kRankCaption)->text().toStdString();
        money = form1_->Label2(kMoneyCaption)->text().toStdString();
        cigarettes = form1_->Label2(kCigaretteCaption)->text().toStdString();
    }
    const std::string report = BuildReportText(settings, status, elapsedViewMode, rank, money, cigarettes);
    platform.SetClipboardText(QString::fromStdString(report));
}

void Module1::OpenBlogPage(QWidget* parent) {
    OpenWebPage(parent, QStringLiteral("http://") + QString::fromStdString(settings.blogUrl));
}

void Module1::OpenWebPage(QWidget* parent, const QString& address) {
    platform.OpenUrl(WebAddressForBrowser(address), [&shown = platform, window = QPointer<QWidget>(parent)] {
        shown.ShowMessage(window, QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください"));
    });
}

Form1* Module1::LoadedForm1() const { return form1_; }

Form1* Module1::LoadForm1() {
    if (form1_) return form1_;
    auto* form1 = new Form1(*this);
    form1_ = form1;
    placeKeeper_.Watch(form1);
    if (!form1->Form_Load()) {
        delete form1;
        return nullptr;
    }
    // The two display windows always exist together.
    LoadForm7();
    return form1;
}

Form7* Module1::LoadedForm7() const { return form7_; }

Form7* Module1::LoadForm7() {
    if (form7_) return form7_;
    // The main window's load (single-instance test, both files) comes first;
    // it loads this window itself.
    if (!form1_) return LoadForm1() ? form7_.data() : nullptr;
    auto* form7 = new Form7(*this);
    form7_ = form7;
    placeKeeper_.Watch(form7);
    form7->Form7_Form_Load();
    return form7;
}

void Module1::ShowDisplayWindow() {
    if (settings.windowMode == 1) {
        if (Form7* form7 = LoadForm7()) form7->show();
    } else {
        if (Form1* form1 = LoadForm1()) form1->show();
    }
}

void Module1::WindowLoaded(QWidget* window) {
    if (!loadedWindows_.contains(window)) loadedWindows_.append(window);
}

void Module1::WindowUnloaded(QWidget* window) {
    loadedWindows_.removeAll(window);
    loadedWindows_.removeAll(nullptr);
    if (loadedWindows_.isEmpty() && handOvers_ == 0 && !programEnded_) {
        programEnded_ = true;
        platform.EndProgram();
    }
}

void Module1::EndProgram() {
    programEnded_ = true;
    platform.EndProgram();
}

WindowHandOver::WindowHandOver(Module1& module) : module_(module) { ++module_.handOvers_; }

WindowHandOver::~WindowHandOver() {
    if (--module_.handOvers_ == 0) module_.WindowUnloaded(nullptr);
}
