# The setup wizard, sourced by tests/e2e/run: the tray's Wizard command, a walk through its five pages
# with the sheet's own buttons, and Finish, the close box or the tray's Exit on the last page.

wizard="Wireless Network Setup Wizard"
# The property sheet's own Next and Finish buttons (ID_WIZNEXT and ID_WIZFINISH of prsht.h) and Cancel.
wizard_next=12324
wizard_finish=12325
wizard_cancel=2

# Polls until control $1 shows on the wizard's current page.
wizard_shows() { [ "$(wctl visible "$wizard" "$1")" = 1 ]; }
wizard_page() { within 5000 wizard_shows "$1"; }

# From the tray's Wizard command to the finish page: the name, the key and the second connection. Takes
# the screenshots of the pages as it goes when $1 is "shots".
walk_wizard_to_finish() {
    wctl command Aerowisp $ID_WIZARD_STATION  # the station menu's Wizard
    check "the wizard shows" wctl wait "$wizard" 10000 || return 1
    check "the main window hidden" is_hidden
    [ "${1:-}" = shots ] && screenshot wizard-1-mode "$wizard"
    wctl click "$wizard" $wizard_next
    check "the name page" wizard_page $IDC_WIZ_SSID
    check "the name page offers the stored name" equals "$(wctl text "$wizard" $IDC_WIZ_SSID)" "Old Net"
    wctl settext "$wizard" $IDC_WIZ_SSID "Wizard Net"
    [ "${1:-}" = shots ] && screenshot wizard-2-name "$wizard"
    wctl click "$wizard" $wizard_next
    check "the key page" wizard_page $IDC_WIZ_KEY
    wctl settext "$wizard" $IDC_WIZ_KEY "wizard-secret"
    wctl settext "$wizard" $IDC_WIZ_CONFIRM "wizard-secret"
    [ "${1:-}" = shots ] && screenshot wizard-3-key "$wizard"
    wctl click "$wizard" $wizard_next
    check "the connection page" wizard_page $IDC_WIZ_CONNECTIONS
    check "the connections listed" equals "$(wctl rows "$wizard" $IDC_WIZ_CONNECTIONS)" \
        "$(printf 'Realtek PCIe GBE Family Controller\tLocal Area Connection\nIntel(R) 82579LM Gigabit Network Connection\tEthernet 2')"
    wctl select "$wizard" $IDC_WIZ_CONNECTIONS 1
    [ "${1:-}" = shots ] && screenshot wizard-4-connection "$wizard"
    wctl click "$wizard" $wizard_next
    check "the finish page" wizard_page $IDC_WIZ_SUMMARY
    check "the summary" equals "$(wctl text "$wizard" $IDC_WIZ_SUMMARY)" \
        "$(printf 'Network Name(SSID): Wizard Net\nAuthentication Type: WPA2-PSK\nEncryption: AES\nNetwork Key: wizard-secret\nThe Internet Connection:\nEthernet 2')"
    check "Cancel disabled" equals "$(wctl enabled "$wizard" $wizard_cancel)" 0
    [ "${1:-}" = shots ] && screenshot wizard-5-finish "$wizard"
    return 0
}

# Sharing, a mode and a chosen connection left as they were before the wizard.
check_nothing_kept() {
    check "DuvaDI.ini unchanged" grep -qa '^SSID=Old Net' "$work/app/DuvaDI.ini"
    check "\"Current Mode\" not written" equals "$(dword 'Current Mode')" missing
    check "\"ICS CardName\" not written" equals "$(text_value 'ICS CardName')" ""
    check "nothing shared" lacks_op "INetSharingConfiguration::EnableSharing"
    check "the network the key page started is stopped" in_order '^WlanHostedNetworkStartUsing' \
        '^WlanHostedNetworkForceStop'
}

begin_case "the wizard creates the access point with the name, key and connection it was given"
write_ap_settings "Old Net" "old-secret"
start_app wizard-finish ics-page.ini
if started_up && walk_wizard_to_finish shots; then
    wctl click "$wizard" $wizard_finish
    check "the wizard ends" wctl gone "$wizard" 10000
    check "the main window shown again" within 3000 wctl wait Aerowisp 100
    check "the AP configuration page" wait_for_page $IDD_AP_CONFIG_PAGE
    check "DuvaDI.ini holds the new name" grep -qa '^SSID="Wizard Net"' "$work/app/DuvaDI.ini"
    check "DuvaDI.ini holds the new key" grep -qa '^KEY="wizard-secret"' "$work/app/DuvaDI.ini"
    check "\"Current Mode\" is 1" equals "$(dword 'Current Mode')" 1
    check "\"ICS CardName\" is the chosen connection" equals "$(text_value 'ICS CardName')" \
        "Intel(R) 82579LM Gigabit Network Connection"
    check "started with the new name, then the chosen connection shared" in_order \
        '^WlanHostedNetworkSetProperty.*ssid="Wizard Net"' '^WlanHostedNetworkStartUsing' \
        '^INetSharingConfiguration::EnableSharing\tconnection="Ethernet 2" type=public'
    stop_app
fi
end_case

begin_case "the wizard closed on its finish page leaves everything as before"
write_ap_settings "Old Net" "old-secret"
start_app wizard-close ics-page.ini
if started_up && walk_wizard_to_finish; then
    wctl sysclose "$wizard"
    check "the wizard ends" wctl gone "$wizard" 10000
    check "the main window shown again" within 3000 wctl wait Aerowisp 100
    stop_app
    check_nothing_kept
fi
end_case

begin_case "the tray's Exit while the wizard shows its finish page ends the program with nothing shared"
write_ap_settings "Old Net" "old-secret"
start_app wizard-exit ics-page.ini
if started_up && walk_wizard_to_finish; then
    wctl command Aerowisp $ID_EXIT_STATION  # the station menu's Exit
    check "the program ends" within 10000 eval '! kill -0 "$app_pid" 2>/dev/null'
    check "the wizard closed first" in_order '^SendMessageW\twindow=own message=WM_SYSCOMMAND'
    check_nothing_kept
fi
end_case

begin_case "closing the program while the wizard shows ends the wizard first"
write_ap_settings "Old Net" "old-secret"
start_app wizard-quit ics-page.ini
if started_up; then
    wctl command Aerowisp $ID_WIZARD_STATION  # the station menu's Wizard
    check "the wizard shows" wctl wait "$wizard" 10000
    check "the program ends" stop_app
    check "the wizard closed as cancelled" equals "$(dword 'Current Mode')" missing
fi
end_case
