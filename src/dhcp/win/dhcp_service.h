// DhcpServer.exe's main thread: the hidden "Tftpd32" window, the socket on 192.168.139.1:67, the wait for
// that address, and the lease file written shortly after each change; the replies leave from a thread of
// their own.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <mswsock.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dhcp/core/server.h"
#include "dhcp/win/files.h"
#include "dhcp/win/reply_sender.h"
#include "fw/handle.h"

namespace aerowisp::dhcp {

class DhcpService {
  public:
    // The title by which the main program finds and closes the server.
    static constexpr wchar_t kWindowTitle[] = L"Tftpd32";

    explicit DhcpService(std::wstring folder);
    ~DhcpService();
    DhcpService(const DhcpService&) = delete;
    DhcpService& operator=(const DhcpService&) = delete;

    // Serves until the window is closed or the session ends; the leases are saved before it returns.
    int Run();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateHiddenWindow();
    void LoadLeases();
    void SaveLeases();
    bool AddressPresent() const;
    void Bind();
    void Unbind();
    void WatchAddresses();
    // Serves one datagram; false when none was waiting.
    bool ServeOne();
    bool DispatchMessages();
    int Close();
    bool ReceiveOne(std::vector<uint8_t>& buffer, size_t& size, bool& broadcast);
    DWORD Timeout(uint64_t now) const;

    std::wstring m_folder;
    RotatingLog m_log;
    std::unique_ptr<Server> m_server;
    HWND m_window = nullptr;
    SOCKET m_socket = INVALID_SOCKET;
    ReplySender m_sender;
    std::vector<uint8_t> m_buffer = std::vector<uint8_t>(kMaxMessageBytes + 1);
    LPFN_WSARECVMSG m_recvMsg = nullptr;
    fw::KernelHandle m_socketEvent;
    fw::KernelHandle m_addressEvent;
    OVERLAPPED m_addressOverlapped{};
    HANDLE m_addressWait = nullptr;
    uint64_t m_nextAddressCheck = 0;
    uint64_t m_lastSave = 0;
    uint64_t m_lastLogFlush = 0;
    bool m_savePending = false;
    bool m_waitingLogged = false;
    int m_lastBindError = 0;
};

}  // namespace aerowisp::dhcp
