// Assembles the simulated machine from a scenario.
#include "sim/sim_machine.h"

namespace aerowisp {

SimMachine::SimMachine(const aerowisp::Scenario& scenario) : SimMachine(scenario, nullptr) {}

SimMachine::SimMachine(const aerowisp::Scenario& scenario, aerowisp::Clock& clock)
    : SimMachine(scenario, &clock) {}

SimMachine::SimMachine(const aerowisp::Scenario& scenario, aerowisp::Clock* clock)
    : scenario_(scenario),
      ownClock_(clock == nullptr ? std::make_unique<SimClock>(scenario.machine.startTick, &journal_)
                                 : nullptr),
      clock_(clock == nullptr ? *ownClock_ : *clock),
      wlan_(scenario_, clock_, journal_, failures_),
      settings_(journal_, failures_) {
    Preload();
}

void SimMachine::Preload() {
    for (const ScenarioRegistryKey& key : scenario_.registry) {
        settings_.CreateKey(key.path);
        for (const auto& [name, value] : key.values)
            settings_.SetValue(key.path, name, value);
        if (key.readOnly)
            settings_.SetKeyReadOnly(key.path);
    }
    for (const ScenarioIniFile& ini : scenario_.iniFiles) {
        const std::u16string path = IniFilePath(scenario_.machine, ini);
        for (const auto& [key, value] : ini.entries)
            settings_.SetProfileString(path, ini.section, key, value);
    }
    // Failures come last, so that nothing above uses them up.
    for (const ScenarioFailure& failure : scenario_.failures) {
        if (failure.times) {
            failures_.FailNext(failure.operation, failure.error, *failure.times);
        } else {
            failures_.FailAlways(failure.operation, failure.error);
        }
    }
}

}  // namespace aerowisp
