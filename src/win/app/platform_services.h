// The ports the program runs on: the real machine's, or a simulated machine's from a scenario file.
#pragma once

#include <memory>
#include <string>

#include "core/app/launch_options.h"
#include "core/platform/clock.h"
#include "core/platform/settings_store.h"
#include "core/platform/wlan_service.h"

namespace aerowisp {

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    virtual WlanService& Wlan() = 0;
    virtual SettingsStore& Settings() = 0;
    virtual Clock& SystemClock() = 0;

    // Notes a milestone of the program (such as its main window coming up) in the simulated
    // machine's journal, so outside tools can follow the run; the real machine keeps no journal.
    virtual void NoteEvent(const std::string& what) = 0;
};

std::unique_ptr<PlatformServices> CreateNativePlatform();

// Builds the simulated machine from the options' scenario (or the built-in one). On a bad scenario
// returns null with a message naming the file and line in `error`.
std::unique_ptr<PlatformServices> CreateSimulatedPlatform(const LaunchOptions& options, std::wstring& error);

}  // namespace aerowisp
