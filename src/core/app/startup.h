// The decisions of the program's start: one copy per user, deferring to the companion application,
// the wait after boot, the supported Windows versions and the start-hidden marker.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/platform/clock.h"
#include "core/platform/instance_host.h"
#include "core/platform/processes_and_windows.h"
#include "core/platform/settings_store.h"

namespace aerowisp {

inline constexpr char16_t kInstanceMutexName[] = u"VI61";
inline constexpr char16_t kCompanionEventName[] = u"BrevoAppRunning";

// Titles are read into a buffer of this many characters when looking for the product's windows.
inline constexpr size_t kProductWindowTitleBuffer = 100;

// Shortly after boot the program waits before it starts, so the WLAN service is up when it looks.
inline constexpr uint32_t kBootThresholdMs = 30000;
inline constexpr uint32_t kBootWaitMs = 8000;

// The two values of HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion, as the ANSI bytes
// stored (no terminator); a value that is missing or not text is given as empty.
struct WindowsVersionValues {
    std::string productName;     // "ProductName"
    std::string currentVersion;  // "CurrentVersion"
};

// Each value is read into a buffer of this many bytes, terminator included.
inline constexpr size_t kVersionValueBufferBytes = 100;

// Windows 7: "Windows 7" anywhere in the product name, else "6.1" anywhere in the version. Nothing
// (the key could not be opened) is unsupported. A value too long for its buffer cannot be read and
// counts as empty.
bool IsSupportedWindowsVersion(const std::optional<WindowsVersionValues>& values);

// Sleeps kBootWaitMs when the system has been up for less than kBootThresholdMs.
void WaitAfterBoot(Clock& clock);

// Writes the start-hidden marker beside the program, so its next start stays in the notification area.
// False when the file cannot be written, as for a user without full rights in Program Files; the logon
// start passes kStartHiddenSwitch instead.
bool RequestStartHidden(SettingsStore& settings, const std::u16string& programFolder);

// "%sZuroZiz.ini" in the program folder, section "ZuroZiz", key "Value": any text there asks for the
// main window to start hidden, once, so the marker is deleted when it is found.
bool IsStartHiddenRequested(SettingsStore& settings, ProcessesAndWindows& processes,
                            const std::u16string& programFolder);

// How many frame paints may still hide the main window at start. The window is hidden while it should
// start hidden or has no card to show, but only twice, so that it can always be brought up later.
class StartHiddenAllowance {
  public:
    static constexpr int kInitial = 2;

    // True when this paint hides the window instead of painting its frame; uses up one allowance.
    bool ShouldHide(bool hideRequested, bool cardPresent);
    int Remaining() const { return remaining_; }

  private:
    int remaining_ = kInitial;
};

// Posts command 32778 to every top-level dialog box whose title contains the text of string resource
// `titleStringId`. An empty text matches no window rather than every one.
void ActivateProductWindows(InstanceHost& host, ProcessesAndWindows& processes, uint32_t titleStringId);

enum class InstanceOutcome {
    kShowRequestPosted,        // a second copy asked the running main window to show itself
    kProductWindowsActivated,  // a second copy found no main window and woke the product's windows
    kDeferredToCompanion,      // the companion application runs; this copy did not start
    kMainWindowRan,            // this was the first copy and its main window has ended
};

// The application's start: decides whether this copy runs and, when it does, runs the main window.
InstanceOutcome RunSingleInstance(InstanceHost& host, ProcessesAndWindows& processes, SettingsStore& settings,
                                  Clock& clock);

}  // namespace aerowisp
