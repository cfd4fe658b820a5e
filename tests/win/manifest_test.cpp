// The shipped programs' manifests: each names its program with the version the program is built as.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/version.h"
#include "base/handle.h"

namespace aerowisp {
namespace {

void ReleaseModule(HMODULE module) {
    ::FreeLibrary(module);
}
using LoadedModule = base::OwnedHandle<HMODULE, ReleaseModule>;

// The manifest resource of the program at `program` (a Windows path) as text; empty when it has none.
std::string ManifestOf(const char* program) {
    const LoadedModule module(::LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    HRSRC resource =
        module ? ::FindResourceW(module.Get(), CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST) : nullptr;
    HGLOBAL data = resource != nullptr ? ::LoadResource(module.Get(), resource) : nullptr;
    if (data == nullptr)
        return {};
    return std::string(static_cast<const char*>(::LockResource(data)),
                       ::SizeofResource(module.Get(), resource));
}

TEST(ManifestTest, EachProgramNamesItselfWithTheBuiltVersion) {
    const struct {
        const char* program;
        const char* identity;
    } cases[] = {
        {"Z:" AEROWISP_EXE_PATH, "name=\"Aerowisp\" version=\"" AEROWISP_VERSION_TEXT "\""},
        {"Z:" AEROWISP_LOGON_EXE_PATH, "name=\"Aerowisp.Logon\" version=\"" AEROWISP_VERSION_TEXT "\""},
    };
    for (const auto& c : cases) {
        EXPECT_NE(ManifestOf(c.program).find(c.identity), std::string::npos) << c.program;
    }
}

}  // namespace
}  // namespace aerowisp
