# Turns a text file into a C++ source defining aerowisp::DefaultScenarioText().
file(READ "${INPUT}" text)
set(delimiter "AW_SCENARIO")  # C++ allows at most 16 characters here
file(WRITE "${OUTPUT}" "// Generated from res/sim/default.ini; do not edit.\n#include <string_view>\n\nnamespace aerowisp {\n\nstd::string_view DefaultScenarioText() {\n    return R\"${delimiter}(${text})${delimiter}\";\n}\n\n}  // namespace aerowisp\n")
