// Who may call into the program's COM objects: the access permissions handed to CoInitializeSecurity.
#pragma once

#include <windows.h>

#include <vector>

namespace aerowisp {

// An absolute security descriptor whose DACL lets only SYSTEM, the Administrators group and the
// interactive user call in (COM_RIGHTS_EXECUTE, local calls only); owner and group are the
// Administrators group, as CoInitializeSecurity requires both. Null from Get() when it could not be built.
class ComAccessPermissions {
  public:
    ComAccessPermissions();
    ComAccessPermissions(const ComAccessPermissions&) = delete;
    ComAccessPermissions& operator=(const ComAccessPermissions&) = delete;

    PSECURITY_DESCRIPTOR Get() { return built_ ? &descriptor_ : nullptr; }

  private:
    SECURITY_DESCRIPTOR descriptor_{};
    std::vector<BYTE> administrators_;
    std::vector<BYTE> dacl_;
    bool built_ = false;
};

}  // namespace aerowisp
