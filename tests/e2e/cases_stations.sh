# End-to-end cases of the hosted network's stations, sourced by tests/e2e/run: the association list's
# addresses and names from the DHCP server's lease file beside the program, and the balloons telling of
# stations joining and leaving, journaled by the simulated machine.

# Polls for up to $2 ms until the journal holds an information balloon with the text $1.
info_balloon_becomes() {
    within "$2" grep -qF "$(printf 'TrayBalloon\ticon=info title="Aerowisp" text="%s"\t' "$1")" "$journal"
}

begin_case "stations show their leases' addresses and names, and balloons tell of their coming and going"
set_dword "Current Mode" 1
write_ap_settings "Aerowisp E2E" "secret-key"
leases="$work/app/DhcpServer.leases"
printf '%s\r\n' "# DhcpServer leases: address state expires client hardware =host" \
    "192.168.139.7 bound 1767225600 018c3ae3112233 018c3ae3112233 =pixel-7" \
    "192.168.139.8 bound 1767225600 0102005e000001 0102005e000001 =e2e-laptop" >"$leases"
start_app stations-leases stations.ini
if started_up; then
    phone=$'1\t8C-3A-E3-11-22-33\tauthenticated\t192.168.139.7\tpixel-7'
    laptop=$'2\t02-00-5E-00-00-01\tauthenticated\t192.168.139.8\te2e-laptop'
    wctl click Aerowisp $IDC_ASSOC_LIST_BUTTON
    check "association list page" wait_for_page $IDD_ASSOC_TBL_PAGE
    check "the scenario's phone with its lease's address and name" rows_become "$phone" 4000
    check "a balloon tells of the phone" info_balloon_becomes "pixel-7 joined Aerowisp E2E" 9000
    wctl event Aerowisp join
    check "the joining laptop with its lease's address and name" rows_become "$phone"$'\n'"$laptop" 3500
    check "a balloon tells of the laptop" info_balloon_becomes "e2e-laptop joined Aerowisp E2E" 10000
    wctl event Aerowisp leave
    check "the laptop gone within one refresh" rows_become "$phone" 3500
    check "a balloon tells that it left" info_balloon_becomes "e2e-laptop left Aerowisp E2E" 10000
    # A station with a damaged lease line is still listed, without an address.
    printf '%s\r\n' "192.168.139.7 bound 17672" >"$leases"
    check "a damaged lease file leaves the cells empty" rows_become $'1\t8C-3A-E3-11-22-33\tauthenticated\t\t' 3500
    wctl click Aerowisp $IDC_MODE_BUTTON
    check "link status page in station mode" wait_for_page $IDD_LINK_STATUS_PAGE
    # One look of the watch in station mode: the phone's departure with the network is not told.
    sleep 3.5
    stop_app
    # The fresh machine's sharing service, started for the first share, has a balloon of its own.
    check "three balloons of stations, all while in AP+STA mode" equals \
        "$(grep '^TrayBalloon' "$journal" | grep -vc 'SharedAccess')" 3
    check "none after the network stopped" lacks_after '^WlanHostedNetworkStopUsing' '^TrayBalloon'
fi
rm -f "$leases"
end_case
