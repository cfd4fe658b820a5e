// The server's Win32 shell: one thread waits on the window's messages, the socket and address changes; the
// replies leave from a second one.
#include "dhcp/win/dhcp_service.h"

#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <vector>

#include "dhcp/core/lease_file.h"

namespace aerowisp::dhcp {

namespace {

constexpr wchar_t kWindowClass[] = L"AerowispDhcpServer";
constexpr wchar_t kConfigFile[] = L"DhcpServer.ini";
constexpr wchar_t kLogFile[] = L"DhcpServer.log";
constexpr size_t kMaxFileBytes = 4 * 1024 * 1024;

std::wstring LeaseFilePath(const std::wstring& folder) {
    return folder + std::wstring(kLeaseFileName.begin(), kLeaseFileName.end());
}
// The lease file and the log follow changes within this time, however many come in between.
constexpr uint64_t kSaveDelayMs = 500;
constexpr int kSaveRetries = 3;
constexpr DWORD kSaveRetryMs = 10;
// While the address is missing it is looked for this often; while bound, checked this often.
constexpr uint64_t kWaitPollMs = 1000;
constexpr uint64_t kBoundPollMs = 5000;
// Room for bursts of a few hundred requests. Deeper, a sustained overload would fill it with requests
// whose clients have given up by the time they are answered, and the server would serve only those.
constexpr int kReceiveBufferBytes = 256 * 1024;
constexpr int kDatagramsPerRound = 64;

int64_t UnixSeconds() {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr uint64_t kTicksTo1970 = 116444736000000000ULL;
    return static_cast<int64_t>((ticks - kTicksTo1970) / 10000000ULL);
}

std::vector<Ipv4> HostDnsServers() {
    ULONG size = 0;
    std::vector<Ipv4> servers;
    if (::GetNetworkParams(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0)
        return servers;
    std::vector<uint8_t> buffer(size);
    auto* info = reinterpret_cast<FIXED_INFO*>(buffer.data());
    if (::GetNetworkParams(info, &size) != ERROR_SUCCESS)
        return servers;
    for (const IP_ADDR_STRING* entry = &info->DnsServerList; entry != nullptr; entry = entry->Next) {
        if (std::optional<Ipv4> address = ParseIpv4(entry->IpAddress.String))
            servers.push_back(*address);
    }
    return servers;
}

sockaddr_in SocketAddress(Ipv4 address, uint16_t port) {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_port = htons(port);
    socketAddress.sin_addr.s_addr = htonl(address);
    return socketAddress;
}

// An oversized datagram, or a port-unreachable report for an earlier reply, leaves more to receive;
// anything else (WSAEWOULDBLOCK above all) ends this round.
bool SkippableError(size_t& size) {
    const int error = ::WSAGetLastError();
    size = 0;
    return error == WSAEMSGSIZE || error == WSAECONNRESET;
}

}  // namespace

DhcpService::DhcpService(std::wstring folder)
    : m_folder(std::move(folder)),
      m_log(m_folder + kLogFile),
      m_addressEvent(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    m_log.Write("DhcpServer started");
    Config config;
    if (std::optional<std::string> text = ReadWholeFile(m_folder + kConfigFile, kMaxFileBytes)) {
        ConfigResult result = ParseConfig(*text);
        for (const std::string& problem : result.problems)
            m_log.Write(problem + "; the default is used");
        config = result.config;
    }
    std::vector<Ipv4> dns = ChooseDnsServers(config, HostDnsServers());
    std::string dnsText;
    for (Ipv4 server : dns)
        dnsText += ' ' + FormatIpv4(server);
    m_log.Write("pool " + FormatIpv4(config.poolFirst) + "-" + FormatIpv4(config.poolLast) + ", lease " +
                std::to_string(config.leaseSeconds) + " s, DNS" + dnsText);
    m_server = std::make_unique<Server>(config, std::move(dns), m_log);
    LoadLeases();
}

DhcpService::~DhcpService() {
    Unbind();
    if (m_addressWait != nullptr)
        ::CancelIPChangeNotify(&m_addressOverlapped);
    if (m_window != nullptr)
        ::DestroyWindow(m_window);
}

void DhcpService::LoadLeases() {
    const std::wstring path = LeaseFilePath(m_folder);
    std::optional<std::string> text = ReadWholeFile(path, kLeaseFileMaxBytes);
    if (!text) {
        if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ::MoveFileExW(path.c_str(), (path + L".bad").c_str(), MOVEFILE_REPLACE_EXISTING);
            m_log.Write("the lease file cannot be read; set aside as DhcpServer.leases.bad");
        }
        return;
    }
    LeaseFileContents contents = ParseLeaseFile(*text);
    const size_t dropped = m_server->leases().Restore(contents.records);
    m_log.Write(std::to_string(contents.records.size() - dropped) + " leases read back");
    if (contents.damagedLines > 0 || dropped > 0) {
        // The whole file is kept for a look; the usable records are written back at once.
        ::CopyFileW(path.c_str(), (path + L".bad").c_str(), FALSE);
        m_log.Write(std::to_string(contents.damagedLines) + " damaged and " + std::to_string(dropped) +
                    " unusable lease records; the file was copied to DhcpServer.leases.bad");
        SaveLeases();
    }
}

// Moving the new file over the old one fails while another program has that open (Aerowisp reads it for
// its station list, for a moment every few seconds): the move is tried again at once a few times, and
// after the usual delay when it still fails, so no change is lost.
void DhcpService::SaveLeases() {
    m_server->TakeChanged();
    m_lastSave = ::GetTickCount64();
    const std::string text = FormatLeaseFile(m_server->leases().Records());
    bool saved = ReplaceFile(LeaseFilePath(m_folder), text);
    for (int retry = 0; !saved && retry < kSaveRetries; ++retry) {
        ::Sleep(kSaveRetryMs);
        saved = ReplaceFile(LeaseFilePath(m_folder), text);
    }
    m_savePending = !saved;
    if (!saved)
        m_log.Write("the lease file cannot be written (error " + std::to_string(::GetLastError()) + ")");
    m_log.Flush();
}

bool DhcpService::CreateHiddenWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);
    m_window =
        ::CreateWindowExW(0, kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, windowClass.hInstance, this);
    return m_window != nullptr;
}

LRESULT CALLBACK DhcpService::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<DhcpService*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                ::DestroyWindow(window);
                return 0;
            }
            break;
        case WM_CLOSE:
            ::DestroyWindow(window);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The process may end as soon as this returns. No exception may leave a window procedure.
            if (wParam != 0 && self != nullptr) {
                try {
                    self->SaveLeases();
                } catch (...) {
                }
            }
            return 0;
        case WM_DESTROY:
            if (self != nullptr)
                self->m_window = nullptr;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool DhcpService::AddressPresent() const {
    ULONG size = 0;
    if (::GetIpAddrTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return false;
    std::vector<uint8_t> buffer(size);
    auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data());
    if (::GetIpAddrTable(table, &size, FALSE) != NO_ERROR)
        return false;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        if (ntohl(table->table[i].dwAddr) == kServerAddress)
            return true;
    }
    return false;
}

void DhcpService::Bind() {
    if (!AddressPresent()) {
        if (!m_waitingLogged)
            m_log.Write("waiting for the address " + FormatIpv4(kServerAddress));
        m_waitingLogged = true;
        return;
    }
    m_socket = ::WSASocketW(AF_INET, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0, 0);
    if (m_socket == INVALID_SOCKET)
        return;
    const BOOL on = TRUE;
    ::setsockopt(m_socket, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on);
    ::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&kReceiveBufferBytes),
                 sizeof kReceiveBufferBytes);
    const sockaddr_in local = SocketAddress(kServerAddress, kServerPort);
    if (::bind(m_socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        m_log.Write("cannot bind " + FormatIpv4(kServerAddress) + ":67 (error " +
                    std::to_string(::WSAGetLastError()) + "); trying again");
        Unbind();
        return;
    }
    // The destination address tells a renewal (unicast) from a rebinding client (broadcast).
    GUID recvMsgId = WSAID_WSARECVMSG;
    DWORD bytes = 0;
    m_recvMsg = nullptr;
    if (::setsockopt(m_socket, IPPROTO_IP, IP_PKTINFO, reinterpret_cast<const char*>(&on), sizeof on) == 0)
        ::WSAIoctl(m_socket, SIO_GET_EXTENSION_FUNCTION_POINTER, &recvMsgId, sizeof recvMsgId, &m_recvMsg,
                   sizeof m_recvMsg, &bytes, nullptr, nullptr);
    DWORD off = 0;
    ::WSAIoctl(m_socket, SIO_UDP_CONNRESET, &off, sizeof off, nullptr, 0, &bytes, nullptr, nullptr);
    // Auto-reset: the wait that sees it consumes it, with no call to reset it.
    m_socketEvent.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    ::WSAEventSelect(m_socket, m_socketEvent.Get(), FD_READ);
    m_waitingLogged = false;
    m_log.Write("serving on " + FormatIpv4(kServerAddress) + ":67");
    m_log.Flush();
}

void DhcpService::Unbind() {
    if (m_socket != INVALID_SOCKET) {
        m_sender.Flush();
        ::closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }
    m_socketEvent.Reset();
}

void DhcpService::WatchAddresses() {
    m_addressOverlapped = OVERLAPPED{};
    m_addressOverlapped.hEvent = m_addressEvent.Get();
    m_addressWait = nullptr;
    const DWORD result = ::NotifyAddrChange(&m_addressWait, &m_addressOverlapped);
    // Without change notifications the address is still polled.
    if (result != ERROR_IO_PENDING && result != NO_ERROR)
        m_addressWait = nullptr;
}

bool DhcpService::ReceiveOne(std::vector<uint8_t>& buffer, size_t& size, bool& broadcast) {
    WSABUF data{static_cast<ULONG>(buffer.size()), reinterpret_cast<char*>(buffer.data())};
    DWORD received = 0;
    broadcast = true;
    if (m_recvMsg != nullptr) {
        sockaddr_in from{};
        char control[WSA_CMSG_SPACE(sizeof(IN_PKTINFO))] = {};
        WSAMSG message{};
        message.name = reinterpret_cast<sockaddr*>(&from);
        message.namelen = sizeof from;
        message.lpBuffers = &data;
        message.dwBufferCount = 1;
        message.Control = WSABUF{sizeof control, control};
        if (m_recvMsg(m_socket, &message, &received, nullptr, nullptr) != 0)
            return SkippableError(size);
        for (WSACMSGHDR* header = WSA_CMSG_FIRSTHDR(&message); header != nullptr;
             header = WSA_CMSG_NXTHDR(&message, header)) {
            if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
                const auto* info = reinterpret_cast<const IN_PKTINFO*>(WSA_CMSG_DATA(header));
                broadcast = ntohl(info->ipi_addr.s_addr) != kServerAddress;
            }
        }
        // A truncated datagram is larger than any request served; it is skipped.
        if ((message.dwFlags & MSG_TRUNC) != 0)
            received = 0;
    } else {
        sockaddr_in from{};
        int fromLength = sizeof from;
        const int result = ::recvfrom(m_socket, data.buf, static_cast<int>(data.len), 0,
                                      reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (result < 0)
            return SkippableError(size);
        received = static_cast<DWORD>(result);
    }
    size = received;
    return true;
}

bool DhcpService::ServeOne() {
    size_t size = 0;
    bool broadcast = true;
    if (!ReceiveOne(m_buffer, size, broadcast))
        return false;
    if (ParseResult parsed = ParseMessage(std::span<const uint8_t>(m_buffer).first(size)); parsed.message) {
        if (std::optional<Reply> reply = m_server->Handle(*parsed.message, broadcast, UnixSeconds())) {
            m_sender.Send(m_socket, SocketAddress(reply->to, reply->port), BuildMessage(reply->message));
        }
    }
    if (m_server->TakeChanged())
        m_savePending = true;
    return true;
}

DWORD DhcpService::Timeout(uint64_t now) const {
    uint64_t wake = m_nextAddressCheck;
    if (m_savePending)
        wake = std::min(wake, m_lastSave + kSaveDelayMs);
    if (m_log.HasPending())
        wake = std::min(wake, m_lastLogFlush + kSaveDelayMs);
    return wake <= now ? 0 : static_cast<DWORD>(wake - now);
}

int DhcpService::Run() {
    WSADATA wsa{};
    if (::WSAStartup(MAKEWORD(2, 2), &wsa) != 0 || !CreateHiddenWindow()) {
        m_log.Write("cannot start (error " + std::to_string(::GetLastError()) + ")");
        return 1;
    }
    WatchAddresses();
    for (;;) {
        const uint64_t now = ::GetTickCount64();
        if (now >= m_nextAddressCheck) {
            if (m_socket == INVALID_SOCKET) {
                Bind();
            } else if (!AddressPresent()) {
                m_log.Write("the address " + FormatIpv4(kServerAddress) + " is gone");
                Unbind();
            }
            m_nextAddressCheck = now + (m_socket == INVALID_SOCKET ? kWaitPollMs : kBoundPollMs);
        }
        if (m_savePending && now >= m_lastSave + kSaveDelayMs)
            SaveLeases();
        if (m_log.HasPending() && now >= m_lastLogFlush + kSaveDelayMs) {
            m_log.Flush();
            m_lastLogFlush = now;
        }

        HANDLE handles[2];
        DWORD count = 0;
        if (m_socketEvent)
            handles[count++] = m_socketEvent.Get();
        handles[count++] = m_addressEvent.Get();
        const DWORD woken =
            ::MsgWaitForMultipleObjects(count, handles, FALSE, Timeout(::GetTickCount64()), QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 + count) {
            if (!DispatchMessages())
                return Close();
        } else if (woken < WAIT_OBJECT_0 + count && handles[woken - WAIT_OBJECT_0] == m_addressEvent.Get()) {
            m_nextAddressCheck = 0;
            WatchAddresses();
        } else if (woken < WAIT_OBJECT_0 + count || (woken == WAIT_TIMEOUT && m_socket != INVALID_SOCKET)) {
            // Everything queued is served in one wake-up, until a receive finds nothing: under Wine, where
            // each call is a round trip to the wineserver, a backlog then costs a receive and a send per
            // datagram and no wait. A wait that times out receives too, in case a notice went missing.
            int served = 0;
            while (served < kDatagramsPerRound && ServeOne())
                ++served;
            // A flood keeps the socket's event set, and it comes first: after a full round the window's
            // messages get their turn.
            if (served == kDatagramsPerRound && !DispatchMessages())
                return Close();
        }
    }
}

bool DhcpService::DispatchMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

int DhcpService::Close() {
    if (m_savePending || m_server->TakeChanged())
        SaveLeases();
    m_log.Write("DhcpServer closed");
    m_log.Flush();
    Unbind();
    ::WSACleanup();
    return 0;
}

}  // namespace aerowisp::dhcp
