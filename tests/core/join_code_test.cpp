// The Wi-Fi join text: escaping, UTF-8, and when there is a network to join.
#include <gtest/gtest.h>

#include <string>

#include "core/hostednet/join_code.h"

namespace aerowisp {
namespace {

TEST(WifiJoinPayload, EscapesTheFormatsSpecialCharactersInUtf8) {
    struct Case {
        std::u16string ssid;
        std::u16string key;
        std::string payload;
    };
    const Case cases[] = {
        {u"DuvaDI", u"secret-key", "WIFI:T:WPA;S:DuvaDI;P:secret-key;;"},
        {u"a;b,c:d", u"\\\"quoted\"", "WIFI:T:WPA;S:a\\;b\\,c\\:d;P:\\\\\\\"quoted\\\";;"},
        {u";;", u"::::::::", "WIFI:T:WPA;S:\\;\\;;P:\\:\\:\\:\\:\\:\\:\\:\\:;;"},
        {u"Caf\u00e9 \u0100", u"pass word", "WIFI:T:WPA;S:Caf\xc3\xa9 \xc4\x80;P:pass word;;"},
        {u"\u4e2d\u6587", u"\U0001F511key-key",
         "WIFI:T:WPA;S:\xe4\xb8\xad\xe6\x96\x87;P:\xf0\x9f\x94\x91key-key;;"},
        // A lone surrogate cannot be written in UTF-8.
        {u"x", std::u16string(u"ab") + char16_t{0xD800} + u"cdefgh",
         "WIFI:T:WPA;S:x;P:ab\xef\xbf\xbd"
         "cdefgh;;"},
        {u"Hex", u"00112233445566778899AABBCCDDEEFF00112233445566778899aabbccddeeff",
         "WIFI:T:WPA;S:Hex;P:00112233445566778899AABBCCDDEEFF00112233445566778899aabbccddeeff;;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(WifiJoinPayload(c.ssid, c.key), c.payload);
    }
}

TEST(JoinCodeFor, NeedsBothTheDesiredNameAndKey) {
    struct Case {
        std::u16string ssid;
        std::u16string key;
        bool shown;
    };
    const Case cases[] = {{u"", u"", false},
                          {u"DuvaDI", u"", false},
                          {u"", u"secret-key", false},
                          {u"DuvaDI", u"secret-key", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        HostedNetworkSettings settings;
        settings.desiredSsid = c.ssid;
        settings.desiredKey = c.key;
        settings.appliedSsid = u"Applied";
        settings.appliedKey = u"applied-key";
        const std::optional<JoinCode> code = JoinCodeFor(settings);
        ASSERT_EQ(code.has_value(), c.shown);
        if (code) {
            EXPECT_EQ(code->payload, WifiJoinPayload(c.ssid, c.key));
        }
    }
}

}  // namespace
}  // namespace aerowisp
