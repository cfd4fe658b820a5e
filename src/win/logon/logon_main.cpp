// AerowispLogon.exe, started by the logon task with the user's full rights: leaves the start-hidden marker
// beside the program, so the program begins in the notification area, and starts it.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/app/startup.h"
#include "fw/handle.h"
#include "fw/wide_text.h"
#include "native/native_settings_store.h"
#include "native/program_folder.h"

namespace {

constexpr wchar_t kProgramFile[] = L"Aerowisp.exe";
constexpr int kExitNotStarted = 1;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::u16string folder = aerowisp::ProgramFolder();
    if (folder.empty())
        return kExitNotStarted;
    // Without the marker the program still starts, only with its window shown.
    aerowisp::NativeSettingsStore settings;
    aerowisp::RequestStartHidden(settings, folder);

    const std::wstring program = fw::ToWide(folder) + kProgramFile;
    const std::wstring directory = fw::ToWide(folder);
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof(start);
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    start.lpVerb = L"open";
    start.lpFile = program.c_str();
    start.lpDirectory = directory.c_str();
    start.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&start))
        return kExitNotStarted;
    const fw::KernelHandle process(start.hProcess);
    return 0;
}
