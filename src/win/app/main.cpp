// Entry point: picks the real or the simulated machine and hands over to the application object.
#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/hotlynx_app.h"
#include "app/platform_services.h"
#include "app/user_message.h"
#include "base/handle.h"
#include "fw/wide_text.h"
#include "native/system_libraries.h"

namespace {

constexpr int kExitBadLaunch = 2;

std::vector<std::u16string> ArgumentsAfterProgramName() {
    std::vector<std::u16string> arguments;
    int count = 0;
    const base::LocalMemory<LPWSTR> argv(::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!argv)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(fw::FromWide(argv.Get()[i]));
    return arguments;
}

int ReportLaunchError(const std::wstring& message) {
    aerowisp::ShowUserMessage(nullptr, message);
    return kExitBadLaunch;
}

int Run() {
    const auto parsed = aerowisp::ParseLaunchOptions(ArgumentsAfterProgramName());
    if (!parsed.options)
        return ReportLaunchError(fw::ToWide(parsed.error));

    std::unique_ptr<aerowisp::PlatformServices> platform;
    if (parsed.options->simulate) {
        std::wstring error;
        platform = aerowisp::CreateSimulatedPlatform(*parsed.options, error);
        if (!platform)
            return ReportLaunchError(error);
    } else {
        platform = aerowisp::CreateNativePlatform();
    }

    aerowisp::CHotlynxApp app(*platform, parsed.options->startHidden);
    app.InitInstance();
    return app.ExitInstance();
}

}  // namespace

// Nothing is thrown on purpose; should anything be (a scenario or journal path the file functions
// refuse, memory running out), the user is told rather than left with a silent end.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything is loaded by name: the program may run from a folder anyone can write to.
    aerowisp::RestrictDllSearchToSystem();
    try {
        return Run();
    } catch (const std::exception& problem) {
        return ReportLaunchError(L"Aerowisp cannot go on:\n" + fw::WideFromUtf8(problem.what()));
    } catch (...) {
        return ReportLaunchError(L"Aerowisp cannot go on.");
    }
}
