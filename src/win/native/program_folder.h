// The path and folder of the running executable, where the program's own files lie.
#pragma once

#include <string>

namespace aerowisp {

// The executable's full path (GetModuleFileNameW, 520-character buffer). Empty when it cannot be read or
// does not fit, as a path cut to fit the buffer would name another file.
std::wstring ProgramPath();

// The executable's full path cut after its last backslash, which stays. Empty when the path cannot be
// read or holds no backslash.
std::u16string ProgramFolder();

}  // namespace aerowisp
