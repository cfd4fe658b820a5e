// Entry point: picks the real or the simulated machine and hands over to the application object.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/hotlynx_app.h"
#include "app/platform_services.h"
#include "fw/module_resources.h"
#include "res/resource.h"

namespace {

constexpr int kExitBadLaunch = 2;

std::vector<std::u16string> ArgumentsAfterProgramName() {
    std::vector<std::u16string> arguments;
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (argv == nullptr)
        return arguments;
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = argv[i];
        arguments.emplace_back(argument.begin(), argument.end());
    }
    ::LocalFree(argv);
    return arguments;
}

int ReportLaunchError(const std::wstring& message) {
    ::MessageBoxW(nullptr, message.c_str(), fw::LoadResourceString(IDS_APP_TITLE).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
    return kExitBadLaunch;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const auto parsed = aerowisp::ParseLaunchOptions(ArgumentsAfterProgramName());
    if (!parsed.options)
        return ReportLaunchError(std::wstring(parsed.error.begin(), parsed.error.end()));

    std::unique_ptr<aerowisp::PlatformServices> platform;
    if (parsed.options->simulate) {
        std::wstring error;
        platform = aerowisp::CreateSimulatedPlatform(*parsed.options, error);
        if (!platform)
            return ReportLaunchError(error);
    } else {
        platform = aerowisp::CreateNativePlatform();
    }

    aerowisp::CHotlynxApp app(*platform);
    app.InitInstance();
    return app.ExitInstance();
}
