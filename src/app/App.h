#pragma once
// The program itself, as one object: it starts up, decides which window
// shows, carries out what the user asks for in the windows, refreshes the
// figures every 30 seconds and makes every save. Its state is its own; the
// windows read it and ask it to act. One App exists per run.

#include <QString>
#include <QTimer>

#include <cstdint>
#include <optional>

#include "app/ProgramWindows.h"
#include "app/SettingsCheck.h"
#include "engine/ElapsedForm.h"
#include "engine/TrackerSettings.h"
#include "engine/TrackerStatus.h"
#include "storage/DataFolder.h"

class Platform;

class App {
public:
    // The data folder is "yorumadata" under basePath (the directory the
    // program was started from); none where basePath is empty.
    App(Platform& platform, ProgramWindows& windows, const QString& basePath);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Finds the data folder, brings the data files into memory with their
    // fallbacks and opens the first window: the first run's profile, or the
    // display window in use last. A second copy is told so and ends.
    void StartUp();

    [[nodiscard]] const TrackerSettings& Settings() const { return settings_; }
    [[nodiscard]] const TrackerStatus& Status() const { return status_; }
    [[nodiscard]] bool Ended() const { return ended_; }

    // The first run: the profile typed in, then the start itself, which
    // records this moment as the quit moment (on a seasonal day through the
    // greeting), saves and opens the main window.
    void EnterProfile(const QString& cigarettesPerDay, const QString& pricePer20, int sizeChoice);
    void StartTracking();
    void CompleteSeasonalStart();
    void LeaveWithoutStarting();

    // The display windows.
    void OnTick();
    void SwitchElapsedForm();
    void CopyReport();
    void OpenBlogPage();
    void OpenHelp();
    void OpenSettings();
    // The view of the coming milestones: filled on opening and at every
    // refresh while it is open; it goes with the display windows.
    void OpenMilestones();
    void CloseMilestones();
    void SwitchToMiniWindow();
    void SwitchToMainWindow();
    // Whether a refresh that passes a milestone tells it; saved at once.
    void SetNoticesOn(bool on);
    [[nodiscard]] bool NoticesOn() const { return noticesOn_; }
    void Exit();
    // The display windows have come to rest after moving, showing or hiding:
    // their places are saved quietly, so that a session that ends without a
    // word (the display lost) keeps them.
    void KeepPlaces();

    // The settings window. A chosen colour holds from the moment it is chosen
    // until the display windows load again; a save keeps it.
    void SetTextColor(std::int32_t color);
    void SetBackColor(std::int32_t color);
    void SaveSettings(const SettingsForm& form);
    void CancelSettings();
    void OpenInfo();
    void CloseInfo();
    void OpenPaidEditionPage();

    // The last loaded window, shown or hidden, has gone: the program ends.
    void LastWindowClosed();
    // The session ends: the display windows are unloaded as by their close
    // box, once, failures go to the error output (nobody may be there to
    // answer a message box), and the program ends.
    void EndSession();

private:
    // What an unload writes of the windows' places, as "option.ini" holds it.
    struct Places {
        std::int32_t mainLeft;
        std::int32_t mainTop;
        std::int32_t miniLeft;
        std::int32_t miniTop;
        std::int32_t windowMode;
        friend bool operator==(const Places&, const Places&) = default;
    };
    static Places PlacesIn(const TrackerSettings& settings);

    void Refresh();
    // The milestones passed since the furthest refresh, as one notification.
    void TellReachedMilestones(const TrackerStatus& furthest);
    void ShowMilestones(const MomentParts& now);
    // Reads both data files again, so that saved settings take effect, and
    // loads the display windows with the one named shown.
    void OpenDisplayWindows(Window shown);
    void ReturnFromSettings();
    void CompleteStart(Window from);
    // Where the display windows stand, into the settings; a minimised window
    // has no place of its own and keeps the one it had.
    void TakeDisplayPlaces();
    // The same, from their normal state, as an unload finds them.
    void StoreDisplayPlaces();
    // What a display window's unload does: their places saved, then both gone.
    void UnloadDisplayWindows();
    void OpenWebPage(const QString& address);

    [[nodiscard]] bool SaveOptions();
    [[nodiscard]] bool SaveBoth(const TrackerSettings& settings);
    void ReportDataFolderProblem();
    void EndProgram();

    Platform& platform_;
    ProgramWindows& windows_;
    const QString basePath_;
    DataFolder folder_;
    TrackerSettings settings_;
    TrackerStatus status_;
    // The form the elapsed figure shows until the next refresh.
    ElapsedForm elapsedForm_ = ElapsedForm::Calendar;
    bool noticesOn_ = true;
    // The furthest refresh since the display windows loaded (at the start, or
    // with new settings), which the milestones are told against: a clock set
    // back and forward again tells none twice. None before the first refresh.
    std::optional<TrackerStatus> furthest_;
    QTimer refreshTimer_;
    Places placesOnDisk_{};
    bool ended_ = false;
    bool sessionEnding_ = false;
};
