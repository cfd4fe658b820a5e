// The access permissions the program hands to CoInitializeSecurity: only SYSTEM, the Administrators and
// the interactive user may call in, and only locally.
#include <windows.h>

#include <gtest/gtest.h>

#include <objbase.h>

#include <vector>

#include "native/com_access_permissions.h"

namespace aerowisp {
namespace {

bool IsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE type) {
    return ::IsWellKnownSid(sid, type) != FALSE;
}

TEST(ComAccessPermissions, AdmitsOnlySystemAdministratorsAndTheInteractiveUserLocally) {
    ComAccessPermissions permissions;
    PSECURITY_DESCRIPTOR descriptor = permissions.Get();
    ASSERT_NE(descriptor, nullptr);
    ASSERT_TRUE(::IsValidSecurityDescriptor(descriptor));

    PSID owner = nullptr;
    PSID group = nullptr;
    BOOL defaulted = FALSE;
    ASSERT_TRUE(::GetSecurityDescriptorOwner(descriptor, &owner, &defaulted));
    ASSERT_TRUE(::GetSecurityDescriptorGroup(descriptor, &group, &defaulted));
    EXPECT_TRUE(IsWellKnown(owner, WinBuiltinAdministratorsSid));
    EXPECT_TRUE(IsWellKnown(group, WinBuiltinAdministratorsSid));

    BOOL present = FALSE;
    PACL dacl = nullptr;
    ASSERT_TRUE(::GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted));
    ASSERT_TRUE(present);
    ASSERT_NE(dacl, nullptr) << "a null DACL would admit everyone";
    const WELL_KNOWN_SID_TYPE expected[] = {WinLocalSystemSid, WinBuiltinAdministratorsSid,
                                            WinInteractiveSid};
    ASSERT_EQ(dacl->AceCount, std::size(expected));
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        SCOPED_TRACE(i);
        void* ace = nullptr;
        ASSERT_TRUE(::GetAce(dacl, i, &ace));
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        EXPECT_EQ(allowed->Mask, static_cast<DWORD>(COM_RIGHTS_EXECUTE | COM_RIGHTS_EXECUTE_LOCAL));
        EXPECT_TRUE(IsWellKnown(const_cast<DWORD*>(&allowed->SidStart), expected[i]));
    }
}

}  // namespace
}  // namespace aerowisp
