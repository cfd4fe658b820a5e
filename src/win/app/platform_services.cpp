// The two machines the program can run on: the real one, or a simulated one from a scenario.
#include "app/platform_services.h"

#include <filesystem>

#include "native/native_clock.h"
#include "native/native_settings_store.h"
#include "native/native_wlan_service.h"
#include "sim/sim_machine.h"

namespace aerowisp {
namespace {

std::filesystem::path PathOf(const std::u16string& text) {
    return std::filesystem::path(std::wstring(text.begin(), text.end()));
}

std::wstring Widen(const std::string& utf8) {
    const std::u8string text(utf8.begin(), utf8.end());
    return std::filesystem::path(text).wstring();
}

class NativePlatform final : public PlatformServices {
public:
    WlanService& Wlan() override { return wlan_; }
    SettingsStore& Settings() override { return settings_; }
    Clock& SystemClock() override { return clock_; }
    void NoteEvent(const std::string&) override {}

private:
    NativeWlanService wlan_;
    NativeSettingsStore settings_;
    NativeClock clock_;
};

// The simulated machine runs on real time; the registry and the profile files stay the real ones,
// so a simulated run keeps its settings like an installed program does.
class SimulatedPlatform final : public PlatformServices {
public:
    explicit SimulatedPlatform(const Scenario& scenario) : machine_(scenario, clock_) {}

    bool WriteJournalTo(const std::u16string& path) { return machine_.Journal().WriteTo(PathOf(path)); }

    WlanService& Wlan() override { return machine_.Wlan(); }
    SettingsStore& Settings() override { return settings_; }
    Clock& SystemClock() override { return clock_; }
    void NoteEvent(const std::string& what) override { machine_.Journal().Record(what, ""); }

private:
    NativeClock clock_;
    NativeSettingsStore settings_;
    SimMachine machine_;
};

}  // namespace

std::unique_ptr<PlatformServices> CreateNativePlatform() {
    return std::make_unique<NativePlatform>();
}

std::unique_ptr<PlatformServices> CreateSimulatedPlatform(const LaunchOptions& options, std::wstring& error) {
    const std::wstring scenarioName =
        options.scenarioPath.empty() ? L"(built-in scenario)"
                                     : std::wstring(options.scenarioPath.begin(), options.scenarioPath.end());
    const ScenarioResult parsed = options.scenarioPath.empty() ? ParseScenario(DefaultScenarioText())
                                                               : LoadScenarioFile(PathOf(options.scenarioPath));
    if (!parsed.scenario) {
        error = L"The simulation scenario " + scenarioName + L" cannot be used:";
        for (const ScenarioError& problem : parsed.errors) error += L"\n" + Widen(problem.ToString());
        return nullptr;
    }
    auto platform = std::make_unique<SimulatedPlatform>(*parsed.scenario);
    if (!options.journalPath.empty() && !platform->WriteJournalTo(options.journalPath)) {
        error = L"The simulation journal cannot be written to " +
                std::wstring(options.journalPath.begin(), options.journalPath.end()) + L".";
        return nullptr;
    }
    return platform;
}

}  // namespace aerowisp
