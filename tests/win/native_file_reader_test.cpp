// The real machine's file reader: another program may move a file aside while it is being read, as the
// DHCP server does with a lease file it cannot use.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "fw/wide_text.h"
#include "native/native_file_reader.h"

namespace aerowisp {
namespace {

void WriteFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::string ReadAll(ReadableFile& file) {
    std::string text;
    char chunk[4];
    while (size_t count = file.Read(chunk))
        text.append(chunk, count);
    return text;
}

TEST(NativeFileReader, AFileBeingReadCanBeMovedAside) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(0u, ::GetTempPathW(MAX_PATH, temp));
    const std::wstring path =
        std::wstring(temp) + L"aerowisp-reader-" + std::to_wstring(::GetCurrentProcessId());
    const std::wstring aside = path + L".bad";
    WriteFile(path, "old lease\r\n");

    NativeFileReader files;
    auto reading = files.Open(fw::FromWide(path));
    ASSERT_NE(reading, nullptr);
    EXPECT_TRUE(::MoveFileExW(path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING))
        << "error " << ::GetLastError();
    EXPECT_EQ(ReadAll(*reading), "old lease\r\n") << "what was opened reads on";
    reading.reset();
    EXPECT_EQ(files.Open(fw::FromWide(path)), nullptr);
    ::DeleteFileW(aside.c_str());
}

}  // namespace
}  // namespace aerowisp
