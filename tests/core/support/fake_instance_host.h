// The application object's side of the start-up decision, for native tests: set up by the test, and
// recording each call in order.
#pragma once

#include <string>
#include <vector>

#include "core/platform/instance_host.h"
#include "core/text/utf16_text.h"

namespace aerowisp::test {

class FakeInstanceHost final : public InstanceHost {
  public:
    MutexCreation CreateInstanceMutex(std::u16string_view name) override {
        calls.push_back("CreateMutexW " + Utf16ToUtf8(name));
        return mutex;
    }
    void CloseInstanceMutex() override { calls.push_back("CloseHandle mutex"); }
    bool OpenCompanionEvent(std::u16string_view name) override {
        calls.push_back("OpenEventW " + Utf16ToUtf8(name));
        return companionRunning;
    }
    void CloseCompanionEvent() override { calls.push_back("CloseHandle event"); }
    std::u16string LoadStringResource(uint32_t id) override {
        calls.push_back("LoadStringW " + std::to_string(id));
        return id == titleStringId ? title : std::u16string();
    }
    void CoUninitialize() override { calls.push_back("CoUninitialize"); }
    void RunMainWindow() override { calls.push_back("RunMainWindow"); }

    MutexCreation mutex = MutexCreation::kCreated;
    bool companionRunning = false;
    uint32_t titleStringId = 102;
    std::u16string title = u"Aerowisp";
    std::vector<std::string> calls;
};

}  // namespace aerowisp::test
