// DhcpServer.exe on Windows: its manifest, version and imports, and its files beside a program that holds
// them open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "core/version.h"
#include "dhcp/win/files.h"
#include "base/handle.h"

namespace aerowisp::dhcp {
namespace {

void ReleaseModule(HMODULE module) {
    ::FreeLibrary(module);
}
using LoadedModule = base::OwnedHandle<HMODULE, ReleaseModule>;

std::string Resource(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC resource = ::FindResourceW(module, name, type);
    HGLOBAL data = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    if (data == nullptr)
        return {};
    return std::string(static_cast<const char*>(::LockResource(data)), ::SizeofResource(module, resource));
}

TEST(DhcpServerExeTest, DeclaresItselfAndImportsOnlyKnownDlls) {
    const LoadedModule image(
        ::LoadLibraryExA("Z:" DHCP_SERVER_EXE_PATH, nullptr, DONT_RESOLVE_DLL_REFERENCES));
    ASSERT_TRUE(image);
    const std::string manifest = Resource(image.Get(), CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    for (const char* part : {"name=\"Aerowisp.DhcpServer\" version=\"" AEROWISP_VERSION_TEXT "\"",
                             "level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    const std::string version = Resource(image.Get(), MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    const size_t fixedAt = version.find("\xBD\x04\xEF\xFE");
    ASSERT_NE(fixedAt, std::string::npos);
    VS_FIXEDFILEINFO fixed{};
    std::memcpy(&fixed, version.data() + fixedAt, sizeof fixed);
    EXPECT_EQ(fixed.dwFileVersionMS,
              static_cast<DWORD>(AEROWISP_VERSION_MAJOR << 16 | AEROWISP_VERSION_MINOR));
    EXPECT_EQ(fixed.dwFileVersionLS,
              static_cast<DWORD>(AEROWISP_VERSION_PATCH << 16 | AEROWISP_VERSION_BUILD));

    // A DLL outside the system's known DLLs, imported by name, could come from the program's folder.
    const auto* base = reinterpret_cast<const uint8_t*>(image.Get());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(imports.VirtualAddress, 0u);
    for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         entry->Name != 0; ++entry) {
        const std::string name = reinterpret_cast<const char*>(base + entry->Name);
        EXPECT_TRUE(_stricmp(name.c_str(), "kernel32.dll") == 0 ||
                    _stricmp(name.c_str(), "user32.dll") == 0 || _stricmp(name.c_str(), "ws2_32.dll") == 0 ||
                    _stricmp(name.c_str(), "msvcrt.dll") == 0)
            << name;
    }
    EXPECT_EQ(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].VirtualAddress, 0u);
}

class DhcpFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + L"dhcp_files_test.leases";
        Write(m_path, "old");
    }
    void TearDown() override { ::DeleteFileW(m_path.c_str()); }

    static void Write(const std::wstring& path, const std::string& bytes) {
        base::KernelHandle file(
            ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    // Another program's handle on the file: its access and what it shares.
    base::KernelHandle Hold(DWORD access, DWORD share) const {
        return base::KernelHandle(
            ::CreateFileW(m_path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr));
    }

    std::wstring m_path;
};

TEST_F(DhcpFilesTest, ReadsAFileOthersHoldWhenTheyShareReading) {
    const struct {
        const char* name;
        DWORD access;
        DWORD share;
        FileRead::Status status;
        DWORD error;
    } cases[] = {
        {"nobody holds it", 0, 0, FileRead::Status::kRead, 0},
        {"a writer sharing reading", GENERIC_WRITE, FILE_SHARE_READ, FileRead::Status::kRead, 0},
        {"a reader sharing reading", GENERIC_READ, FILE_SHARE_READ, FileRead::Status::kRead, 0},
        {"a writer sharing nothing", GENERIC_WRITE, 0, FileRead::Status::kUnreadable,
         ERROR_SHARING_VIOLATION},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const base::KernelHandle holder = c.access != 0 ? Hold(c.access, c.share) : base::KernelHandle();
        ASSERT_EQ(static_cast<bool>(holder), c.access != 0);
        const FileRead read = ReadWholeFile(m_path, 16);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.error, c.error);
        EXPECT_EQ(read.bytes, c.status == FileRead::Status::kRead ? "old" : "");
    }
    EXPECT_EQ(ReadWholeFile(m_path, 2).status, FileRead::Status::kTooLarge);
    EXPECT_EQ(ReadWholeFile(m_path + L".missing", 16).status, FileRead::Status::kMissing);
}

TEST_F(DhcpFilesTest, ReplacesAFileOnlyOnceNoOtherProgramKeepsItFromMoving) {
    {
        const base::KernelHandle holder = Hold(GENERIC_WRITE, FILE_SHARE_READ);
        ASSERT_TRUE(holder);
        EXPECT_FALSE(ReplaceFile(m_path, "new"));
        EXPECT_EQ(ReadWholeFile(m_path, 16).bytes, "old");
    }
    EXPECT_TRUE(ReplaceFile(m_path, "new"));
    EXPECT_EQ(ReadWholeFile(m_path, 16).bytes, "new");
    ::DeleteFileW((m_path + L".tmp").c_str());
}

}  // namespace
}  // namespace aerowisp::dhcp
