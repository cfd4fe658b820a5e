; The Aerowisp installer, one per architecture, built on Linux by scripts/package:
; makensis -DVERSION=a.b.c.d -DARCH=x64|x86 -DFILESDIR=<build output folder> -DICON=<app.ico> -DOUTFILE=...
; The x64 installer is a 64-bit program itself, so it sees the 64-bit Program Files folder and registry.
Unicode true
!if ${ARCH} == x64
    Target amd64-unicode
!else
    Target x86-unicode
!endif
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include WinMessages.nsh
!include Sections.nsh

!define PRODUCT "Aerowisp"
!define PUBLISHER "Duva DI"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Aerowisp"
!define SETTINGS_KEY "Software\Duva DI"
!define TASK_NAME "Aerowisp"
; The program's main window and the DHCP server's hidden window, closed before files are replaced.
!define MAIN_WINDOW_TITLE "Aerowisp"
!define DHCP_WINDOW_TITLE "Tftpd32"
!define SC_CLOSE 0xF060

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
!if ${ARCH} == x64
    InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
    InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Aerowisp.exe"
!define MUI_COMPONENTSPAGE_NODESC
; The language chosen at installation is the uninstaller's too.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString SectionProgram ${LANG_ENGLISH} "Aerowisp"
LangString SectionProgram ${LANG_SIMPCHINESE} "Aerowisp"
LangString SectionProgram ${LANG_TRADCHINESE} "Aerowisp"
LangString SectionLogon ${LANG_ENGLISH} "Start with Windows (in the notification area)"
LangString SectionLogon ${LANG_SIMPCHINESE} "随 Windows 启动（在通知区域中）"
LangString SectionLogon ${LANG_TRADCHINESE} "隨 Windows 啟動（在通知區域中）"
LangString TaskDescription ${LANG_ENGLISH} "Starts Aerowisp in the notification area when you log on."
LangString TaskDescription ${LANG_SIMPCHINESE} "登录时在通知区域中启动 Aerowisp。"
LangString TaskDescription ${LANG_TRADCHINESE} "登入時在通知區域中啟動 Aerowisp。"
LangString TaskFailed ${LANG_ENGLISH} "Aerowisp could not be set to start with Windows (the Task Scheduler refused the task). Start it from the Start menu, or install again."
LangString TaskFailed ${LANG_SIMPCHINESE} "无法将 Aerowisp 设置为随 Windows 启动（任务计划程序拒绝了该任务）。请从“开始”菜单启动它，或重新安装。"
LangString TaskFailed ${LANG_TRADCHINESE} "無法將 Aerowisp 設定為隨 Windows 啟動（工作排程器拒絕了該工作）。請從「開始」功能表啟動它，或重新安裝。"
LangString TaskNotRemoved ${LANG_ENGLISH} "The earlier installation's task that starts Aerowisp with Windows could not be removed. Delete the task $\"Aerowisp$\" in the Task Scheduler."
LangString TaskNotRemoved ${LANG_SIMPCHINESE} "无法删除以前安装的随 Windows 启动 Aerowisp 的任务。请在任务计划程序中删除任务“Aerowisp”。"
LangString TaskNotRemoved ${LANG_TRADCHINESE} "無法移除先前安裝的隨 Windows 啟動 Aerowisp 的工作。請在工作排程器中刪除工作「Aerowisp」。"
LangString KeepSettings ${LANG_ENGLISH} "Keep your Aerowisp settings (network name, key and mode) for a later installation?"
LangString KeepSettings ${LANG_SIMPCHINESE} "是否保留 Aerowisp 设置（网络名称、密钥和模式）以便以后重新安装？"
LangString KeepSettings ${LANG_TRADCHINESE} "是否保留 Aerowisp 設定（網路名稱、金鑰和模式）以便日後重新安裝？"

; ---- Shared by the installer and the uninstaller ----

; Ends a running copy: the main window runs its own clean-up on WM_CLOSE (sharing and the hosted network
; stopped); the DHCP server saves its leases on SC_CLOSE. Message boxes of the program carry the same
; title and close on WM_CLOSE too, so the window is asked again until none is left, for at most 10 s.
!macro END_RUNNING_COPY un
Function ${un}EndRunningCopy
    Push $0
    Push $1
    StrCpy $1 0
    ${Do}
        FindWindow $0 "#32770" "${MAIN_WINDOW_TITLE}"
        ${If} $0 = 0
            FindWindow $0 "" "${DHCP_WINDOW_TITLE}"
            ${IfThen} $0 = 0 ${|} ${Break} ${|}
            SendMessage $0 ${WM_SYSCOMMAND} ${SC_CLOSE} 0 /TIMEOUT=2000
        ${Else}
            SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
        ${EndIf}
        Sleep 250
        IntOp $1 $1 + 1
    ${LoopUntil} $1 >= 40
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro END_RUNNING_COPY ""
!insertmacro END_RUNNING_COPY "un."


; ---- Install ----

Function .onInit
    !insertmacro MUI_LANGDLL_DISPLAY
    SetShellVarContext all
    Call ChooseLogonTaskFromCommandLine
FunctionEnd

Section "!$(SectionProgram)" SecProgram
    SectionIn RO
    Call EndRunningCopy
    SetOutPath "$INSTDIR"
    File "${FILESDIR}\Aerowisp.exe"
    File "${FILESDIR}\DhcpServer.exe"
    File "${FILESDIR}\AerowispLogon.exe"
    ; The command line stays beside the program; PATH is left as it is.
    File "${FILESDIR}\AerowispCtl.exe"
    SetOutPath "$INSTDIR\Language"
    File "${FILESDIR}\Language\ENU.txt"
    File "${FILESDIR}\Language\CHS.txt"
    File "${FILESDIR}\Language\CHT.txt"
    SetOutPath "$INSTDIR"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Aerowisp.exe" "" "$INSTDIR\Aerowisp.exe" 0

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Aerowisp.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; ---- The logon task ("Start with Windows") ----

; The program asks for administrator rights, so a Run key would raise a consent prompt at every logon; a
; task with the user's highest rights starts it without one. The task starts AerowispLogon.exe, which
; starts the program with its start-hidden switch so the logon start stays in the notification area.
; The task is the interactive user's, the one whose desktop the installer runs on: when a standard user
; installs with an administrator's name and password, USERNAME here is the administrator's.
; Priority 4 is a normal-priority process's (the Task Scheduler's default, 7, is below normal and would
; pass on to the program and to the programs it starts).
!define TASK_PRIORITY 4
!define DELETE_TASK '"$SYSDIR\schtasks.exe" /Delete /TN "${TASK_NAME}" /F'
!define WTS_CURRENT_SESSION -1
!define WTS_USER_NAME 5
!define WTS_DOMAIN_NAME 7

; Takes a WTS_INFO_CLASS from the stack and pushes that text of the session the installer runs in; empty
; when Windows cannot say.
Function SessionText
    Exch $0
    Push $1
    Push $2
    Push $3
    StrCpy $3 ""
    System::Call 'wtsapi32::WTSQuerySessionInformationW(p 0, i ${WTS_CURRENT_SESSION}, i r0, *p .r1, *i .r2) i .r0'
    ${If} $0 <> 0
        System::Call '*$1(&w${NSIS_MAX_STRLEN} .r3)'
        System::Call 'wtsapi32::WTSFreeMemory(p r1)'
    ${EndIf}
    StrCpy $0 $3
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Pushes "DOMAIN\user" (or "user") of the session the installer runs in; USERNAME when Windows cannot say.
Function InteractiveUser
    Push $0
    Push $1
    Push ${WTS_USER_NAME}
    Call SessionText
    Pop $0
    ${If} $0 == ""
        ReadEnvStr $0 USERNAME
    ${Else}
        Push ${WTS_DOMAIN_NAME}
        Call SessionText
        Pop $1
        ${IfThen} $1 != "" ${|} StrCpy $0 "$1\$0" ${|}
    ${EndIf}
    Pop $1
    Exch $0
FunctionEnd

Section "$(SectionLogon)" SecLogon
    InitPluginsDir
    Call InteractiveUser
    Pop $1
    ${WordReplace} "$1" "&" "&amp;" "+" $1
    ${WordReplace} "$INSTDIR\AerowispLogon.exe" "&" "&amp;" "+" $2
    ${WordReplace} "$(TaskDescription)" "&" "&amp;" "+" $3
    FileOpen $0 "$PLUGINSDIR\task.xml" w
    FileWriteWord $0 0xFEFF
    FileWriteUTF16LE $0 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
    FileWriteUTF16LE $0 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
    FileWriteUTF16LE $0 '  <RegistrationInfo><Author>${PUBLISHER}</Author><Description>$3</Description></RegistrationInfo>$\r$\n'
    FileWriteUTF16LE $0 '  <Triggers><LogonTrigger><Enabled>true</Enabled><UserId>$1</UserId></LogonTrigger></Triggers>$\r$\n'
    FileWriteUTF16LE $0 '  <Principals><Principal id="Author"><UserId>$1</UserId><LogonType>InteractiveToken</LogonType>'
    FileWriteUTF16LE $0 '<RunLevel>HighestAvailable</RunLevel></Principal></Principals>$\r$\n'
    FileWriteUTF16LE $0 '  <Settings><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>'
    FileWriteUTF16LE $0 '<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>'
    FileWriteUTF16LE $0 '<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>'
    FileWriteUTF16LE $0 '<ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Priority>${TASK_PRIORITY}</Priority>'
    FileWriteUTF16LE $0 '<Enabled>true</Enabled></Settings>$\r$\n'
    FileWriteUTF16LE $0 '  <Actions Context="Author"><Exec><Command>"$2"</Command></Exec></Actions>$\r$\n'
    FileWriteUTF16LE $0 '</Task>$\r$\n'
    FileClose $0
    nsExec::Exec '"$SYSDIR\schtasks.exe" /Create /TN "${TASK_NAME}" /XML "$PLUGINSDIR\task.xml" /F'
    Pop $0
    ${If} $0 != 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(TaskFailed)" /SD IDOK
        SetErrorLevel 2
    ${EndIf}
SectionEnd

; A reinstall without "Start with Windows" leaves no task of an earlier installation behind.
; schtasks /Delete fails alike for a task that is not there and one it may not delete: only a task still
; found afterwards is a failure.
Section "-RemoveLogonTask"
    ${IfNot} ${SectionIsSelected} ${SecLogon}
        nsExec::Exec '${DELETE_TASK}'
        Pop $0
        ${If} $0 != 0
            nsExec::Exec '"$SYSDIR\schtasks.exe" /Query /TN "${TASK_NAME}"'
            Pop $0
            ${If} $0 == 0
                MessageBox MB_OK|MB_ICONEXCLAMATION "$(TaskNotRemoved)" /SD IDOK
                SetErrorLevel 2
            ${EndIf}
        ${EndIf}
    ${EndIf}
SectionEnd

; A silent installation leaves "Start with Windows" out when given /NOLOGONTASK.
Function ChooseLogonTaskFromCommandLine
    Push $0
    Push $1
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} "$0" "/NOLOGONTASK" $1
    ${IfNot} ${Errors}
        SectionGetFlags ${SecLogon} $1
        IntOp $1 $1 & ${SECTION_OFF}
        SectionSetFlags ${SecLogon} $1
    ${EndIf}
    Pop $1
    Pop $0
FunctionEnd

; ---- The DHCP server's firewall rule ----

; Stations reach DhcpServer.exe on UDP port 67 only through an inbound rule: the hosted network's adapter
; is on the Public profile, which blocks what no rule allows. The program adds the same rule when it is
; missing (the portable copy relies on that); the uninstaller removes it.
!define FIREWALL_RULE "Aerowisp DHCP Server"
!define DELETE_FIREWALL_RULE '"$SYSDIR\netsh.exe" advfirewall firewall delete rule name="${FIREWALL_RULE}"'
LangString FirewallRuleFailed ${LANG_ENGLISH} "The firewall rule for DhcpServer.exe (UDP port 67) could not be added. Aerowisp will try again when it starts the access point."
LangString FirewallRuleFailed ${LANG_SIMPCHINESE} "无法添加 DhcpServer.exe (UDP 端口 67) 的防火墙规则。Aerowisp 启动接入点时会再次尝试。"
LangString FirewallRuleFailed ${LANG_TRADCHINESE} "無法新增 DhcpServer.exe (UDP 連接埠 67) 的防火牆規則。Aerowisp 啟動存取點時會再次嘗試。"

Section "-FirewallRule" SecFirewallRule
    nsExec::Exec '${DELETE_FIREWALL_RULE}'
    Pop $0
    nsExec::Exec '"$SYSDIR\netsh.exe" advfirewall firewall add rule name="${FIREWALL_RULE}" dir=in action=allow program="$INSTDIR\DhcpServer.exe" protocol=UDP localport=67 profile=any enable=yes'
    Pop $0
    DetailPrint "netsh advfirewall add rule: $0"
    ${If} $0 != 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(FirewallRuleFailed)" /SD IDOK
    ${EndIf}
SectionEnd

Section "un.FirewallRule"
    nsExec::Exec '${DELETE_FIREWALL_RULE}'
    Pop $0
    DetailPrint "netsh advfirewall delete rule: $0"
SectionEnd

; ---- Uninstall ----

Function un.onInit
    !insertmacro MUI_UNGETLANGUAGE
    SetShellVarContext all
FunctionEnd

; The settings (the registry values, DuvaDI.ini and the DHCP server's DhcpServer.ini) stay unless the user
; says otherwise; a silent uninstall removes them only when given /REMOVESETTINGS.
Section "Uninstall"
    Call un.EndRunningCopy
    nsExec::Exec '${DELETE_TASK}'
    Pop $0

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\Aerowisp.exe"
    Delete "$INSTDIR\AerowispLogon.exe"
    Delete "$INSTDIR\AerowispCtl.exe"
    Delete "$INSTDIR\DhcpServer.exe"
    Delete "$INSTDIR\ZuroZiz.ini"
    ; What the DHCP server keeps beside itself: its leases and its log.
    Delete "$INSTDIR\DhcpServer.leases"
    Delete "$INSTDIR\DhcpServer.leases.tmp"
    Delete "$INSTDIR\DhcpServer.leases.bad"
    Delete "$INSTDIR\DhcpServer.log"
    Delete "$INSTDIR\DhcpServer.log.1"
    Delete "$INSTDIR\Language\ENU.txt"
    Delete "$INSTDIR\Language\CHS.txt"
    Delete "$INSTDIR\Language\CHT.txt"
    RMDir "$INSTDIR\Language"
    Delete "$INSTDIR\Uninstall.exe"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    StrCpy $0 "keep"
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} "$1" "/REMOVESETTINGS" $2
    ${IfNot} ${Errors}
        StrCpy $0 "remove"
    ${ElseIfNot} ${Silent}
        MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepSettings)" /SD IDYES IDYES +2
        StrCpy $0 "remove"
    ${EndIf}
    ${If} $0 == "remove"
        Delete "$INSTDIR\DuvaDI.ini"
        Delete "$INSTDIR\DhcpServer.ini"
        DeleteRegKey HKCU "${SETTINGS_KEY}"
    ${EndIf}
    RMDir "$INSTDIR"
SectionEnd
