// DhcpServer.exe: hands out the hosted network's addresses; one copy per machine.
#include "dhcp/win/dhcp_service.h"
#include "dhcp/win/files.h"
#include "dhcp/win/ip_helper.h"
#include "base/handle.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    aerowisp::dhcp::KeepDllSearchToSystemFolder();
    // A machine-wide name: the server is started elevated, like the program that starts it.
    base::KernelHandle mutex(::CreateMutexW(nullptr, FALSE, L"Global\\AerowispDhcpServer"));
    if (!mutex || ::GetLastError() == ERROR_ALREADY_EXISTS)
        return aerowisp::dhcp::DhcpService::kExitClosed;
    try {
        aerowisp::dhcp::DhcpService service(aerowisp::dhcp::ExeFolder());
        return service.Run();
    } catch (...) {
        return aerowisp::dhcp::DhcpService::kExitCannotStart;
    }
}
