// The device rules file: what is written reads back, and what is damaged is refused whole.
#include <gtest/gtest.h>

#include <string>

#include "dhcp/core/device_rules.h"

namespace aerowisp::dhcp {
namespace {

using Status = DeviceRulesRead::Status;

constexpr std::string_view kHeader = "# Aerowisp devices 1\r\n";

TEST(DeviceRulesTest, WrittenRulesReadBack) {
    const DeviceRules rules{{{.mac = {0x02, 0, 0, 0, 0, 0x61},
                              .name = "Li's phone \xE6\x89\x8B\xE6\x9C\xBA",
                              .reserved = MakeIpv4(192, 168, 139, 20)},
                             {.mac = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}, .blocked = true}}};
    const std::optional<std::string> text = FormatDeviceRules(rules);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("02:00:00:00:00:61 192.168.139.20 allowed =Li's phone"), std::string::npos);
    const DeviceRulesRead read = ReadDeviceRules(*text);
    EXPECT_EQ(read.status, Status::kRead) << read.problem;
    EXPECT_EQ(read.rules.devices, rules.devices);
    EXPECT_EQ(read.rules.ReservedFor(MakeIpv4(192, 168, 139, 20)), &read.rules.devices[0]);
    EXPECT_EQ(read.rules.Of(rules.devices[1].mac), &read.rules.devices[1]);
}

TEST(DeviceRulesTest, ReadsOrRefusesFiles) {
    const struct {
        std::string text;
        Status status;
        size_t devices;
    } cases[] = {
        {std::string(kHeader), Status::kRead, 0},
        {"\xEF\xBB\xBF# Aerowisp devices 1\n\n# a note\nAA-bb-CC-dd-EE-ff - blocked =\r\n", Status::kRead, 1},
        {"# Aerowisp devices 2\r\nanything", Status::kNewerVersion, 0},
        {"", Status::kDamaged, 0},
        {"# Aerowisp devices one\r\n", Status::kDamaged, 0},
        {"02:00:00:00:00:61 - allowed =x\r\n", Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00:61 - maybe =x", Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00 - allowed =x", Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00:61 192.168.139.1 allowed =", Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00:61 192.168.139.255 allowed =", Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00:61 - allowed =a\x01", Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00:61 - allowed =\xC0\xAF", Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00:61 - allowed =" + std::string(kMaxDeviceNameBytes + 1, 'n'),
         Status::kDamaged, 0},
        {std::string(kHeader) + "02:00:00:00:00:61 - allowed =\r\n02:00:00:00:00:61 - blocked =",
         Status::kDamaged, 0},
        {std::string(kHeader) +
             "02:00:00:00:00:61 192.168.139.9 allowed =\r\n02:00:00:00:00:62 192.168.139.9 allowed =",
         Status::kDamaged, 0},
    };
    for (const auto& [text, status, devices] : cases) {
        SCOPED_TRACE(text);
        const DeviceRulesRead read = ReadDeviceRules(text);
        EXPECT_EQ(read.status, status);
        EXPECT_EQ(read.rules.devices.size(), status == Status::kRead ? devices : 0);
        EXPECT_EQ(read.problem.empty(), status == Status::kRead) << read.problem;
    }
}

TEST(DeviceRulesTest, RefusesToWriteRulesThatWouldNotReadBack) {
    const DeviceRule bad[] = {{.name = "tab\there"}, {.reserved = MakeIpv4(192, 168, 139, 1)}};
    for (const DeviceRule& rule : bad)
        EXPECT_FALSE(FormatDeviceRules(DeviceRules{{rule}}));
}

}  // namespace
}  // namespace aerowisp::dhcp
