// The program's fixed numbers, each defined once: dialog templates, controls, strings, bitmaps and icons
// (plain #defines, read by the resource compiler too), and the timers, tray commands and messages the code
// alone uses.
#pragma once
// Strings: the system menu's About item, the title, and the English tooltips of the main window.
#define IDS_ABOUTBOX 101
#define IDS_APP_TITLE 102
#define IDS_ASSOC_LIST_TIP 103
#define IDS_ICS_TIP 105
#define IDS_RADIO_OFF_TIP 107
#define IDS_RADIO_ON_TIP 108
#define IDS_ABOUT_TIP 109
#define IDS_TO_APSTA_MODE 110
#define IDS_TO_STA_MODE 111
#define IDS_LINK_STATUS_TIP 113
#define IDS_CONFIG_TIP 114

// The About dialog: its version line and OK.
#define IDD_ABOUTBOX 100

// The main window: picture buttons, the mode picture and the placeholder the content pages cover.
#define IDD_AEROWISP_DIALOG 102
#define IDC_LINK_STATUS_BUTTON 1000
#define IDC_ASSOC_LIST_BUTTON 1001
#define IDC_ADVANCED_BUTTON 1002
#define IDC_ICS_BUTTON 1003
#define IDC_RADIO_BUTTON 1004
#define IDC_MODE_BUTTON 1005
#define IDC_STA_AP_BUTTON 1006
#define IDC_MODE_PICTURE 1007
#define IDC_PAGE_PLACEHOLDER 1008

// Controls the code never addresses.
#define IDC_STATIC (-1)

// The content pages (pages.rc).
#define IDD_LINK_STATUS_PAGE 180
#define IDD_AP_CONFIG_PAGE 181
#define IDD_ASSOC_TBL_PAGE 182
#define IDD_ICS_PAGE 185
#define IDD_ABOUT_PAGE 186

// The link status page.
#define IDC_LS_STATUS_LABEL 1023
#define IDC_LS_STATUS 1024
#define IDC_LS_SSID 1025
#define IDC_LS_CHANNEL 1026
#define IDC_LS_NETWORK_TYPE 1027
#define IDC_LS_AUTH 1028
#define IDC_LS_ENCRYPTION 1029
#define IDC_LS_SSID_LABEL 1030
#define IDC_LS_CHANNEL_LABEL 1031
#define IDC_LS_NETWORK_TYPE_LABEL 1032
#define IDC_LS_AUTH_LABEL 1033
#define IDC_LS_ENCRYPTION_LABEL 1034
#define IDC_LS_LINK_SPEED_LABEL 1035
#define IDC_LS_LINK_QUALITY_LABEL 1036
#define IDC_LS_SIGNAL_LABEL 1037
#define IDC_LS_TX_LABEL 1038
#define IDC_LS_TX_RATE 1039
#define IDC_LS_RX_RATE 1040
#define IDC_LS_RX_LABEL 1041
#define IDC_LS_LINK_QUALITY_BAR 1042
#define IDC_LS_SIGNAL_BAR 1043
#define IDC_LS_LINK_QUALITY 1044
#define IDC_LS_SIGNAL 1045
#define IDC_LS_BSSID 1046
#define IDC_LS_BSSID_LABEL 1047

// The AP configuration page; channel, key length, key format and key index are hidden.
#define IDC_AP_SSID_LABEL 1048
#define IDC_AP_SSID 1049
#define IDC_AP_CHANNEL_LABEL 1050
#define IDC_AP_CONFIRM 1053
#define IDC_AP_KEY 1054
#define IDC_AP_BSSID_LABEL 1055
#define IDC_AP_BSSID 1056
#define IDC_AP_AUTH_LABEL 1057
#define IDC_AP_ENCRYPTION_LABEL 1058
#define IDC_AP_KEY_LABEL 1059
#define IDC_AP_CONFIRM_LABEL 1060
#define IDC_AP_KEY_LENGTH_LABEL 1061
#define IDC_AP_APPLY 1062
#define IDC_AP_ENCRYPTION 1075
#define IDC_AP_CHANNEL 1093
#define IDC_AP_AUTH 1094
#define IDC_AP_KEY_LENGTH 1095
#define IDC_AP_ASCII 1096
#define IDC_AP_HEX 1097
#define IDC_AP_KEY_INDEX 1098
#define IDC_AP_KEY_INDEX_LABEL 1099

// The association list page.
#define IDC_ASSOC_LIST 1071

// The please-wait window shown while sharing is switched on or off.
#define IDD_MSG_DIALOG 200
#define IDC_MSG_TEXT 1132

// The ICS page.
#define IDC_ICS_TITLE 1126
#define IDC_ICS_PROMPT 1127
#define IDC_ICS_LIST 1128
#define IDC_ICS_PUBLIC_LABEL 1129
#define IDC_ICS_PUBLIC 1130
#define IDC_ICS_APPLY 1131

// The About page; the driver, EEPROM and firmware lines are hidden.
#define IDC_ABOUT_ICON 1009
#define IDC_ABOUT_WEB 1010
#define IDC_ABOUT_DRIVER_LABEL 1011
#define IDC_ABOUT_DRIVER 1012
#define IDC_ABOUT_DRIVER_DATE_LABEL 1013
#define IDC_ABOUT_DRIVER_DATE 1014
#define IDC_ABOUT_VERSION_LABEL 1015
#define IDC_ABOUT_VERSION 1016
#define IDC_ABOUT_DATE_LABEL 1017
#define IDC_ABOUT_DATE 1018
#define IDC_ABOUT_EEPROM_LABEL 1019
#define IDC_ABOUT_EEPROM 1020
#define IDC_ABOUT_FIRMWARE_LABEL 1021
#define IDC_ABOUT_FIRMWARE 1022
#define IDC_ABOUT_DEVICE_LABEL 1162
#define IDC_ABOUT_DEVICE 1163

// The setup wizard's pages: mode, summary, name, connection and key, in the order of their templates.
#define IDD_WIZARD_OP_MODE 201
#define IDD_WIZARD_FINISH 202
#define IDD_WIZARD_AP_SET 203
#define IDD_WIZARD_ICS 204
#define IDD_WIZARD_AP_SECURITY 208
#define IDC_WIZ_WELCOME 1133
#define IDC_WIZ_INTRO 1134
#define IDC_WIZ_CREATE 1135
#define IDC_WIZ_JOIN 1136
#define IDC_WIZ_SUMMARY 1137
#define IDC_WIZ_DONE_TITLE 1138
#define IDC_WIZ_DONE_TEXT 1139
#define IDC_WIZ_NAME_PROMPT 1140
#define IDC_WIZ_SSID 1141
#define IDC_WIZ_SSID_LABEL 1142
#define IDC_WIZ_KEY_LABEL 1143
#define IDC_WIZ_CONFIRM_LABEL 1144
#define IDC_WIZ_KEY 1145
#define IDC_WIZ_CONFIRM 1146
#define IDC_WIZ_CONNECTIONS 1147
#define IDC_WIZ_ICS_TITLE 1148
#define IDC_WIZ_ICS_PROMPT 1149
#define IDC_WIZ_KEY_PROMPT 1152
#define IDC_WIZ_KEY_RULES 1153
#define IDC_WIZ_KEY_RULE_PASSPHRASE 1154
#define IDC_WIZ_KEY_RULE_HEX 1155
#define IDC_WIZ_SECURITY_TITLE 1156
#define IDC_WIZ_SECURITY_LABEL 1157
#define IDC_WIZ_SECURITY_COMBO 1158
#define IDC_WIZ_SECURITY_ADVICE 1159
#define IDC_WIZ_SECURITY 1160

// Bitmaps: button faces (normal, pressed, hover, disabled), wizard banner, window background.
#define IDB_LINK_NORMAL 134
#define IDB_LINK_PRESSED 136
#define IDB_LINK_HOVER 137
#define IDB_LINK_DISABLED 138
#define IDB_ASSOC_NORMAL 139
#define IDB_ASSOC_PRESSED 140
#define IDB_ASSOC_HOVER 141
#define IDB_ASSOC_DISABLED 142
#define IDB_RADIO_NORMAL 143
#define IDB_RADIO_PRESSED 144
#define IDB_RADIO_HOVER 145
#define IDB_RADIO_DISABLED 146
#define IDB_ICS_NORMAL 147
#define IDB_ICS_PRESSED 148
#define IDB_ICS_HOVER 149
#define IDB_ICS_DISABLED 150
#define IDB_MODE_APSTA_NORMAL 155
#define IDB_MODE_APSTA_PRESSED 156
#define IDB_MODE_APSTA_HOVER 157
#define IDB_MODE_APSTA_DISABLED 158
#define IDB_MODE_STA_NORMAL 159
#define IDB_MODE_STA_PRESSED 160
#define IDB_MODE_STA_HOVER 161
#define IDB_MODE_STA_DISABLED 162
#define IDB_WIZARD_BANNER 207
#define IDB_BACKGROUND 212

// Icons.
#define IDR_MAINFRAME 128
#define IDI_ASSOC_LIST 165
#define IDI_ASSOC_LIST_DISABLED 166
#define IDI_LINK_STATUS 167
#define IDI_LINK_STATUS_DISABLED 168
#define IDI_AP_CONFIG 169
#define IDI_AP_CONFIG_DISABLED 170
#define IDI_ICS 171
#define IDI_ICS_DISABLED 172
#define IDI_RADIO_ON 173
#define IDI_RADIO_ON_DISABLED 174
#define IDI_STATION_MODE 175
#define IDI_STATION_MODE_DISABLED 176
#define IDI_APSTA_MODE 177
#define IDI_APSTA_MODE_DISABLED 178
#define IDI_ABOUT 179
#define IDI_RADIO_OFF 191
#define IDI_RADIO_OFF_DISABLED 192
#define IDI_MODE_SWITCH 194
#define IDI_MODE_SWITCH_DISABLED 195
#define IDI_TRAY 210

// The Extended AP Settings dialog.
#define IDD_EASY_AP_SETTING 197
#define IDC_EASY_OK 1105
#define IDC_EASY_SSID 1106
#define IDC_EASY_KEY 1107
#define IDC_EASY_CONFIRM 1108
#define IDC_EASY_PROMPT 1109
#define IDC_EASY_SSID_LABEL 1110
#define IDC_EASY_KEY_LABEL 1111
#define IDC_EASY_CONFIRM_LABEL 1112
#define IDC_EASY_KEY_HINT 1113

// The card selection dialog; its edit boxes and their labels are hidden.
#define IDD_SEL_CARD 198
#define IDC_SEL_CARD_MANUFACTURER 1053
#define IDC_SEL_CARD_COMBO 1114
#define IDC_SEL_CARD_DESCRIPTION 1115
#define IDC_SEL_CARD_HARDWARE_ID 1116
#define IDC_SEL_CARD_LOCATION 1117
#define IDC_SEL_CARD_PROMPT 1118
#define IDC_SEL_CARD_NAME_LABEL 1119
#define IDC_SEL_CARD_DESCRIPTION_LABEL 1120
#define IDC_SEL_CARD_HARDWARE_ID_LABEL 1121
#define IDC_SEL_CARD_LOCATION_LABEL 1122
#define IDC_SEL_CARD_MANUFACTURER_LABEL 1123
#define IDC_SEL_CARD_OK 1124

// The AP configuration page's button that opens the join window, and the join window: the network's
// QR code with its name and key beside it.
#define IDD_JOIN_CODE 260
#define IDC_AP_JOIN_CODE 1180
#define IDC_JOIN_CODE_PICTURE 1181
#define IDC_JOIN_CODE_HINT 1182
#define IDC_JOIN_CODE_SSID_LABEL 1183
#define IDC_JOIN_CODE_SSID 1184
#define IDC_JOIN_CODE_KEY_LABEL 1185
#define IDC_JOIN_CODE_KEY 1186
#define IDC_JOIN_CODE_COPY 1187

// Menu commands of the notification-area icon, also posted between programs. The About, Exit and Wizard
// items have one identifier per menu.
#define ID_LAUNCH_CONFIG_UTILITY 32778
#define ID_SWITCH_TO_APSTA_MODE 32779
#define ID_ABOUT_STATION 32783
#define ID_EXIT_STATION 32784
#define ID_SHOW_WINDOW 32787
#define ID_SWITCH_TO_STA_MODE 32788
#define ID_ABOUT_APSTA 32789
#define ID_EXIT_APSTA 32790
#define ID_ABOUT_PLAIN 32791
#define ID_EXIT_PLAIN 32792
#define ID_WIZARD_STATION 32795
#define ID_WIZARD_APSTA 32796

// The About item the main window adds to its system menu.
#define IDM_ABOUTBOX 0x0010

// The notification-area icon's identifier and callback message (WM_USER + 100).
#define ID_TRAY_ICON 210
#define WM_TRAY_NOTIFY 0x464

// Main-window timers, and the pages' own.
#define IDT_REDISCOVERY 100
#define IDT_LINK_STATUS_REFRESH 101
#define IDT_DHCP_LAUNCH 104
#define IDT_ASSOC_LIST_REFRESH 105
#define IDT_AP_CONFIG_PAGE 106
#define IDT_RADIO_ON_START 107
#define IDT_START_GUARD 108
#define IDT_SHOW_REQUEST 112
#define IDT_TRAY_READD 113
#define IDT_STATION_WATCH 120
#define IDT_HEALING 121

#ifndef RC_INVOKED
#include <cstdint>

namespace aerowisp {

// Periods of the timers above.
inline constexpr uint32_t kStartGuardPeriodMs = 6000;
inline constexpr uint32_t kLinkStatusRefreshPeriodMs = 2000;
inline constexpr uint32_t kDhcpLaunchDelayMs = 6000;
inline constexpr uint32_t kApConfigPageTimerPeriodMs = 2000;
inline constexpr uint32_t kAssocListRefreshPeriodMs = 3000;
inline constexpr uint32_t kShowRequestPeriodMs = 500;
inline constexpr uint32_t kTrayReaddPeriodMs = 2000;
inline constexpr uint32_t kRadioOnStartPeriodMs = 2000;
inline constexpr uint32_t kStationWatchPeriodMs = 3000;

// The picture buttons' and the mode picture's tooltips: a balloon with one tool, its text wrapped at this
// width in pixels.
inline constexpr uintptr_t kBalloonToolId = 1;
inline constexpr int kBalloonTipMaxWidth = 400;

// Passed as the disabled icon when a button has none.
inline constexpr uint32_t kNoIcon = 0;

// The title of the main window, matched exactly by a second copy of the program.
inline constexpr char16_t kMainWindowTitle[] = u"Aerowisp";
// The setup wizard's window, closed when the main window hides.
inline constexpr char16_t kWizardWindowTitle[] = u"Wireless Network Setup Wizard";

}  // namespace aerowisp
#endif
