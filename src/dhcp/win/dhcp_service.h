// DhcpServer.exe's main thread: the hidden window the main program knows it by, the socket on the server's
// address and port, the wait for that address, and the lease file written shortly after each change; the
// replies leave from a thread of their own.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <mswsock.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dhcp/core/contract.h"
#include "dhcp/core/log_policy.h"
#include "dhcp/core/server.h"
#include "dhcp/win/files.h"
#include "dhcp/win/ip_helper.h"
#include "dhcp/win/reply_sender.h"
#include "base/handle.h"

namespace aerowisp::dhcp {

namespace detail {
inline void CloseSocket(SOCKET socket) {
    ::closesocket(socket);
}
}  // namespace detail

using Socket = base::OwnedHandle<SOCKET, detail::CloseSocket, INVALID_SOCKET>;

class DhcpService {
  public:
    // Exit codes: closed as asked; could not start at all; the server's port could not be bound for
    // kBindGiveUpMs on end (another DHCP server has it), which the main program tells the user.
    static constexpr int kExitClosed = 0;
    static constexpr int kExitCannotStart = 1;
    static constexpr int kExitPortTaken = static_cast<int>(dhcp::kExitPortTaken);
    static constexpr uint64_t kBindGiveUpMs = 30 * 1000;

    explicit DhcpService(std::wstring folder);
    ~DhcpService();
    DhcpService(const DhcpService&) = delete;
    DhcpService& operator=(const DhcpService&) = delete;

    // Serves until the window is closed or the session ends, or the port stays taken; the leases are saved
    // before it returns its exit code.
    int Run();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateHiddenWindow();
    void ReadConfig(Config& config);
    // Reads the lease file when it has not been read yet; false while it cannot be read now.
    bool LoadLeases();
    // Keeps `path` as PATH.bad; false, with the reason logged, when that failed.
    bool SetAside(const std::wstring& path, bool move, const std::string& why);
    void SaveLeases();
    // Reads the device rules file again when its size or time of writing changed; a damaged one is moved
    // aside and the server goes on without rules.
    void CheckDeviceRules();
    void UseDeviceRules(DeviceRules rules, const std::string& why);
    bool AddressPresent() const;
    void RefreshDnsServers();
    void LogRefusals();
    // Binds when the address is there; false once the port has stayed taken for kBindGiveUpMs.
    bool Bind();
    void Unbind();
    void WatchAddresses();
    // Serves one datagram; false when none was waiting.
    bool ServeOne();
    bool DispatchMessages();
    int Close(int exitCode);
    bool ReceiveOne(std::vector<uint8_t>& buffer, size_t& size, bool& broadcast);
    DWORD Timeout(uint64_t now) const;

    std::wstring m_folder;
    RotatingLog m_log;
    IpHelper m_ipHelper;
    Config m_config;
    std::unique_ptr<Server> m_server;
    base::OwnedWindow m_window;
    Socket m_socket;
    // Declared after the socket, so that what is queued is sent before the socket closes.
    ReplySender m_sender;
    std::vector<uint8_t> m_buffer = std::vector<uint8_t>(kMaxMessageBytes + 1);
    LPFN_WSARECVMSG m_recvMsg = nullptr;
    base::KernelHandle m_socketEvent;
    base::KernelHandle m_addressEvent;
    OVERLAPPED m_addressOverlapped{};
    HANDLE m_addressWait = nullptr;
    uint64_t m_nextAddressCheck = 0;
    uint64_t m_lastSave = 0;
    uint64_t m_lastLogFlush = 0;
    uint64_t m_lastRefusalSummary = 0;
    uint64_t m_nextLeaseRead = 0;
    uint64_t m_nextRulesCheck = 0;
    // What the device rules file looked like when last read: present, its size and its time of writing.
    std::optional<std::pair<uint64_t, uint64_t>> m_rulesStamp;
    bool m_savePending = false;
    bool m_waitingLogged = false;
    bool m_leasesRead = false;
    int m_lastBindError = 0;
    FailureStreak m_bindFailures;
    FailureStreak m_leaseReadFailures;
    FailureStreak m_saveFailures;
};

}  // namespace aerowisp::dhcp
