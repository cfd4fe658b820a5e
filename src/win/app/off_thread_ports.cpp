// The sharing manager's objects, each wrapped so that its calls and its release run on the worker.
#include "app/off_thread_ports.h"

#include <optional>
#include <utility>
#include <vector>

namespace aerowisp {
namespace {

// Owns an object of the worker's apartment and releases it there.
template <typename Inner>
class OnWorker {
  public:
    OnWorker(std::unique_ptr<Inner> inner, fw::BlockingCallRunner& runner)
        : inner_(std::move(inner)), runner_(runner) {}
    ~OnWorker() {
        runner_.Run([this] { inner_.reset(); });
    }
    OnWorker(const OnWorker&) = delete;
    OnWorker& operator=(const OnWorker&) = delete;

    // Runs `call` with the object on the worker.
    template <typename Call>
    auto operator()(Call&& call) {
        return runner_.Run([&] { return call(*inner_); });
    }
    fw::BlockingCallRunner& Runner() { return runner_; }

  private:
    std::unique_ptr<Inner> inner_;
    fw::BlockingCallRunner& runner_;
};

class OffThreadConfiguration final : public NetSharingConfiguration {
  public:
    OffThreadConfiguration(std::unique_ptr<NetSharingConfiguration> inner, fw::BlockingCallRunner& runner)
        : inner_(std::move(inner), runner) {}

    std::optional<bool> SharingEnabled() override {
        return inner_([](NetSharingConfiguration& c) { return c.SharingEnabled(); });
    }
    std::optional<int32_t> SharingConnectionType() override {
        return inner_([](NetSharingConfiguration& c) { return c.SharingConnectionType(); });
    }
    HResult EnableSharing(IcsSharingType type) override {
        return inner_([type](NetSharingConfiguration& c) { return c.EnableSharing(type); });
    }
    HResult DisableSharing() override {
        return inner_([](NetSharingConfiguration& c) { return c.DisableSharing(); });
    }

  private:
    OnWorker<NetSharingConfiguration> inner_;
};

class OffThreadConnection final : public NetConnection {
  public:
    OffThreadConnection(std::unique_ptr<NetConnection> inner, fw::BlockingCallRunner& runner)
        : inner_(std::move(inner), runner) {}

    std::optional<NetConnectionProps> Properties() override {
        return inner_([](NetConnection& c) { return c.Properties(); });
    }
    std::unique_ptr<NetSharingConfiguration> SharingConfiguration() override {
        std::unique_ptr<NetSharingConfiguration> made =
            inner_([](NetConnection& c) { return c.SharingConfiguration(); });
        if (!made)
            return nullptr;
        return std::make_unique<OffThreadConfiguration>(std::move(made), inner_.Runner());
    }

  private:
    OnWorker<NetConnection> inner_;
};

class OffThreadManager final : public NetSharingManager {
  public:
    OffThreadManager(std::unique_ptr<NetSharingManager> inner, fw::BlockingCallRunner& runner)
        : inner_(std::move(inner), runner) {}

    std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumEveryConnection() override {
        return Wrapped(inner_([](NetSharingManager& m) { return m.EnumEveryConnection(); }));
    }
    std::optional<std::vector<std::unique_ptr<NetConnection>>> EnumSharedConnections(
        IcsSharingType type) override {
        return Wrapped(inner_([type](NetSharingManager& m) { return m.EnumSharedConnections(type); }));
    }

  private:
    std::optional<std::vector<std::unique_ptr<NetConnection>>> Wrapped(
        std::optional<std::vector<std::unique_ptr<NetConnection>>> found) {
        if (!found)
            return std::nullopt;
        std::vector<std::unique_ptr<NetConnection>> wrapped;
        wrapped.reserve(found->size());
        for (std::unique_ptr<NetConnection>& connection : *found) {
            // Each is handed to its wrapper at once, so none is released off the worker.
            wrapped.push_back(std::make_unique<OffThreadConnection>(std::move(connection), inner_.Runner()));
        }
        return wrapped;
    }

    OnWorker<NetSharingManager> inner_;
};

}  // namespace

void OffThreadSharingManager::InitializeSecurity() {
    runner_.Run([this] { inner_.InitializeSecurity(); });
}

std::unique_ptr<NetSharingManager> OffThreadSharingManager::CreateSharingManager(HResult& result) {
    std::unique_ptr<NetSharingManager> made =
        runner_.Run([this, &result] { return inner_.CreateSharingManager(result); });
    if (!made)
        return nullptr;
    return std::make_unique<OffThreadManager>(std::move(made), runner_);
}

}  // namespace aerowisp
