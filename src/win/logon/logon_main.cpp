// AerowispLogon.exe, started by the logon task with the user's highest rights: starts the program with its
// start-hidden switch, so it begins in the notification area. The switch rather than the marker file
// beside the program: a user without full rights cannot write into the program's folder.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/app/launch_options.h"
#include "base/handle.h"
#include "fw/wide_text.h"
#include "native/program_folder.h"
#include "native/system_libraries.h"

namespace {

constexpr wchar_t kProgramFile[] = L"Aerowisp.exe";
constexpr int kExitNotStarted = 1;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    aerowisp::RestrictDllSearchToSystem();
    const std::u16string folder = aerowisp::ProgramFolder();
    if (folder.empty())
        return kExitNotStarted;

    const std::wstring parameters = fw::ToWide(aerowisp::kStartHiddenSwitch);
    const std::wstring program = fw::ToWide(folder) + kProgramFile;
    const std::wstring directory = fw::ToWide(folder);
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof(start);
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    start.lpVerb = L"open";
    start.lpFile = program.c_str();
    start.lpParameters = parameters.c_str();
    start.lpDirectory = directory.c_str();
    start.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&start))
        return kExitNotStarted;
    const base::KernelHandle process(start.hProcess);
    return 0;
}
