// Helpers shared by the tests of the simulated machine.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "sim/scenario.h"

namespace aerowisp::testing_support {

// The scenario of `text`; a parse error fails the calling test and gives an empty machine.
inline Scenario ParseOrFail(std::string_view text) {
    ScenarioResult result = ParseScenario(text);
    for (const ScenarioError& error : result.errors)
        ADD_FAILURE() << error.ToString();
    return result.scenario.value_or(Scenario{});
}

}  // namespace aerowisp::testing_support
