# End-to-end cases of AerowispCtl.exe, sourced by tests/e2e/run: every command against the program on a
# simulated machine, read as text and as JSON (python3's json module), with the journal showing the calls
# of the button or tray command it stands for.

ctl_exe=$(dirname "$exe")/AerowispCtl.exe
cp "$ctl_exe" "$work/app/" 2>/dev/null
ctl_out=""
ctl_code=0
# ctl ARGS...: runs the console program; its output in $ctl_out (stdout and stderr), its exit code in $ctl_code.
ctl() {
    ctl_out=$("$wine" "$(windows_path "$work/app/AerowispCtl.exe")" "$@" 2>&1 | tr -d '\r')
    ctl_code=${PIPESTATUS[0]}
}
# json FIELD: the field of the JSON object in $ctl_out, as Python prints it; "invalid" when it does not parse.
json() {
    python3 -c 'import json, sys
try:
    value = json.loads(sys.stdin.read())
    for key in sys.argv[1].split("."):
        value = value[int(key)] if isinstance(value, list) else value[key]
    print(json.dumps(value) if isinstance(value, (dict, list, bool)) or value is None else value)
except Exception as e:
    print("invalid")' "$1" <<<"$ctl_out"
}
lacks() { ! "$@"; }
code_is() { equals "$ctl_code" "$1"; }
out_has() { grep -qF -- "$1" <<<"$ctl_out" || { echo "    output: $ctl_out" >&2; return 1; }; }
# Waits until the program answers on its pipe.
ctl_ready() { ctl status; [ "$ctl_code" = 0 ]; }

if [ -f "$ctl_exe" ]; then

begin_case "the command line without Aerowisp running"
ctl status
check "status: not running, exit code 3" code_is 3
check "it says so" out_has "Aerowisp is not running."
ctl --json stop
check "stop --json: exit code 3" code_is 3
check "JSON outcome not-running" equals "$(json outcome)" not-running
ctl start
check "start suggests --launch" out_has "--launch"
ctl frobnicate
check "unknown command: exit code 2" code_is 2
ctl radio sideways
check "radio sideways: exit code 2" code_is 2
ctl --help
check "--help lists the commands" out_has "radio on"
check "--help: exit code 0" code_is 0
ctl qr --help
check "a command's help" out_has "usage: AerowispCtl [--json] qr"
ctl qr
check "qr without a file or --show-key is bad usage" code_is 2
end_case

begin_case "start, status, stations, key, qr, show and stop from the command line"
write_ap_settings "Aerowisp E2E" "secret-key"
start_app ctl-start stations.ini
if started_up && check "the pipe answers" within 10000 ctl_ready; then
    ctl status
    check "status in station mode" out_has "Mode: station"
    check "the network name" out_has "Network name: Aerowisp E2E"
    ctl --json start
    check "start: exit code 0" code_is 0
    check "JSON outcome done" equals "$(json outcome)" done
    check "JSON mode ap" equals "$(json mode)" ap
    check "the window shows AP+STA mode" wait_for_page $IDD_AP_CONFIG_PAGE
    check "\"Current Mode\" = 1" equals "$(dword 'Current Mode')" 1
    check "the tray command's calls, in order" in_order '^ControlRequest start' '^WlanHostedNetworkInitSettings' \
        'opcode=0 .*ssid="Aerowisp E2E"' '^WlanHostedNetworkSetSecondaryKey.*key="secret-key"' \
        '^WlanHostedNetworkStartUsing'
    ctl start
    check "a second start: already on" out_has "The access point is already on."
    ctl --json status
    check "JSON status mode" equals "$(json mode)" ap
    check "JSON radio" equals "$(json radio)" on
    check "JSON card" equals "$(json card)" present
    check "the station joined" within 8000 eval 'ctl --json stations; [ "$(json station_count)" = 1 ]'
    check "its MAC address" equals "$(json stations.0.mac)" "8C-3A-E3-11-22-33"
    ctl stations
    check "stations as text" out_has "8C-3A-E3-11-22-33"
    ctl key
    check "key hidden without --show-key" out_has "(hidden; add --show-key to print it)"
    check "the key is not printed" lacks grep -qF "secret-key" <<<"$ctl_out"
    ctl --json key
    check "JSON without the key" equals "$(json key)" invalid
    ctl --json key --show-key
    check "JSON with the key" equals "$(json key)" secret-key
    ctl --show-key qr
    check "the join text" out_has 'WIFI:T:WPA;S:Aerowisp E2E;P:secret-key;;'
    ctl qr "$(windows_path "$work/ctl-join.png")"
    check "qr FILE: exit code 0" code_is 0
    check "zbarimg reads the PNG's join text" equals "$(zbarimg --raw -q "$work/ctl-join.png" 2>/dev/null)" \
        'WIFI:T:WPA;S:Aerowisp E2E;P:secret-key;;'
    wctl sysclose Aerowisp >/dev/null
    check "the close box hid the window" becomes_hidden
    ctl show
    check "show: exit code 0" code_is 0
    check "the window is visible" within 3000 eval '[ "$(wctl visible Aerowisp)" = 1 ]'
    ctl --json stop
    check "stop: exit code 0" code_is 0
    check "JSON mode station" equals "$(json mode)" station
    check "the window shows station mode" wait_for_page $IDD_LINK_STATUS_PAGE
    check "\"Current Mode\" = 0" equals "$(dword 'Current Mode')" 0
    check "the tray command's stop, in order" in_order '^ControlRequest stop' '^WlanHostedNetworkStopUsing' \
        '^WlanHostedNetworkForceStop'
    ctl stop
    check "a second stop: already off" out_has "The access point is already off."
    ctl --json exit
    check "exit: exit code 0" code_is 0
    check "JSON exit done" equals "$(json outcome)" done
    check "the program ends" within 10000 eval '! kill -0 "$app_pid" 2>/dev/null'
    check "the close clean-up ran" has_op WlanCloseHandle
fi
kill "$app_pid" 2>/dev/null
end_case

begin_case "the radio from the command line, and what it refuses"
write_ap_settings "Aerowisp E2E" "secret-key"
start_app ctl-radio station.ini
if started_up && check "the pipe answers" within 10000 ctl_ready; then
    ctl start
    check "started" code_is 0
    ctl --json radio off
    check "radio off: exit code 0" code_is 0
    check "JSON radio off" equals "$(json radio)" off
    check "only the radio button enabled" within 3000 eval 'read_controls; [ "$(enabled_controls)" = "$radio_off_look" ]'
    check "\"Radio state\" = 0" equals "$(dword 'Radio state')" 0
    check "the radio button's calls" in_order '^ControlRequest radio off' '^WlanHostedNetworkStopUsing' \
        '^WlanSetInterface.*radio=off'
    ctl --json start
    check "start with the radio off: exit code 1" code_is 1
    check "refused" equals "$(json outcome)" refused
    check "with the reason" equals "$(json message)" "The radio is off. Switch it on first."
    ctl radio on
    check "radio on: exit code 0" code_is 0
    check "\"Radio state\" = 1" equals "$(dword 'Radio state')" 1
    check "the network comes back with the radio" in_order '^ControlRequest radio on' '^WlanSetInterface.*radio=on'
    stop_app
fi
end_case

begin_case "a start without a stored name asks nothing and says why"
start_app ctl-no-settings station.ini
if started_up && check "the pipe answers" within 10000 ctl_ready; then
    ctl --json start
    check "exit code 1" code_is 1
    check "failed" equals "$(json outcome)" failed
    check "the reason" equals "$(json message)" \
        "No network name and key are stored yet. Set them in Aerowisp's window first."
    check "no dialog is open" lacks wctl wait "Extended AP Settings" 500
    check "still station mode" equals "$(shown_page)" $IDD_LINK_STATUS_PAGE
    stop_app
    check "nothing was started" lacks_op WlanHostedNetworkStartUsing
fi
end_case

begin_case "a start the WLAN service refuses is told in the reply, not in a message box"
write_ap_settings "Aerowisp E2E" "secret-key"
start_app ctl-refused start-refused.ini
if started_up && check "the pipe answers" within 10000 ctl_ready; then
    ctl start
    check "exit code 1" code_is 1
    check "the reason" out_has "The wireless card is not available"
    check "still station mode" equals "$(dword 'Current Mode')" missing
    stop_app
    check "the message went into the reply" has_op ControlReplyMessage
    check "no message box" lacks_op MessageBox
fi
end_case

# calls_of NAME HOW: one run that switches to AP+STA mode and back through the tray's commands (HOW=tray) or
# the command line (HOW=ctl); prints the calls that change the machine, with their arguments.
calls_of() {
    write_ap_settings "Aerowisp E2E" "secret-key"
    start_app "$1" station.ini
    wctl wait Aerowisp 60000 >/dev/null && within 10000 ctl_ready || return 1
    if [ "$2" = tray ]; then wctl command Aerowisp $ID_SWITCH_TO_APSTA_MODE; else ctl start; fi
    wait_for_page $IDD_AP_CONFIG_PAGE || return 1
    # The window keeps answering while sharing switches: the switch is over once the server's timer is set.
    within 15000 grep -qP "^SetTimer\tid=$IDT_DHCP_LAUNCH" "$journal" || return 1
    if [ "$2" = tray ]; then wctl command Aerowisp $ID_SWITCH_TO_STA_MODE; else ctl stop; fi
    within 15000 page_is $IDD_LINK_STATUS_PAGE || return 1
    stop_app
    grep -P '^(WlanHostedNetwork(?!QueryStatus)|WlanSetInterface|INetSharingConfiguration::(Enable|Disable)Sharing|ShellExecuteW|(Set|Kill)Timer\tid=10[0-9])' \
        "$journal" | cut -f1,2
}

begin_case "start and stop from the command line make the tray commands' calls"
tray_calls=$(calls_of ctl-tray-calls tray)
ctl_calls=$(calls_of ctl-ctl-calls ctl)
check "the tray's switch and back made calls" test -n "$tray_calls"
check "the command line made the same" equals "$ctl_calls" "$tray_calls"
end_case

# Started from the command line, the program runs on Wine's own WLAN service, which has no card: the answer
# to the start shows that the new program was reached.
begin_case "start --launch starts Aerowisp and waits for its pipe"
# To a file: the program it starts would keep a command substitution's pipe open.
"$wine" "$(windows_path "$work/app/AerowispCtl.exe")" --json start --launch >"$work/launch.out" 2>&1 </dev/null
ctl_code=$?
ctl_out=$(tr -d '\r' <"$work/launch.out")
check "the started program answered" equals "$(json message)" "No wireless LAN card is present."
check "a refusal: exit code 1" code_is 1
ctl --json status
check "it runs" code_is 0
check "without a card" equals "$(json card)" absent
ctl exit
check "exit: exit code 0" code_is 0
check "it ends" within 10000 eval 'ctl status; [ "$ctl_code" = 3 ]'
end_case

else
    begin_case "the command line"
    check "AerowispCtl.exe is built beside Aerowisp.exe" test -f "$ctl_exe"
    end_case
fi
