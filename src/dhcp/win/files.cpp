// Files beside DhcpServer.exe.
#include "dhcp/win/files.h"

#include <cstdio>
#include <iterator>

#include "dhcp/core/text.h"
#include "base/handle.h"

namespace aerowisp::dhcp {

namespace {

constexpr size_t kFlushAtBytes = 16 * 1024;

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t at = 0;
    while (at < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - at, 1 << 20));
        if (!::WriteFile(file, bytes.data() + at, chunk, &written, nullptr) || written == 0)
            return false;
        at += written;
    }
    return true;
}

}  // namespace

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring folder(path, length < std::size(path) ? length : 0);
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

FileRead ReadWholeFile(const std::wstring& path, size_t maxBytes) {
    // Sharing writing too: a program that has the file open for writing (an editor, a backup tool) and
    // shares it for reading does not keep it from being read.
    base::KernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    FileRead result;
    if (!file) {
        result.error = ::GetLastError();
        const bool missing = result.error == ERROR_FILE_NOT_FOUND || result.error == ERROR_PATH_NOT_FOUND;
        result.status = missing ? FileRead::Status::kMissing : FileRead::Status::kUnreadable;
        return result;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) {
        result.error = ::GetLastError();
        result.status = FileRead::Status::kUnreadable;
        return result;
    }
    if (static_cast<uint64_t>(size.QuadPart) > maxBytes) {
        result.status = FileRead::Status::kTooLarge;
        return result;
    }
    std::string& bytes = result.bytes;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t at = 0;
    while (at < bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &read,
                        nullptr)) {
            result.error = ::GetLastError();
            result.status = FileRead::Status::kUnreadable;
            bytes.clear();
            return result;
        }
        if (read == 0)
            break;
        at += read;
    }
    bytes.resize(at);
    result.status = FileRead::Status::kRead;
    return result;
}

// The system's text is asked for as UTF-16 and written as UTF-8, as the rest of the log is: an "ANSI" text
// would be in the system's code page, which a Chinese Windows makes a double-byte one.
std::string DescribeError(DWORD error) {
    wchar_t text[256] = {};
    DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK, nullptr,
        error, 0, text, static_cast<DWORD>(std::size(text)), nullptr);
    while (length > 0 && (text[length - 1] == L' ' || text[length - 1] == L'.'))
        --length;
    std::string described = "error " + std::to_string(error);
    const int bytes = length == 0 ? 0
                                  : ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr,
                                                          0, nullptr, nullptr);
    if (bytes > 0) {
        std::string message(static_cast<size_t>(bytes), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), message.data(), bytes, nullptr,
                              nullptr);
        described += ": " + message;
    }
    return described;
}

bool ReplaceFile(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".tmp";
    {
        base::KernelHandle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file || !WriteAll(file.Get(), bytes) || !::FlushFileBuffers(file.Get()))
            return false;
    }
    return ::MoveFileExW(temporary.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

RotatingLog::RotatingLog(std::wstring path) : m_path(std::move(path)) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (::GetFileAttributesExW(m_path.c_str(), GetFileExInfoStandard, &data))
        m_fileBytes = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

RotatingLog::~RotatingLog() {
    Flush();
}

void RotatingLog::Write(const std::string& line) {
    // The local time's text is made once a second: busy servers write thousands of lines a second.
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const uint64_t second =
        ((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000000ULL;
    if (second != m_stampSecond) {
        FILETIME local{};
        SYSTEMTIME time{};
        ::FileTimeToLocalFileTime(&now, &local);
        ::FileTimeToSystemTime(&local, &time);
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u ", time.wYear, time.wMonth,
                      time.wDay, time.wHour, time.wMinute, time.wSecond);
        m_stamp = stamp;
        m_stampSecond = second;
    }
    m_pending += m_stamp;
    m_pending += LogSafe(line);
    m_pending += "\r\n";
    if (m_pending.size() >= kFlushAtBytes)
        Flush();
}

void RotatingLog::Flush() {
    if (m_pending.empty())
        return;
    // A log that cannot be moved aside (another program holds it) grows on rather than lose lines; the
    // move is tried again at the next flush.
    if (m_fileBytes + m_pending.size() > kMaxBytes &&
        ::MoveFileExW(m_path.c_str(), (m_path + L".1").c_str(), MOVEFILE_REPLACE_EXISTING))
        m_fileBytes = 0;
    base::KernelHandle file(::CreateFileW(m_path.c_str(), FILE_APPEND_DATA,
                                          FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    // A log that cannot be written must not stop the server; the lines are dropped.
    if (file && WriteAll(file.Get(), m_pending))
        m_fileBytes += m_pending.size();
    m_pending.clear();
}

}  // namespace aerowisp::dhcp
