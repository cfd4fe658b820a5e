// The sharing manager of the real machine: the INetSharingManager COM objects of the ICS service.
#pragma once

#include <netcon.h>

#include <memory>

#include "core/platform/sharing_manager.h"

namespace aerowisp {

class NativeSharingManagerService final : public SharingManagerService {
  public:
    void InitializeSecurity() override;
    std::unique_ptr<NetSharingManager> CreateSharingManager(HResult& result) override;
};

// The port's view of a sharing manager object, taking one reference of its own; null for null.
std::unique_ptr<NetSharingManager> WrapSharingManager(INetSharingManager* manager);

}  // namespace aerowisp
