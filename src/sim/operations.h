// The names under which the simulated machine journals its platform calls (the platform functions'
// own names); a failure plan addresses a call by the same name.
#pragma once

#include <string_view>

namespace aerowisp::op {

inline constexpr std::string_view kWlanOpenHandle = "WlanOpenHandle";
inline constexpr std::string_view kWlanCloseHandle = "WlanCloseHandle";
inline constexpr std::string_view kWlanEnumInterfaces = "WlanEnumInterfaces";
inline constexpr std::string_view kWlanQueryInterface = "WlanQueryInterface";
inline constexpr std::string_view kWlanGetInterfaceCapability = "WlanGetInterfaceCapability";
inline constexpr std::string_view kWlanSetInterface = "WlanSetInterface";
inline constexpr std::string_view kWlanHostedNetworkInitSettings = "WlanHostedNetworkInitSettings";
inline constexpr std::string_view kWlanHostedNetworkSetProperty = "WlanHostedNetworkSetProperty";
inline constexpr std::string_view kWlanHostedNetworkSetSecondaryKey = "WlanHostedNetworkSetSecondaryKey";
inline constexpr std::string_view kWlanHostedNetworkStartUsing = "WlanHostedNetworkStartUsing";
inline constexpr std::string_view kWlanHostedNetworkForceStart = "WlanHostedNetworkForceStart";
inline constexpr std::string_view kWlanHostedNetworkStopUsing = "WlanHostedNetworkStopUsing";
inline constexpr std::string_view kWlanHostedNetworkForceStop = "WlanHostedNetworkForceStop";
inline constexpr std::string_view kWlanHostedNetworkQueryStatus = "WlanHostedNetworkQueryStatus";

inline constexpr std::string_view kRegOpenKeyExW = "RegOpenKeyExW";
inline constexpr std::string_view kRegCreateKeyExW = "RegCreateKeyExW";
inline constexpr std::string_view kRegQueryValueExW = "RegQueryValueExW";
inline constexpr std::string_view kRegSetValueExW = "RegSetValueExW";
inline constexpr std::string_view kRegCloseKey = "RegCloseKey";
inline constexpr std::string_view kGetPrivateProfileStringW = "GetPrivateProfileStringW";
inline constexpr std::string_view kWritePrivateProfileStringW = "WritePrivateProfileStringW";

inline constexpr std::string_view kSleep = "Sleep";

inline constexpr std::string_view kCoInitializeSecurity = "CoInitializeSecurity";
inline constexpr std::string_view kCoCreateInstance = "CoCreateInstance";
inline constexpr std::string_view kGetEnumEveryConnection = "INetSharingManager::get_EnumEveryConnection";
inline constexpr std::string_view kGetNetConnectionProps = "INetSharingManager::get_NetConnectionProps";
inline constexpr std::string_view kGetSharingConfiguration =
    "INetSharingManager::get_INetSharingConfigurationForINetConnection";
inline constexpr std::string_view kGetSharingEnabled = "INetSharingConfiguration::get_SharingEnabled";
inline constexpr std::string_view kGetSharingConnectionType =
    "INetSharingConfiguration::get_SharingConnectionType";
inline constexpr std::string_view kEnableSharing = "INetSharingConfiguration::EnableSharing";
inline constexpr std::string_view kDisableSharing = "INetSharingConfiguration::DisableSharing";
inline constexpr std::string_view kGetEnumPublicConnections = "INetSharingManager::get_EnumPublicConnections";
inline constexpr std::string_view kGetEnumPrivateConnections =
    "INetSharingManager::get_EnumPrivateConnections";
inline constexpr std::string_view kGetAdaptersInfo = "GetAdaptersInfo";
inline constexpr std::string_view kGetBestInterface = "GetBestInterface";
// The service control manager.
inline constexpr std::string_view kQueryServiceConfigW = "QueryServiceConfigW";
inline constexpr std::string_view kChangeServiceConfigW = "ChangeServiceConfigW";
inline constexpr std::string_view kStartServiceW = "StartServiceW";
// Windows Firewall's rules.
inline constexpr std::string_view kFwGetRules = "INetFwPolicy2::get_Rules";
inline constexpr std::string_view kFwAddRule = "INetFwRules::Add";
inline constexpr std::string_view kFwRemoveRule = "INetFwRules::Remove";
// Starting netsh.exe and the DHCP server program, awaiting netsh.exe and reading their exit codes.
inline constexpr std::string_view kShellExecuteW = "ShellExecuteW";
inline constexpr std::string_view kCreateProcessW = "CreateProcessW";
inline constexpr std::string_view kWaitForSingleObject = "WaitForSingleObject";
inline constexpr std::string_view kGetExitCodeProcess = "GetExitCodeProcess";
// Not a call of the program: a program it started ends with the failure's error as its exit code.
inline constexpr std::string_view kExitProcess = "ExitProcess";
// Closing the DHCP server's window, once its program is known to be the program's own.
inline constexpr std::string_view kQueryFullProcessImageNameW = "QueryFullProcessImageNameW";
inline constexpr std::string_view kSendMessageTimeoutW = "SendMessageTimeoutW";
// Not a call of the program: what netsh.exe did with an address command it was started with.
inline constexpr std::string_view kNetshSetAddress = "netsh.SetAddress";
// Not a call of the program: what netsh.exe did with an "interface set interface" command.
inline constexpr std::string_view kNetshSetInterface = "netsh.SetInterface";

// Every call a failure plan may address; a scenario naming anything else is refused.
inline constexpr std::string_view kFailableOperations[] = {
    kWlanOpenHandle,
    kWlanCloseHandle,
    kWlanEnumInterfaces,
    kWlanQueryInterface,
    kWlanGetInterfaceCapability,
    kWlanSetInterface,
    kWlanHostedNetworkInitSettings,
    kWlanHostedNetworkSetProperty,
    kWlanHostedNetworkSetSecondaryKey,
    kWlanHostedNetworkStartUsing,
    kWlanHostedNetworkForceStart,
    kWlanHostedNetworkStopUsing,
    kWlanHostedNetworkForceStop,
    kWlanHostedNetworkQueryStatus,
    kRegOpenKeyExW,
    kRegCreateKeyExW,
    kRegQueryValueExW,
    kRegSetValueExW,
    kRegCloseKey,
    kGetPrivateProfileStringW,
    kWritePrivateProfileStringW,
    kCoInitializeSecurity,
    kCoCreateInstance,
    kGetEnumEveryConnection,
    kGetNetConnectionProps,
    kGetSharingConfiguration,
    kGetSharingEnabled,
    kGetSharingConnectionType,
    kEnableSharing,
    kDisableSharing,
    kGetEnumPublicConnections,
    kGetEnumPrivateConnections,
    kGetAdaptersInfo,
    kGetBestInterface,
    kQueryServiceConfigW,
    kChangeServiceConfigW,
    kStartServiceW,
    kFwGetRules,
    kFwAddRule,
    kFwRemoveRule,
    kShellExecuteW,
    kCreateProcessW,
    kWaitForSingleObject,
    kGetExitCodeProcess,
    kExitProcess,
    kQueryFullProcessImageNameW,
    kSendMessageTimeoutW,
};

}  // namespace aerowisp::op
