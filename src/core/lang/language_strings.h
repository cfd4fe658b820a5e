// The language file's string keys, each with the English text its place of use shows when the file has
// no text for it. A key used in two places with different English texts has one entry per place.
#pragma once

#include <array>
#include <string_view>

namespace aerowisp {

struct LanguageString {
    std::u16string_view key;
    std::u16string_view englishDefault;
};

// Tooltips of the main window's buttons. Their English texts are also the string resources 113, 103,
// 109, 107, 108, 110, 111, 114 and 105, which the buttons load themselves when the file has no text.
inline constexpr LanguageString kLinkStatusTip{u"String1", u"Link Status"};
inline constexpr LanguageString kAssociationListTip{u"String2", u"Association List"};
inline constexpr LanguageString kAboutTip{u"String3", u"About"};
inline constexpr LanguageString kRadioOffTip{u"String4", u"Radio Off"};
inline constexpr LanguageString kRadioOnTip{u"String5", u"Radio On"};
inline constexpr LanguageString kToApStaModeTip{u"String6", u"To AP+STA Mode"};
inline constexpr LanguageString kToStaModeTip{u"String7", u"To STA Mode"};
inline constexpr LanguageString kConfigTip{u"String8", u"Config"};
inline constexpr LanguageString kIcsTip{u"String9", u"ICS(Internet Connection Sharing)"};

// The address the About page's web button opens.
inline constexpr LanguageString kMakerWebAddress{u"String10", u"https://aerowisp.example/"};

// Messages of the AP configuration page, the Extended AP Settings dialog and the start-up check.
inline constexpr LanguageString kInvalidSsidMessage{u"String20", u"Invalid SSID"};
inline constexpr LanguageString kInvalidKeyMessage{
    u"String21",
    u"Invalid WPA Pre-Shared key. WPA-PSK used field should use 8-63 ASCII characters or 64 Hex characters"};
inline constexpr LanguageString kUnsupportedSystemMessage{u"String23",
                                                          u"Sorry! We do not support this operation system!"};
inline constexpr LanguageString kKeyMismatchMessage{u"String25", u"Confirm network key does not match"};

// Messages and texts of the setup wizard.
inline constexpr LanguageString kWizardInvalidNameMessage{u"String20", u"Invalid network name length"};
inline constexpr LanguageString kWizardKeyRuleMessage{
    u"String24", u"The WPA key can be entered as 8 to 63 characters or 64 hexadecimal characters."};
inline constexpr LanguageString kWizardKeyMismatchMessage{
    u"String25",
    u"The network keys you typed do not match Please reenter the network key in the confirmation text box."};
inline constexpr LanguageString kWizardNameRequiredMessage{
    u"String26", u"This configuration requires a network name. Please enter the SSID of the network."};
inline constexpr LanguageString kWizardNameLengthMessage{u"String27", u"Invalid network name length"};
inline constexpr LanguageString kWizardSelectConnectionMessage{u"String28",
                                                               u"Please select a internet connection"};
inline constexpr LanguageString kWizardNoConnectionMessage{
    u"String29", u"There is no any internet connection for sharing"};
inline constexpr LanguageString kWizardJoinHint{u"String58",
                                                u"Please use windows automatic wireless network "
                                                u"configuration \r\nto connect an existing wireless network "
                                                u"or change the wireless \r\nnetwork connection settings."};

// Items of the tray menus.
inline constexpr LanguageString kTrayMenuLaunch{u"String40", u"Launch config utility"};
inline constexpr LanguageString kTrayMenuToStationMode{u"String41", u"Switch to station mode"};
inline constexpr LanguageString kTrayMenuWizard{u"String42", u"Wizard"};
inline constexpr LanguageString kTrayMenuAbout{u"String43", u"About"};
inline constexpr LanguageString kTrayMenuExit{u"String44", u"Exit"};
inline constexpr LanguageString kTrayMenuToApStaMode{u"String45", u"Switch to AP STA mode"};

// Column headings of the association list, the ICS page and the wizard's connection page.
inline constexpr LanguageString kAidColumn{u"String50", u"AID"};
inline constexpr LanguageString kMacAddressColumn{u"String51", u"MAC address"};
inline constexpr LanguageString kTypeColumn{u"String52", u"Type"};
inline constexpr LanguageString kDeviceNameColumn{u"String53", u"Device Name"};
inline constexpr LanguageString kNetworkNameColumn{u"String54", u"Network Name"};

// The tray icon's tip.
inline constexpr LanguageString kNoCardTrayTip{u"String55", u"Wireless LAN Card Not Exit"};
inline constexpr LanguageString kRadioOffTrayTip{u"String4", u"Radio off"};
inline constexpr LanguageString kDisconnectedTrayTip{u"String56", u"Status : Disconnected "};
inline constexpr LanguageString kConnectedStatusLine{u"String57", u"Status : Connected"};

// Messages of the radio button.
inline constexpr LanguageString kRadioOffFailedMessage{
    u"String150", u"The wireless card's radio could not be switched off."};
inline constexpr LanguageString kRadioOnFailedMessage{u"String151",
                                                      u"The wireless card's radio could not be switched on."};
inline constexpr LanguageString kHardwareRadioOffMessage{
    u"String152",
    u"The wireless card's radio switch is off. Turn the switch on, then switch the radio on again."};

// Every place of use above; the 37 keys the program looks up, three of them twice.
inline constexpr std::array kLanguageStrings{
    kLinkStatusTip,
    kAssociationListTip,
    kAboutTip,
    kRadioOffTip,
    kRadioOnTip,
    kToApStaModeTip,
    kToStaModeTip,
    kConfigTip,
    kIcsTip,
    kMakerWebAddress,
    kInvalidSsidMessage,
    kInvalidKeyMessage,
    kUnsupportedSystemMessage,
    kKeyMismatchMessage,
    kWizardInvalidNameMessage,
    kWizardKeyRuleMessage,
    kWizardKeyMismatchMessage,
    kWizardNameRequiredMessage,
    kWizardNameLengthMessage,
    kWizardSelectConnectionMessage,
    kWizardNoConnectionMessage,
    kWizardJoinHint,
    kTrayMenuLaunch,
    kTrayMenuToStationMode,
    kTrayMenuWizard,
    kTrayMenuAbout,
    kTrayMenuExit,
    kTrayMenuToApStaMode,
    kAidColumn,
    kMacAddressColumn,
    kTypeColumn,
    kDeviceNameColumn,
    kNetworkNameColumn,
    kNoCardTrayTip,
    kRadioOffTrayTip,
    kDisconnectedTrayTip,
    kConnectedStatusLine,
    kRadioOffFailedMessage,
    kRadioOnFailedMessage,
    kHardwareRadioOffMessage,
};

// A text as it goes on screen: the language file's texts keep their line end, which a control, menu
// item or tooltip would show as stray characters. Only trailing CR and LF characters go.
constexpr std::u16string_view WithoutLineEnd(std::u16string_view text) {
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n'))
        text.remove_suffix(1);
    return text;
}

}  // namespace aerowisp
