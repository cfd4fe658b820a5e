// The sharing manager's COM adapter against a sharing manager implemented here (Wine has none): what it
// reads and passes on, the enumeration's item types, NULL strings, failing calls, and that every
// reference it takes and every VARIANT it receives is released.
#include <windows.h>
#include <netcon.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "native/native_sharing_manager.h"

namespace aerowisp {
namespace {

// IUnknown with a reference count the test reads, for an interface derived from IUnknown or IDispatch.
template <typename Interface>
class Fake : public Interface {
  public:
    virtual ~Fake() = default;
    ULONG References() const { return references_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = nullptr;
        if (iid == IID_IUnknown || iid == Iid()) {
            *object = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

  protected:
    virtual REFIID Iid() const = 0;

  private:
    ULONG references_ = 1;  // the test's own
};

template <typename Interface>
class FakeDispatch : public Fake<Interface> {
  public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
};

class FakeConnection final : public Fake<INetConnection> {
  public:
    HRESULT STDMETHODCALLTYPE Connect() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Disconnect() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Delete() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Duplicate(LPCWSTR, INetConnection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetProperties(NETCON_PROPERTIES**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUiObjectClassId(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Rename(LPCWSTR) override { return E_NOTIMPL; }

  protected:
    REFIID Iid() const override { return IID_INetConnection; }
};

// Something in the enumeration that is not a connection.
class FakeOther final : public Fake<IUnknown> {
  protected:
    REFIID Iid() const override { return IID_IUnknown; }
};

class FakeProps final : public FakeDispatch<INetConnectionProps> {
  public:
    const wchar_t* name = nullptr;  // null: a NULL BSTR
    HRESULT STDMETHODCALLTYPE get_Guid(BSTR* text) override {
        return Give(L"{8D2E6A10-4C3B-4F9E-A57D-0B1C2D3E4F50}", text);
    }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* text) override { return Give(name, text); }
    HRESULT STDMETHODCALLTYPE get_DeviceName(BSTR*) override { return E_FAIL; }
    HRESULT STDMETHODCALLTYPE get_Status(NETCON_STATUS* status) override {
        *status = NCS_CONNECTED;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_MediaType(NETCON_MEDIATYPE* type) override {
        *type = NCM_PPPOE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Characteristics(DWORD* flags) override {
        *flags = NCCF_SHARED;
        return S_OK;
    }

  protected:
    REFIID Iid() const override { return IID_INetConnectionProps; }

  private:
    static HRESULT Give(const wchar_t* text, BSTR* out) {
        *out = text == nullptr ? nullptr : ::SysAllocString(text);
        return S_OK;
    }
};

class FakeConfiguration final : public FakeDispatch<INetSharingConfiguration> {
  public:
    std::vector<std::string> calls;
    HRESULT STDMETHODCALLTYPE get_SharingEnabled(VARIANT_BOOL* enabled) override {
        *enabled = VARIANT_TRUE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_SharingConnectionType(SHARINGCONNECTIONTYPE* type) override {
        *type = ICSSHARINGTYPE_PRIVATE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DisableSharing() override {
        calls.push_back("DisableSharing");
        return E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE EnableSharing(SHARINGCONNECTIONTYPE type) override {
        calls.push_back("EnableSharing " + std::to_string(type));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_InternetFirewallEnabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DisableInternetFirewall() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnableInternetFirewall() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_EnumPortMappings(SHARINGCONNECTION_ENUM_FLAGS,
                                                   INetSharingPortMappingCollection**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE AddPortMapping(BSTR, UCHAR, USHORT, USHORT, DWORD, BSTR, ICS_TARGETTYPE,
                                             INetSharingPortMapping**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemovePortMapping(INetSharingPortMapping*) override { return E_NOTIMPL; }

  protected:
    REFIID Iid() const override { return IID_INetSharingConfiguration; }
};

// Hands out each item as a VARIANT holding a new reference, the way a collection's enumerator does.
class FakeEnumerator final : public Fake<IEnumVARIANT> {
  public:
    std::vector<VARIANT> items;
    HRESULT STDMETHODCALLTYPE Next(ULONG, VARIANT* item, ULONG*) override {
        if (next_ == items.size())
            return S_FALSE;
        ::VariantInit(item);
        ::VariantCopy(item, &items[next_++]);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reset() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT**) override { return E_NOTIMPL; }

  protected:
    REFIID Iid() const override { return IID_IEnumVARIANT; }

  private:
    size_t next_ = 0;
};

class FakeCollection final : public FakeDispatch<INetSharingEveryConnectionCollection> {
  public:
    explicit FakeCollection(FakeEnumerator& enumerator) : enumerator_(enumerator) {}
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) override {
        enumerator_.AddRef();
        *enumerator = &enumerator_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Count(LONG*) override { return E_NOTIMPL; }

  protected:
    REFIID Iid() const override { return IID_INetSharingEveryConnectionCollection; }

  private:
    FakeEnumerator& enumerator_;
};

class FakeManager final : public FakeDispatch<INetSharingManager> {
  public:
    FakeManager(FakeCollection& collection, FakeProps& props, FakeConfiguration& configuration)
        : collection_(collection), props_(props), configuration_(configuration) {}
    bool enumerationFails = false;

    HRESULT STDMETHODCALLTYPE get_SharingInstalled(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_EnumPublicConnections(SHARINGCONNECTION_ENUM_FLAGS,
                                                        INetSharingPublicConnectionCollection**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_EnumPrivateConnections(SHARINGCONNECTION_ENUM_FLAGS,
                                                         INetSharingPrivateConnectionCollection**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_INetSharingConfigurationForINetConnection(
        INetConnection*, INetSharingConfiguration** configuration) override {
        configuration_.AddRef();
        *configuration = &configuration_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    get_EnumEveryConnection(INetSharingEveryConnectionCollection** collection) override {
        if (enumerationFails)
            return E_ACCESSDENIED;
        collection_.AddRef();
        *collection = &collection_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_NetConnectionProps(INetConnection*, INetConnectionProps** props) override {
        props_.AddRef();
        *props = &props_;
        return S_OK;
    }

  protected:
    REFIID Iid() const override { return IID_INetSharingManager; }

  private:
    FakeCollection& collection_;
    FakeProps& props_;
    FakeConfiguration& configuration_;
};

VARIANT Holding(IUnknown* object) {
    VARIANT item;
    ::VariantInit(&item);
    item.vt = VT_UNKNOWN;
    item.punkVal = object;
    object->AddRef();
    return item;
}

TEST(NativeSharingManager, ReadsThroughTheInterfacesAndReleasesEverything) {
    FakeConnection connection;
    FakeOther other;
    FakeProps props;
    FakeConfiguration configuration;
    FakeEnumerator enumerator;
    VARIANT number;
    ::VariantInit(&number);
    number.vt = VT_I4;
    enumerator.items = {Holding(&connection), number, Holding(&other)};
    FakeCollection collection(enumerator);
    FakeManager manager(collection, props, configuration);
    {
        std::unique_ptr<NetSharingManager> wrapped = WrapSharingManager(&manager);
        auto connections = wrapped->EnumEveryConnection();
        ASSERT_TRUE(connections.has_value());
        ASSERT_EQ(connections->size(), 1u) << "only the VT_UNKNOWN item that is an INetConnection";

        std::optional<NetConnectionProps> read = connections->front()->Properties();
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->guid, u"{8D2E6A10-4C3B-4F9E-A57D-0B1C2D3E4F50}");
        EXPECT_EQ(read->name, u"") << "a NULL BSTR";
        EXPECT_EQ(read->deviceName, u"") << "a failing getter";
        EXPECT_EQ((std::vector<uint32_t>{read->status, read->mediaType, read->characteristics}),
                  (std::vector<uint32_t>{NCS_CONNECTED, NCM_PPPOE, NCCF_SHARED}));
        props.name = L"Broadband";
        EXPECT_EQ(connections->front()->Properties()->name, u"Broadband");

        auto sharing = connections->front()->SharingConfiguration();
        ASSERT_TRUE(sharing);
        EXPECT_EQ(sharing->SharingEnabled(), true);
        EXPECT_EQ(sharing->SharingConnectionType(), 1);
        EXPECT_EQ(sharing->EnableSharing(IcsSharingType::kPublic), kSOk);
        EXPECT_EQ(sharing->DisableSharing(), static_cast<HResult>(E_FAIL)) << "the HRESULT itself";
        EXPECT_EQ(configuration.calls, (std::vector<std::string>{"EnableSharing 0", "DisableSharing"}));

        manager.enumerationFails = true;
        EXPECT_FALSE(wrapped->EnumEveryConnection().has_value());
    }
    for (VARIANT& item : enumerator.items)
        ::VariantClear(&item);
    for (ULONG references :
         {manager.References(), collection.References(), enumerator.References(), connection.References(),
          other.References(), props.References(), configuration.References()}) {
        EXPECT_EQ(references, 1u) << "only the test's own reference is left";
    }
}

// Wine registers no sharing manager, as a machine without the ICS service would not.
TEST(NativeSharingManager, GivesNoManagerWhenTheClassIsNotRegistered) {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    NativeSharingManagerService service;
    service.InitializeSecurity();
    HResult result = kSOk;
    EXPECT_EQ(service.CreateSharingManager(result), nullptr);
    EXPECT_EQ(result, static_cast<HResult>(REGDB_E_CLASSNOTREG)) << "the HRESULT reaches the program";
    ::CoUninitialize();
}

}  // namespace
}  // namespace aerowisp
