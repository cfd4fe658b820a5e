// The decisions of the program's start.
#include "core/app/startup.h"

#include <string_view>

#include "core/resource.h"
#include "core/settings/settings_operations.h"

namespace aerowisp {
namespace {

constexpr char16_t kStartHiddenFile[] = u"ZuroZiz.ini";
constexpr char16_t kStartHiddenSection[] = u"ZuroZiz";
constexpr char16_t kStartHiddenKey[] = u"Value";
constexpr char16_t kStartHiddenValue[] = u"1";
constexpr char16_t kTraceHide[] = u"2011 07 16 hide window ";
constexpr char16_t kTraceShow[] = u"2011 07 16 show window ";

// The value as the program sees it in its buffer: up to the first zero, and only when it fits.
bool ContainsReadable(const std::string& value, std::string_view part) {
    if (value.size() >= kVersionValueBufferBytes)
        return false;
    std::string_view text = std::string_view(value).substr(0, value.find('\0'));
    return text.find(part) != std::string_view::npos;
}

}  // namespace

bool IsSupportedWindowsVersion(const std::optional<WindowsVersionValues>& values) {
    if (!values)
        return false;
    if (ContainsReadable(values->productName, "Windows 7"))
        return true;
    return ContainsReadable(values->currentVersion, "6.1");
}

void WaitAfterBoot(Clock& clock) {
    if (clock.GetTickCount() < kBootThresholdMs)
        clock.Sleep(kBootWaitMs);
}

bool RequestStartHidden(SettingsStore& settings, const std::u16string& programFolder) {
    return settings.WriteProfileString(kStartHiddenSection, kStartHiddenKey, kStartHiddenValue,
                                       programFolder + kStartHiddenFile);
}

bool IsStartHiddenRequested(SettingsStore& settings, ProcessesAndWindows& processes,
                            const std::u16string& programFolder) {
    std::u16string marker = programFolder + kStartHiddenFile;
    if (settings.ReadProfileString(kStartHiddenSection, kStartHiddenKey, marker).empty()) {
        processes.TraceDebug(kTraceShow);
        return false;
    }
    processes.TraceDebug(kTraceHide);
    processes.DeleteFileAt(marker);
    return true;
}

bool StartHiddenAllowance::ShouldHide(bool hideRequested, bool cardPresent) {
    if ((!hideRequested && cardPresent) || remaining_ <= 0)
        return false;
    --remaining_;
    return true;
}

void ActivateProductWindows(InstanceHost& host, ProcessesAndWindows& processes, uint32_t titleStringId) {
    std::u16string title = host.LoadStringResource(titleStringId);
    if (title.empty())
        return;
    for (const TopLevelWindow& window : processes.EnumTopLevelWindows(kProductWindowTitleBuffer)) {
        // Only dialog boxes, as the product's windows are: an Explorer window of the program's folder or
        // a browser page about it carries the name in its title too, and must not get the command.
        if (window.className == kDialogWindowClass && window.title.find(title) != std::u16string::npos) {
            processes.PostCommand(window.handle, ID_LAUNCH_CONFIG_UTILITY);
        }
    }
}

InstanceOutcome RunSingleInstance(InstanceHost& host, ProcessesAndWindows& processes, SettingsStore& settings,
                                  Clock& clock) {
    if (host.CreateInstanceMutex(kInstanceMutexName) == MutexCreation::kAlreadyExists) {
        host.CloseInstanceMutex();
        if (processes.FindWindowByTitle(kMainWindowTitle) != 0) {
            PostShowWindowRequest(settings);
            return InstanceOutcome::kShowRequestPosted;
        }
        ActivateProductWindows(host, processes, IDS_APP_TITLE);
        host.CoUninitialize();
        return InstanceOutcome::kProductWindowsActivated;
    }
    if (host.OpenCompanionEvent(kCompanionEventName)) {
        host.CloseCompanionEvent();
        ActivateProductWindows(host, processes, IDS_APP_TITLE);
        host.CoUninitialize();
        return InstanceOutcome::kDeferredToCompanion;
    }
    WaitAfterBoot(clock);
    host.RunMainWindow();
    return InstanceOutcome::kMainWindowRan;
}

}  // namespace aerowisp
