// ComAccessPermissions over the security functions of advapi32.
#include "native/com_access_permissions.h"

#include <objbase.h>

#include <array>

namespace aerowisp {
namespace {

constexpr DWORD kLocalCallsOnly = COM_RIGHTS_EXECUTE | COM_RIGHTS_EXECUTE_LOCAL;

constexpr std::array<WELL_KNOWN_SID_TYPE, 3> kAllowedCallers{WinLocalSystemSid, WinBuiltinAdministratorsSid,
                                                             WinInteractiveSid};

std::vector<BYTE> WellKnownSid(WELL_KNOWN_SID_TYPE type) {
    std::vector<BYTE> sid(SECURITY_MAX_SID_SIZE);
    DWORD size = static_cast<DWORD>(sid.size());
    if (!::CreateWellKnownSid(type, nullptr, sid.data(), &size))
        return {};
    sid.resize(size);
    return sid;
}

}  // namespace

ComAccessPermissions::ComAccessPermissions() {
    std::array<std::vector<BYTE>, kAllowedCallers.size()> callers;
    DWORD aclSize = sizeof(ACL);
    for (size_t i = 0; i < callers.size(); ++i) {
        callers[i] = WellKnownSid(kAllowedCallers[i]);
        if (callers[i].empty())
            return;
        aclSize += static_cast<DWORD>(sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + callers[i].size());
    }
    administrators_ = callers[1];
    dacl_.resize(aclSize);
    auto* acl = reinterpret_cast<PACL>(dacl_.data());
    if (!::InitializeAcl(acl, aclSize, ACL_REVISION))
        return;
    for (std::vector<BYTE>& caller : callers) {
        if (!::AddAccessAllowedAce(acl, ACL_REVISION, kLocalCallsOnly, caller.data()))
            return;
    }
    built_ = ::InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
             ::SetSecurityDescriptorOwner(&descriptor_, administrators_.data(), FALSE) &&
             ::SetSecurityDescriptorGroup(&descriptor_, administrators_.data(), FALSE) &&
             ::SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) &&
             ::IsValidSecurityDescriptor(&descriptor_);
}

}  // namespace aerowisp
