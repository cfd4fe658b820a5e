# End-to-end cases of the system DLLs, sourced by tests/e2e/run: the program on the real (Wine) machine
# without the DLLs Windows Server lacks, and DLLs planted beside the program under system DLLs' names.

# Only wlanapi.dll is hidden, as on Windows Server 2008 R2 without the Wireless LAN Service: Wine's own
# user32.dll imports version.dll, and its network driver iphlpapi.dll. The Windows tests cover what the
# program's calls get without those.
begin_case "without the WLAN service (no wlanapi.dll)"
# An empty load order hides the DLL from this run only.
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wlanapi=" \
    "$wine" "$(windows_path "$work/app/Aerowisp.exe")" >/dev/null 2>&1 &
app_pid=$!
if check "the main window is created" wctl exists Aerowisp 60000; then
    service_missing="The Wireless LAN Service is not installed on this computer."
    says_service_missing() { page_is $IDD_ABOUT_PAGE && read_controls $IDD_ABOUT_PAGE && [ "$(text_of $IDC_ABOUT_DEVICE)" = "$service_missing" ]; }
    check "the no-card About page names the missing service" within 5000 says_service_missing
    read_controls
    check "only the ICS button (and the mode picture) enabled" equals "$(enabled_controls)" "$no_card_look"
    check "the program ends when asked" stop_app
    wait "$app_pid"
    check "with exit code 0" equals "$?" 0
fi
end_case

begin_case "system DLLs planted beside the program are never loaded"
planted=(wlanapi.dll iphlpapi.dll gdiplus.dll)
for name in "${planted[@]}"; do cp "$planted_dll" "$work/app/$name"; done
# Wine takes its own DLLs before any other by default; native first makes it look in the program's folder
# before the system folder, as Windows does for a DLL that is not a known DLL.
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wlanapi,iphlpapi,gdiplus=n,b" start_app planted station.ini
if started_up; then
    # GDI+ is loaded at start-up, before the main window.
    check "the main window shows the link status page" equals "$(shown_page)" $IDD_LINK_STATUS_PAGE
    stop_app
fi
check "no planted DLL was loaded" equals "$(cd "$work/app" && ls -- *.loaded 2>/dev/null)" ""
for name in "${planted[@]}"; do rm -f "$work/app/$name" "$work/app/$name.loaded"; done
end_case
