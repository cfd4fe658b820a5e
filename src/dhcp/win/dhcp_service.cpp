// The server's Win32 shell: one thread waits on the window's messages, the socket and address changes; the
// replies leave from a second one.
#include "dhcp/win/dhcp_service.h"

#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <string_view>
#include <vector>

#include "dhcp/core/device_rules.h"
#include "dhcp/core/lease_file.h"
#include "dhcp/core/text.h"

namespace aerowisp::dhcp {

namespace {

constexpr wchar_t kWindowClass[] = L"AerowispDhcpServer";
constexpr wchar_t kConfigFile[] = L"DhcpServer.ini";
constexpr wchar_t kLogFile[] = L"DhcpServer.log";
constexpr std::string_view kSetAsideSuffix = ".bad";
constexpr size_t kMaxConfigBytes = 64 * 1024;

std::wstring LeaseFilePath(const std::wstring& folder) {
    return folder + std::wstring(kLeaseFileName.begin(), kLeaseFileName.end());
}

// Moves (or copies) a file that cannot be used to its name with ".bad" added, replacing an earlier one;
// 0, or the system's error.
DWORD KeepAside(const std::wstring& path, bool move) {
    const std::wstring aside = path + std::wstring(kSetAsideSuffix.begin(), kSetAsideSuffix.end());
    const bool done = move ? ::MoveFileExW(path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING) != 0
                           : ::CopyFileW(path.c_str(), aside.c_str(), FALSE) != 0;
    return done ? 0 : ::GetLastError();
}

// The name a lease file that cannot be used is kept under, for the log.
std::string SetAsideFileName() {
    return std::string(kLeaseFileName.begin(), kLeaseFileName.end()) + std::string(kSetAsideSuffix);
}

// "192.168.139.1:67", for the log.
std::string ServerEndpointText() {
    return FormatIpv4(kServerAddress) + ':' + std::to_string(kServerPort);
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
// A lease file that cannot be read now is tried again this often; refused datagrams are summarised this
// often.
constexpr uint64_t kLeaseReadRetryMs = 1000;
constexpr uint64_t kRefusalSummaryMs = 10 * 1000;
// The device rules file's size and time are looked at this often: one attribute query when unchanged.
constexpr uint64_t kRulesCheckMs = 2000;

std::wstring DeviceRulesPath(const std::wstring& folder) {
    return folder + std::wstring(kDeviceRulesFileName.begin(), kDeviceRulesFileName.end());
}

std::string DeviceRulesName() {
    return std::string(kDeviceRulesFileName.begin(), kDeviceRulesFileName.end());
}

int64_t UnixSeconds() {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr uint64_t kTicksTo1970 = 116444736000000000ULL;
    return static_cast<int64_t>((ticks - kTicksTo1970) / 10000000ULL);
}

std::vector<Ipv4> HostDnsServers(const IpHelper& ipHelper) {
    ULONG size = 0;
    std::vector<Ipv4> servers;
    if (!ipHelper.Loaded() || ipHelper.GetNetworkParams(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0)
        return servers;
    std::vector<uint8_t> buffer(size);
    auto* info = reinterpret_cast<FIXED_INFO*>(buffer.data());
    if (ipHelper.GetNetworkParams(info, &size) != ERROR_SUCCESS)
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

std::string AddressList(const std::vector<Ipv4>& addresses) {
    std::string text;
    for (Ipv4 address : addresses)
        text += (text.empty() ? "" : " ") + FormatIpv4(address);
    return text;
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
    if (!m_ipHelper.Loaded())
        m_log.Write("iphlpapi.dll cannot be loaded from the system folder (" +
                    DescribeError(m_ipHelper.LoadError()) +
                    "); the address is found by binding to it, and the DNS servers are the server's");
    ReadConfig(m_config);
    std::vector<Ipv4> dns = ChooseDnsServers(m_config, HostDnsServers(m_ipHelper));
    m_log.Write("pool " + FormatIpv4(m_config.poolFirst) + "-" + FormatIpv4(m_config.poolLast) + ", lease " +
                std::to_string(m_config.leaseSeconds) + " s, DNS " + AddressList(dns));
    m_server = std::make_unique<Server>(m_config, std::move(dns), m_log);
    CheckDeviceRules();
    LoadLeases();
}

void DhcpService::ReadConfig(Config& config) {
    const FileRead file = ReadWholeFile(m_folder + kConfigFile, kMaxConfigBytes);
    switch (file.status) {
        case FileRead::Status::kMissing:
            return;
        case FileRead::Status::kTooLarge:
            m_log.Write("DhcpServer.ini is larger than " + std::to_string(kMaxConfigBytes / 1024) +
                        " KiB; it is ignored");
            return;
        case FileRead::Status::kUnreadable:
            m_log.Write("DhcpServer.ini cannot be read (" + DescribeError(file.error) + "); it is ignored");
            return;
        case FileRead::Status::kRead:
            break;
    }
    ConfigResult result = dhcp::ReadConfig(file.bytes);
    for (const std::string& problem : result.problems)
        m_log.Write(problem);
    config = result.config;
}

// The socket closes after the replies queued for it are sent (the members' order sees to it), and the
// window is unlinked from this object before it is destroyed, so its WM_DESTROY reaches no half-destroyed
// service. The handle NotifyAddrChange gave is the system's own and is not closed.
DhcpService::~DhcpService() {
    if (m_addressWait != nullptr)
        m_ipHelper.CancelIPChangeNotify(&m_addressOverlapped);
    if (m_window)
        ::SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, 0);
}

// A lease file that cannot be read now (another program holds it without sharing it) is never replaced:
// until it is read the server offers no address, since any of them may be a station's in that file, and
// it is tried again every second. A file that is damaged or too large is kept as DhcpServer.leases.bad
// before anything replaces it; when even that fails, it is treated as one that cannot be read now.
bool DhcpService::LoadLeases() {
    if (m_leasesRead)
        return true;
    const std::wstring path = LeaseFilePath(m_folder);
    const uint64_t now = ::GetTickCount64();
    m_nextLeaseRead = now + kLeaseReadRetryMs;
    const FileRead file = ReadWholeFile(path, kLeaseFileMaxBytes);
    bool usable = true;
    switch (file.status) {
        case FileRead::Status::kMissing:
            break;
        case FileRead::Status::kTooLarge:
            usable = SetAside(path, true,
                              "is larger than " + std::to_string(kLeaseFileMaxBytes / (1024 * 1024)) +
                                  " MiB; it is not read");
            break;
        case FileRead::Status::kUnreadable:
            if (m_leaseReadFailures.Failed(now))
                m_log.Write("the lease file cannot be read now (" + DescribeError(file.error) +
                            "); no address is offered and the file is not written until it is read; trying "
                            "again");
            usable = false;
            break;
        case FileRead::Status::kRead: {
            const LeaseFileContents contents = ParseLeaseFile(file.bytes);
            // The records join what this run has granted meanwhile, which wins over them.
            LeaseTable merged = m_server->leases();
            const size_t dropped = merged.Restore(contents.records);
            const bool refused = contents.damagedLines > 0 || dropped > 0;
            if (refused) {
                usable = SetAside(path, false,
                                  "has " + std::to_string(contents.damagedLines) + " damaged and " +
                                      std::to_string(dropped) + " unusable records; the rest are kept");
            }
            if (usable) {
                m_server->leases() = std::move(merged);
                m_log.Write(std::to_string(contents.records.size() - dropped) + " leases read back");
                m_savePending = m_savePending || refused;
            }
            break;
        }
    }
    m_leasesRead = usable;
    m_server->SetHoldingNewAddresses(!m_leasesRead);
    if (!m_leasesRead)
        return false;
    if (m_leaseReadFailures.Active())
        m_log.Write("the lease file is read; addresses are offered again");
    m_leaseReadFailures.End();
    if (m_savePending)
        SaveLeases();
    return true;
}

// A file that cannot be read now (an editor holds it) is tried again at the next look, with the rules in
// use kept meanwhile. One that is damaged, too large or of a later version leaves the server without rules;
// a damaged or too large one is moved aside as Aerowisp.devices.bad so that the next one written is read.
void DhcpService::CheckDeviceRules() {
    m_nextRulesCheck = ::GetTickCount64() + kRulesCheckMs;
    const std::wstring path = DeviceRulesPath(m_folder);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    std::optional<std::pair<uint64_t, uint64_t>> stamp;
    if (::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        stamp.emplace((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                      (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                          data.ftLastWriteTime.dwLowDateTime);
    }
    if (stamp == m_rulesStamp)
        return;
    m_rulesStamp = stamp;
    const FileRead file = stamp ? ReadWholeFile(path, kDeviceRulesMaxBytes) : FileRead{};
    std::string problem;
    switch (file.status) {
        case FileRead::Status::kMissing:
            if (!m_server->deviceRules().devices.empty())
                UseDeviceRules({}, DeviceRulesName() + " is gone");
            return;
        case FileRead::Status::kUnreadable:
            m_rulesStamp.reset();
            m_log.Write(DeviceRulesName() + " cannot be read now (" + DescribeError(file.error) +
                        "); the rules in use are kept; trying again");
            return;
        case FileRead::Status::kTooLarge:
            problem = "is larger than " + std::to_string(kDeviceRulesMaxBytes / 1024) + " KiB";
            break;
        case FileRead::Status::kRead: {
            DeviceRulesRead read = ReadDeviceRules(file.bytes);
            if (read.status == DeviceRulesRead::Status::kNewerVersion) {
                UseDeviceRules({}, DeviceRulesName() + " is left alone: " + read.problem);
                return;
            }
            if (read.status == DeviceRulesRead::Status::kRead) {
                for (const DeviceRule& rule : read.rules.devices) {
                    if (rule.reserved != 0 && m_server->leases().At(rule.reserved) == nullptr)
                        m_log.Write(HexText(rule.mac, ':') + "'s fixed address " + FormatIpv4(rule.reserved) +
                                    " is outside the pool; it is not given");
                }
                UseDeviceRules(std::move(read.rules), DeviceRulesName() + " read");
                return;
            }
            problem = "is damaged (" + read.problem + ")";
            break;
        }
    }
    const DWORD error = KeepAside(path, true);
    UseDeviceRules({}, DeviceRulesName() + " " + problem + "; " +
                           (error == 0 ? "it was moved to " + DeviceRulesName() + std::string(kSetAsideSuffix)
                                       : "it cannot be moved aside (" + DescribeError(error) + ")"));
}

void DhcpService::UseDeviceRules(DeviceRules rules, const std::string& why) {
    size_t fixed = 0;
    size_t blocked = 0;
    for (const DeviceRule& rule : rules.devices) {
        fixed += rule.reserved != 0 ? 1 : 0;
        blocked += rule.blocked ? 1 : 0;
    }
    m_log.Write(why + ": " + std::to_string(rules.devices.size()) + " stations with rules, " +
                std::to_string(fixed) + " fixed addresses, " + std::to_string(blocked) + " blocked");
    m_server->SetDeviceRules(std::move(rules));
}

bool DhcpService::SetAside(const std::wstring& path, bool move, const std::string& why) {
    const DWORD error = KeepAside(path, move);
    const bool done = error == 0;
    if (done) {
        m_log.Write(std::string("the lease file ") + why + "; it was " + (move ? "moved" : "copied") +
                    " to " + SetAsideFileName());
    } else if (m_leaseReadFailures.Failed(::GetTickCount64())) {
        m_log.Write(std::string("the lease file ") + why + ", but it cannot be " +
                    (move ? "moved" : "copied") + " to " + SetAsideFileName() + " (" + DescribeError(error) +
                    "); no address is offered and the file is not written until it is kept; trying again");
    }
    return done;
}

// Moving the new file over the old one fails while another program has that open (Aerowisp reads it for
// its station list, for a moment every few seconds): the move is tried again at once a few times, and
// after the usual delay when it still fails, so no change is lost. Nothing replaces a file not yet read.
void DhcpService::SaveLeases() {
    m_server->TakeChanged();
    m_lastSave = ::GetTickCount64();
    if (!m_leasesRead) {
        m_savePending = true;
        return;
    }
    const std::string text = FormatLeaseFile(m_server->leases().Records());
    bool saved = ReplaceFile(LeaseFilePath(m_folder), text);
    for (int retry = 0; !saved && retry < kSaveRetries; ++retry) {
        ::Sleep(kSaveRetryMs);
        saved = ReplaceFile(LeaseFilePath(m_folder), text);
    }
    const DWORD error = saved ? 0 : ::GetLastError();
    m_savePending = !saved;
    if (!saved && m_saveFailures.Failed(m_lastSave))
        m_log.Write("the lease file cannot be written (" + DescribeError(error) + "); trying again");
    if (saved && m_saveFailures.Active())
        m_log.Write("the lease file is written again");
    if (saved)
        m_saveFailures.End();
    m_log.Flush();
}

bool DhcpService::CreateHiddenWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);
    // The title comes from the contract in UTF-16, which is what wchar_t holds on Windows.
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    m_window.Reset(::CreateWindowExW(0, kWindowClass, reinterpret_cast<const wchar_t*>(kServerWindowTitle),
                                     WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, nullptr, nullptr, windowClass.hInstance, this));
    return static_cast<bool>(m_window);
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
                self->m_window.Detach();
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Without IP Helper the bind itself tells whether the address is there.
bool DhcpService::AddressPresent() const {
    if (!m_ipHelper.Loaded())
        return true;
    ULONG size = 0;
    if (m_ipHelper.GetIpAddrTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return false;
    std::vector<uint8_t> buffer(size);
    auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data());
    if (m_ipHelper.GetIpAddrTable(table, &size, FALSE) != NO_ERROR)
        return false;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        if (ntohl(table->table[i].dwAddr) == kServerAddress)
            return true;
    }
    return false;
}

bool DhcpService::Bind() {
    const auto waitForAddress = [this] {
        if (!m_waitingLogged)
            m_log.Write("waiting for the address " + FormatIpv4(kServerAddress));
        m_waitingLogged = true;
        m_bindFailures.End();
        return true;
    };
    if (!AddressPresent())
        return waitForAddress();
    m_socket.Reset(::WSASocketW(AF_INET, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0, 0));
    int error = m_socket ? 0 : ::WSAGetLastError();
    if (m_socket) {
        const BOOL on = TRUE;
        ::setsockopt(m_socket.Get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on);
        ::setsockopt(m_socket.Get(), SOL_SOCKET, SO_RCVBUF,
                     reinterpret_cast<const char*>(&kReceiveBufferBytes), sizeof kReceiveBufferBytes);
        const sockaddr_in local = SocketAddress(kServerAddress, kServerPort);
        if (::bind(m_socket.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
            error = ::WSAGetLastError();
    }
    if (error != 0) {
        Unbind();
        // The address went away between the look and the bind.
        if (error == WSAEADDRNOTAVAIL)
            return waitForAddress();
        const uint64_t now = ::GetTickCount64();
        const std::string what =
            "cannot bind " + ServerEndpointText() + " (" + DescribeError(static_cast<DWORD>(error)) + ")";
        if (m_bindFailures.Failed(now) || error != m_lastBindError)
            m_log.Write(what + "; trying again");
        m_lastBindError = error;
        if (m_bindFailures.LastedMs(now) >= kBindGiveUpMs) {
            m_log.Write(what + " for " + std::to_string(kBindGiveUpMs / 1000) +
                        " s: another program holds the port; DhcpServer ends (exit code " +
                        std::to_string(kExitPortTaken) + ")");
            return false;
        }
        return true;
    }
    const BOOL on = TRUE;
    // The destination address tells a renewal (unicast) from a rebinding client (broadcast).
    GUID recvMsgId = WSAID_WSARECVMSG;
    DWORD bytes = 0;
    m_recvMsg = nullptr;
    if (::setsockopt(m_socket.Get(), IPPROTO_IP, IP_PKTINFO, reinterpret_cast<const char*>(&on), sizeof on) ==
        0)
        ::WSAIoctl(m_socket.Get(), SIO_GET_EXTENSION_FUNCTION_POINTER, &recvMsgId, sizeof recvMsgId,
                   &m_recvMsg, sizeof m_recvMsg, &bytes, nullptr, nullptr);
    DWORD off = 0;
    ::WSAIoctl(m_socket.Get(), SIO_UDP_CONNRESET, &off, sizeof off, nullptr, 0, &bytes, nullptr, nullptr);
    // Auto-reset: the wait that sees it consumes it, with no call to reset it.
    m_socketEvent.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    ::WSAEventSelect(m_socket.Get(), m_socketEvent.Get(), FD_READ);
    m_waitingLogged = false;
    m_bindFailures.End();
    m_lastBindError = 0;
    m_log.Write("serving on " + ServerEndpointText());
    m_log.Flush();
    return true;
}

void DhcpService::Unbind() {
    if (m_socket) {
        m_sender.Flush();
        m_socket.Reset();
    }
    m_socketEvent.Reset();
}

void DhcpService::WatchAddresses() {
    m_addressOverlapped = OVERLAPPED{};
    m_addressOverlapped.hEvent = m_addressEvent.Get();
    m_addressWait = nullptr;
    if (!m_ipHelper.Loaded())
        return;
    const DWORD result = m_ipHelper.NotifyAddrChange(&m_addressWait, &m_addressOverlapped);
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
        // The control headers are read in place as WSACMSGHDR, so the buffer has that alignment.
        alignas(WSACMSGHDR) char control[WSA_CMSG_SPACE(sizeof(IN_PKTINFO))] = {};
        WSAMSG message{};
        message.name = reinterpret_cast<sockaddr*>(&from);
        message.namelen = sizeof from;
        message.lpBuffers = &data;
        message.dwBufferCount = 1;
        message.Control = WSABUF{sizeof control, control};
        if (m_recvMsg(m_socket.Get(), &message, &received, nullptr, nullptr) != 0)
            return SkippableError(size);
        for (WSACMSGHDR* header = WSA_CMSG_FIRSTHDR(&message); header != nullptr;
             header = WSA_CMSG_NXTHDR(&message, header)) {
            if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
                const auto* info = reinterpret_cast<const IN_PKTINFO*>(WSA_CMSG_DATA(header));
                broadcast = ntohl(info->ipi_addr.s_addr) != kServerAddress;
            }
        }
        // A truncated datagram fills the buffer, which is longer than any request: it is refused as such.
    } else {
        sockaddr_in from{};
        int fromLength = sizeof from;
        const int result = ::recvfrom(m_socket.Get(), data.buf, static_cast<int>(data.len), 0,
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
    if (size == 0)
        return true;
    if (ParseResult parsed = ParseMessage(std::span<const uint8_t>(m_buffer).first(size)); parsed.message) {
        if (std::optional<Reply> reply = m_server->Handle(*parsed.message, broadcast, UnixSeconds())) {
            m_sender.Send(m_socket.Get(), SocketAddress(reply->to, reply->port),
                          BuildMessage(reply->message));
        }
    } else {
        m_server->refusals().Count(ParseErrorText(parsed.error));
    }
    if (m_server->TakeChanged())
        m_savePending = true;
    return true;
}

DWORD DhcpService::Timeout(uint64_t now) const {
    uint64_t wake = std::min(m_nextAddressCheck, m_nextRulesCheck);
    if (m_savePending)
        wake = std::min(wake, m_lastSave + kSaveDelayMs);
    if (m_log.HasPending())
        wake = std::min(wake, m_lastLogFlush + kSaveDelayMs);
    if (!m_leasesRead)
        wake = std::min(wake, m_nextLeaseRead);
    if (!m_server->refusals().Empty())
        wake = std::min(wake, m_lastRefusalSummary + kRefusalSummaryMs);
    return wake <= now ? 0 : static_cast<DWORD>(wake - now);
}

int DhcpService::Run() {
    WSADATA wsa{};
    if (::WSAStartup(MAKEWORD(2, 2), &wsa) != 0 || !CreateHiddenWindow()) {
        m_log.Write("cannot start (" + DescribeError(::GetLastError()) + ")");
        m_log.Flush();
        return kExitCannotStart;
    }
    WatchAddresses();
    m_lastRefusalSummary = ::GetTickCount64();
    for (;;) {
        const uint64_t now = ::GetTickCount64();
        if (now >= m_nextAddressCheck) {
            if (!m_socket) {
                if (!Bind())
                    return Close(kExitPortTaken);
            } else if (!AddressPresent()) {
                m_log.Write("the address " + FormatIpv4(kServerAddress) + " is gone");
                Unbind();
            }
            // Also when no change notice comes (a DNS server changed by a renewal upstream).
            if (m_socket)
                RefreshDnsServers();
            m_nextAddressCheck = now + (m_socket ? kBoundPollMs : kWaitPollMs);
        }
        if (!m_leasesRead && now >= m_nextLeaseRead)
            LoadLeases();
        if (now >= m_nextRulesCheck)
            CheckDeviceRules();
        if (m_savePending && now >= m_lastSave + kSaveDelayMs)
            SaveLeases();
        if (now >= m_lastRefusalSummary + kRefusalSummaryMs) {
            LogRefusals();
            m_lastRefusalSummary = now;
        }
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
                return Close(kExitClosed);
        } else if (woken < WAIT_OBJECT_0 + count && handles[woken - WAIT_OBJECT_0] == m_addressEvent.Get()) {
            // The check that follows at once reads the DNS servers again too.
            m_nextAddressCheck = 0;
            WatchAddresses();
        } else if (woken < WAIT_OBJECT_0 + count || (woken == WAIT_TIMEOUT && m_socket)) {
            // Everything queued is served in one wake-up, until a receive finds nothing: under Wine, where
            // each call is a round trip to the wineserver, a backlog then costs a receive and a send per
            // datagram and no wait. A wait that times out receives too, in case a notice went missing.
            int served = 0;
            while (served < kDatagramsPerRound && ServeOne())
                ++served;
            // A flood keeps the socket's event set, and it comes first: after a full round the window's
            // messages get their turn.
            if (served == kDatagramsPerRound && !DispatchMessages())
                return Close(kExitClosed);
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

// A lease file still unread gets one more try; failing that it is left as it is, and the log says what
// is lost.
int DhcpService::Close(int exitCode) {
    LogRefusals();
    if (m_savePending || m_server->TakeChanged()) {
        if (LoadLeases())
            SaveLeases();
        else
            m_log.Write("the lease file was never read, so it is left as it is: " +
                        std::to_string(m_server->leases().Records().size()) +
                        " leases granted since the start are not saved");
    }
    m_log.Write("DhcpServer closed (exit code " + std::to_string(exitCode) + ")");
    m_log.Flush();
    Unbind();
    ::WSACleanup();
    return exitCode;
}

void DhcpService::LogRefusals() {
    for (const std::string& line : m_server->refusals().TakeSummary())
        m_log.Write(line);
}

// A connection that comes up later (dial-up, a cable plugged in) brings the host's DNS servers with it.
void DhcpService::RefreshDnsServers() {
    std::vector<Ipv4> dns = ChooseDnsServers(m_config, HostDnsServers(m_ipHelper));
    if (dns == m_server->dnsServers())
        return;
    m_log.Write("DNS servers now " + AddressList(dns));
    m_server->SetDnsServers(std::move(dns));
}

}  // namespace aerowisp::dhcp
