// The Native Wifi client calls that work everywhere, Wine included: handles and the interface list.
#include <gtest/gtest.h>

#include "native/native_wlan_service.h"

namespace aerowisp {
namespace {

TEST(NativeWlanClientTest, HandleListsInterfacesUntilClosed) {
    NativeWlanService service;
    WlanHandle handle = 0;
    ASSERT_EQ(kWlanSuccess, service.OpenHandle(kWlanClientVersion, handle));
    ASSERT_NE(0u, handle);

    WlanInterfaceList list;
    EXPECT_EQ(kWlanSuccess, service.EnumInterfaces(handle, list));
    for (const WlanInterfaceInfo& info : list.interfaces)
        EXPECT_FALSE(info.description.empty());

    EXPECT_EQ(kWlanSuccess, service.CloseHandle(handle));
    EXPECT_NE(kWlanSuccess, service.EnumInterfaces(handle, list));
    EXPECT_NE(kWlanSuccess, service.CloseHandle(handle));
}

}  // namespace
}  // namespace aerowisp
