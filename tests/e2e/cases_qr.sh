# End-to-end case of the join window, sourced by tests/e2e/run: the QR code on screen is read back by
# zbarimg (Debian's zbar-tools) and must give the network's Wi-Fi join text.

join_title="Join by QR Code"

# The join window's picture on the screen as $1.
capture_join_window() {
    local left top width height
    read -r left top width height < <(wctl rect "$join_title")
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$1"
}

begin_case "the QR code button shows the network's join code"
# Every character the join text escapes.
write_ap_settings 'Aero;wisp, E2E:\QR' 'secret:key;"1"'
start_app join-code station.ini
if started_up; then
    wctl click Aerowisp $IDC_MODE_BUTTON
    check "AP configuration page" wait_for_page $IDD_AP_CONFIG_PAGE
    # The click returns when the modal window closes.
    wctl click Aerowisp $IDC_AP_JOIN_CODE &
    clicker=$!
    if check "the join window opens" wctl wait "$join_title" 10000; then
        check "it shows the name" equals "$(wctl text "$join_title" $IDC_JOIN_CODE_SSID)" 'Aero;wisp, E2E:\QR'
        check "it shows the key" equals "$(wctl text "$join_title" $IDC_JOIN_CODE_KEY)" 'secret:key;"1"'
        sleep 1  # let the window finish painting
        capture_join_window "$work/join-code.png"
        check "zbarimg reads the network's join text" equals \
            "$(zbarimg --raw -q "$work/join-code.png" 2>/dev/null)" \
            'WIFI:T:WPA;S:Aero\;wisp\, E2E\:\\QR;P:secret\:key\;\"1\";;'
        [ -z "$shots" ] || { mkdir -p "$shots" && cp "$work/join-code.png" "$shots/join-code.png"; }
        wctl close "$join_title"
        check "the join window closes" wctl gone "$join_title" 10000
    fi
    wait "$clicker"
    stop_app
fi
end_case
