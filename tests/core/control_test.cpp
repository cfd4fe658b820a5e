// The command line's requests and replies, its arguments and output, and the requests carried out on the
// main window's model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/control_commands.h"
#include "core/control/control_protocol.h"
#include "core/control/ctl_arguments.h"
#include "core/control/ctl_output.h"
#include "core/qr/qr_png.h"
#include "support/model_harness.h"

namespace aerowisp {
namespace {

using control::Command;
using control::Outcome;
using control::Reply;

TEST(ControlRequest, OnlyTheExactTextOfACommandIsTaken) {
    const struct {
        std::string text;
        std::optional<Command> command;
    } cases[] = {
        {"aerowisp-control/1 status\n", Command::kStatus},
        {"aerowisp-control/1 radio off\n", Command::kRadioOff},
        {"aerowisp-control/1 exit\n", Command::kExit},
        {"", std::nullopt},
        {"aerowisp-control/1 status", std::nullopt},
        {"aerowisp-control/1 status\n\n", std::nullopt},
        {"aerowisp-control/1 STATUS\n", std::nullopt},
        {"aerowisp-control/2 status\n", std::nullopt},
        {"aerowisp-control/1 radio\n", std::nullopt},
        {"aerowisp-control/1 radio on \n", std::nullopt},
        {std::string("aerowisp-control/1 stop\0\n", 25), std::nullopt},
        {"aerowisp-control/1 start\n" + std::string(100, ' '), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(control::ParseRequest(c.text), c.command) << c.text;
}

TEST(ControlReply, ReadsBackWhatItWrites) {
    Reply reply;
    reply.outcome = Outcome::kFailed;
    reply.message = "line\\one\nline\ttwo\r";
    reply.Add("ssid", "Caf\xC3\xA9=;");
    reply.Add("key", "");
    reply.stations.push_back({"1", "8C-3A-E3-11-22-33", "authenticated", "192.168.139.2", "phone\tone"});
    EXPECT_EQ(control::ParseReply(control::ReplyText(reply)), reply);
}

TEST(ControlReply, RefusesAnythingItNeverWrites) {
    const char* cases[] = {
        "",
        "aerowisp-control/1 done\n",                                      // no message
        "aerowisp-control/1 done\nmessage=a\nmessage=b\n",                // two messages
        "aerowisp-control/1 done\nmode=ap\nmessage=a\n",                  // message not first
        "aerowisp-control/1 done\nmessage=a\\x\n",                        // unknown escape
        "aerowisp-control/1 done\nmessage=a\\\n",                         // stray backslash
        "aerowisp-control/1 done\nmessage=\nMode=ap\n",                   // name not lower case
        "aerowisp-control/1 done\nmessage=\nmode\n",                      // no value
        "aerowisp-control/1 done\nmessage=",                              // no line end
        "aerowisp-control/1 maybe\nmessage=\n",                           // unknown outcome
        "aerowisp-control/2 done\nmessage=\n",                            // another protocol
        "aerowisp-control/1 done\nmessage=\nstation=1\ta\tb\tc\n",        // four columns
        "aerowisp-control/1 done\nmessage=\nstation=1\ta\tb\tc\td\te\n",  // six columns
    };
    for (const char* text : cases)
        EXPECT_FALSE(control::ParseReply(text)) << text;
}

TEST(CtlArguments, TakesCommandsAndOptionsAndRefusesTheRest) {
    const struct {
        std::vector<std::u16string> words;
        std::optional<Command> command;
        bool json = false;
        bool showKey = false;
        std::u16string pngFile{};
    } taken[] = {
        {{u"status"}, Command::kStatus},
        {{u"--json", u"radio", u"off"}, Command::kRadioOff, true},
        {{u"radio", u"on", u"--json"}, Command::kRadioOn, true},
        {{u"start", u"--launch"}, Command::kStart},
        {{u"key", u"--show-key"}, Command::kKey, false, true},
        {{u"qr", u"C:\\join.png"}, Command::kQr, false, false, u"C:\\join.png"},
        {{u"qr", u"--show-key"}, Command::kQr, false, true},
        {{u"--help"}, std::nullopt},
    };
    for (const auto& c : taken) {
        const control::CtlArgumentsResult result = control::ParseCtlArguments(c.words);
        ASSERT_TRUE(result.arguments) << result.error;
        EXPECT_EQ(result.arguments->command, c.command);
        EXPECT_EQ(result.arguments->json, c.json);
        EXPECT_EQ(result.arguments->showKey, c.showKey);
        EXPECT_EQ(result.arguments->pngFile, c.pngFile);
    }
    const std::vector<std::u16string> refused[] = {
        {},
        {u"frobnicate"},
        {u"radio"},
        {u"radio", u"up"},
        {u"status", u"now"},
        {u"stop", u"--launch"},
        {u"qr"},
        {u"qr", u"a.png", u"b.png"},
        {u"--verbose", u"status"},
        {u"checkup"},
    };
    for (const std::vector<std::u16string>& words : refused)
        EXPECT_FALSE(control::ParseCtlArguments(words).arguments) << words.size();
}

TEST(CtlOutput, JsonHidesTheKeyUnlessAskedAndEscapesToAscii) {
    Reply reply;
    reply.message = "\"Caf\xC3\xA9\"";
    reply.Add("ssid", "\xF0\x9F\x93\xB6");
    reply.Add("key", "secret");
    EXPECT_EQ(control::ReplyAsJson(Command::kKey, reply, false),
              "{\"command\":\"key\",\"outcome\":\"done\",\"exit_code\":0,\"message\":\"\\\"Caf\\u00e9\\\"\","
              "\"ssid\":\"\\ud83d\\udcf6\"}\n");
    EXPECT_NE(control::ReplyAsJson(Command::kKey, reply, true).find("\"key\":\"secret\""), std::string::npos);
    EXPECT_EQ(control::ReplyAsText(reply, false).find("secret"), std::string::npos);
    const struct {
        control::ExitCode code;
        std::string outcome;
    } problems[] = {{control::ExitCode::kBadUsage, "\"bad-usage\""},
                    {control::ExitCode::kNotRunning, "\"not-running\""},
                    {control::ExitCode::kRefused, "\"failed\""}};
    for (const auto& p : problems)
        EXPECT_NE(control::ProblemAsJson(std::nullopt, p.code, "").find("\"outcome\":" + p.outcome),
                  std::string::npos);
}

TEST(QrPng, IsAOneBitGreyPictureOfWholeModules) {
    const std::optional<qr::QrCode> symbol =
        qr::EncodeUtf8("WIFI:T:WPA;S:a;P:b;;", qr::ErrorCorrection::kMedium);
    ASSERT_TRUE(symbol);
    const std::vector<uint8_t> png = qr::EncodePng(*symbol, 2);
    const uint32_t side = static_cast<uint32_t>((symbol->Size() + 2 * qr::kQuietZoneModules) * 2);
    const auto hi = static_cast<uint8_t>(side >> 8);
    const auto lo = static_cast<uint8_t>(side);
    const std::vector<uint8_t> header = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0,  0,  13, 'I',
                                         'H',  'D', 'R', 0,   0,    hi,   lo,   0,    0, hi, lo, 1,  0};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), png.begin()));
    // IEND and its well-known CRC close the file.
    const std::vector<uint8_t> end = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    EXPECT_TRUE(std::equal(end.begin(), end.end(), png.end() - 12));
}

struct ControlHarness : test::ModelHarness {
    ControlHarness() {
        SetIni(u"DuvaDI", u"secret-key");
        State().cardPresent = true;
    }
    Reply Run(Command command) { return RunControlCommand(model, capture, command); }
    ControlCapture capture;
};

TEST(RunControlCommand, StartAndStopRunTheTrayCommandsOrSayWhyNot) {
    {
        ControlHarness h;
        const Reply reply = h.Run(Command::kStart);
        EXPECT_EQ(reply.outcome, Outcome::kDone);
        EXPECT_EQ(reply.Field("mode"), "ap");
        EXPECT_EQ(h.Count("WlanHostedNetworkStartUsing"), 1u);
        EXPECT_FALSE(h.capture.active);
        EXPECT_EQ(h.Run(Command::kStart).message, "The access point is already on.");
        EXPECT_EQ(h.Run(Command::kStop).outcome, Outcome::kDone);
        EXPECT_FALSE(h.Hosted().apMode);
        EXPECT_EQ(h.Count("WlanHostedNetworkForceStop"), 1u);
    }
    const struct {
        bool cardPresent;
        bool radioOn;
        std::string message;
    } refused[] = {
        {false, true, "No wireless LAN card is present."},
        {true, false, "The radio is off. Switch it on first."},
    };
    for (const auto& c : refused) {
        ControlHarness h;
        h.State().cardPresent = c.cardPresent;
        h.State().radioOn = c.radioOn;
        const Reply reply = h.Run(Command::kStart);
        EXPECT_EQ(reply.outcome, Outcome::kRefused);
        EXPECT_EQ(reply.message, c.message);
        EXPECT_EQ(h.Count("WlanHostedNetworkStartUsing"), 0u);
    }
}

TEST(RunControlCommand, ExitIsTheExitOfTheMenuShownNow) {
    ControlHarness h;
    h.Run(Command::kStart);
    h.Log().Clear();
    EXPECT_EQ(h.Run(Command::kExit).outcome, Outcome::kDone);
    EXPECT_EQ(h.Count("Tray.PostCloseToMainWindow"), 1u);
}

}  // namespace
}  // namespace aerowisp
