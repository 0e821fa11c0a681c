#pragma once
// The program-wide records and the two central routines: StartUp, which
// decides the first window, and RefreshStatus, which recomputes every figure
// and writes it into the display windows. One Module1 exists per run; the
// windows hold it by reference.

#include <QList>
#include <QPointer>
#include <QString>

#include <cstdint>

#include "engine/TrackerStatus.h"
#include "startup/TrackerSettings.h"
#include "ui/PlaceKeeper.h"

class Platform;
class QWidget;
class Form1;
class Form7;

class Module1 {
public:
    explicit Module1(Platform& platform);
    ~Module1();
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    // Fixes basePath to the current directory, brings both data files into
    // memory with their fallbacks and opens the first window. A data folder
    // or file that may not be used is reported once, here.
    void StartUp();
    void RefreshStatus();

    // The report of the last refresh, with the main window's captions as they
    // stand, put on the clipboard as plain text.
    void CopyReportToClipboard();
    // Opens "http://" followed by the stored address in the default browser.
    void OpenBlogPage(QWidget* parent);
    // Opens a web page in the default browser; a failure, which may come
    // later, is reported over the window that asked, if it is still there.
    void OpenWebPage(QWidget* parent, const QString& address);

    // The main window, loaded (and so its load sequence run) when needed.
    // Null when the load ended the program.
    Form1* LoadForm1();
    Form1* LoadedForm1() const;

    // The mini window, loaded when needed; loading it loads the main window too.
    Form7* LoadForm7();
    Form7* LoadedForm7() const;

    // Loads both display windows and shows the one windowMode names: the mini
    // window for 1, the main window for anything else.
    void ShowDisplayWindow();

    // The settings window, opened after the display windows have been unloaded.
    void OpenSettingsWindow();
    // The help window: one only, shown again when already open.
    void OpenHelpWindow();

    // The single-instance test of the windows that may open first: another
    // copy of this user's, or any copy on this data folder. The first time it
    // finds none, this copy owns the folder and clears away what saves of a
    // killed copy left there.
    bool AnotherCopyRunning();

    // Reads both data files into the settings (the main window's load); what
    // cannot be read keeps its value in memory.
    void LoadDataFiles();
    // Writes both data files from the settings, or neither where either may
    // not be replaced; a failure is reported with the data folder message.
    bool SaveDataFiles(QWidget* reporter);
    // A display window's unload writes "option.ini"; one unload takes both
    // windows, and the last of their two saves reports a failure.
    void SaveOptionsAtUnload(QWidget* window);
    // The session ends: the display windows are unloaded as by their close
    // box, once, failures go to the error output (nobody may be there to
    // answer a message box), and the program ends.
    void EndSession();

    // Every window reports its loading and unloading here; the program ends
    // when the last loaded window, shown or hidden, is unloaded.
    void WindowLoaded(QWidget* window);
    void WindowUnloaded(QWidget* window);
    // Ends the program at once: the single-instance refusal.
    void EndProgram();
    bool ProgramEnded() const { return programEnded_; }

    Platform& platform;
    TrackerSettings settings;
    TrackerStatus status;
    QString basePath;
    int elapsedViewMode = 0;  // 0: the elapsed figure in calendar form, 1: in day form

private:
    friend class WindowHandOver;

    // What an unload writes of the windows' places, as "option.ini" holds it.
    struct Places {
        std::int32_t mainLeft, mainTop, miniLeft, miniTop, windowMode;
        friend bool operator==(const Places&, const Places&) = default;
    };
    Places CurrentPlaces() const;
    // The windows' places went into "option.ini" soon after they changed, so
    // that a session ending without a word (the display lost) keeps them.
    void KeepPlaces();

    bool SaveProfileFile();
    bool SaveOptionsFile();
    void ReportDataFolderProblem(QWidget* parent);

    QPointer<Form1> form1_;
    QPointer<Form7> form7_;
    QList<QPointer<QWidget>> loadedWindows_;
    bool programEnded_ = false;
    bool sessionEnding_ = false;
    int handOvers_ = 0;
    bool dataFolderRefused_ = false;
    // A file that could not be read when last loaded is never written over:
    // what it holds would be replaced by defaults unseen.
    bool profileKept_ = false;
    bool optionsKept_ = false;
    bool folderClaimed_ = false;
    Places placesOnDisk_{};
    PlaceKeeper placeKeeper_;
};

// While one window hands over to the next (unloading itself before the next
// one is loaded), the program must not end for want of a loaded window.
class WindowHandOver {
public:
    explicit WindowHandOver(Module1& module);
    ~WindowHandOver();
    WindowHandOver(const WindowHandOver&) = delete;
    WindowHandOver& operator=(const WindowHandOver&) = delete;

private:
    Module1& module_;
};
