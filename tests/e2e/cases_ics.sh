# End-to-end cases of the ICS page, sourced by tests/e2e/run with its helpers.

begin_case "Apply on the ICS page shares the connection clicked in the list"
set_dword "Current Mode" 1
write_ap_settings "Aerowisp E2E" "secret-key"
start_app ics-apply ics-page.ini
if started_up; then
    wctl click Aerowisp $IDC_ICS_BUTTON
    check "ICS page" wait_for_page $IDD_ICS_PAGE
    apply_enabled() { [ "$(wctl enabled Aerowisp $IDC_ICS_APPLY)" = 1 ]; }
    wctl clickrow Aerowisp $IDC_ICS_LIST 1
    check "a click on the other row enables Apply" within 3000 apply_enabled
    check "and shows its network name" equals "$(wctl text Aerowisp $IDC_ICS_PUBLIC)" "Ethernet 2"
    wctl click Aerowisp $IDC_ICS_APPLY
    check "Apply disabled afterwards" equals "$(wctl enabled Aerowisp $IDC_ICS_APPLY)" 0
    check "\"ICS CardName\" holds the chosen device" equals "$(text_value 'ICS CardName')" \
        "Intel(R) 82579LM Gigabit Network Connection"
    stop_app
    check "the old connection unshared, then the chosen one shared" in_order \
        '^INetSharingConfiguration::EnableSharing\tconnection="Local Area Connection" type=public' \
        '^INetSharingConfiguration::DisableSharing\tconnection="Local Area Connection"' \
        '^INetSharingConfiguration::EnableSharing\tconnection="Ethernet 2" type=public'
    check "the old connection stays unshared" lacks_after '^INetSharingConfiguration::EnableSharing\tconnection="Ethernet 2"' \
        '^INetSharingConfiguration::EnableSharing\tconnection="Local Area Connection"'
fi
end_case

begin_case "on a fresh Windows 7 AP+STA starts the sharing service, adds the firewall rule, then starts the server"
write_ap_settings "Aerowisp E2E" "secret-key"
start_app fresh-windows7 station.ini
if started_up; then
    wctl click Aerowisp $IDC_MODE_BUTTON
    check "AP configuration page" wait_for_page $IDD_AP_CONFIG_PAGE
    # The DHCP server starts 6 s after the address was set.
    check "the DHCP server started" within 10000 grep -qP '^CreateProcessW\t.*DhcpServer' "$journal"
    stop_app
    check "service, sharing, address, rule, server in that order" in_order \
        '^QueryServiceConfigW\tservice="SharedAccess" startType=disabled state=stopped' \
        '^ChangeServiceConfigW\tservice="SharedAccess" startType=automatic\t0$' \
        '^StartServiceW\tservice="SharedAccess"\t0$' \
        '^INetSharingConfiguration::EnableSharing\tconnection="Local Area Connection" type=public\t0$' \
        '^INetSharingConfiguration::EnableSharing\tconnection="Wireless Network Connection 2" type=private\t0$' \
        '^CreateProcessW\t.*source=static addr=192.168.139.1' \
        '^INetFwPolicy2::get_Rules\tname="Aerowisp DHCP Server" rules=0\t0$' \
        '^INetFwRules::Add\tname="Aerowisp DHCP Server" program=".*DhcpServer.exe" protocol=17 localPorts="67"' \
        '^CreateProcessW\t.*DhcpServer'
    check "a balloon says the service was started" grep -qP '^TrayBalloon\ticon=info .*SharedAccess' "$journal"
fi
end_case

begin_case "the window answers while sharing switches"
write_ap_settings "Aerowisp E2E" "secret-key"
start_app ics-slow ics-slow.ini
if started_up; then
    # The click returns once the switch is over; meanwhile the window is asked every 200 ms.
    wctl click Aerowisp $IDC_MODE_BUTTON &
    clicker=$!
    probes=0
    unanswered=0
    while kill -0 "$clicker" 2>/dev/null && [ "$probes" -lt 200 ]; do
        wctl answers Aerowisp 1000 >/dev/null || unanswered=$((unanswered + 1))
        probes=$((probes + 1))
        sleep 0.2
    done
    wait "$clicker"
    check "the switch took seconds, probed all along" test "$probes" -ge 5
    check "the window answered every probe within 1 s" equals "$unanswered" 0
    check "and the switch went through" wait_for_op '^INetSharingConfiguration::EnableSharing\t.*type=private\t0'
    stop_app
fi
end_case
