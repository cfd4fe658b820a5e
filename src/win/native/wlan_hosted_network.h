// The Native Wifi hosted-network declarations of the Windows 7 SDK, which mingw-w64's wlanapi.h lacks.
// Neither the x86 import library nor Wine's wlanapi.dll exports all of these functions, so callers
// resolve them from wlanapi.dll at run time (their types are taken from the declarations below).
#pragma once

#include <windows.h>
#include <wlanapi.h>

#include <cstddef>

extern "C" {

typedef enum _WLAN_HOSTED_NETWORK_REASON {
    wlan_hosted_network_reason_success = 0,
    wlan_hosted_network_reason_unspecified,
    wlan_hosted_network_reason_bad_parameters,
    wlan_hosted_network_reason_service_shutting_down,
    wlan_hosted_network_reason_insufficient_resources,
    wlan_hosted_network_reason_elevation_required,
    wlan_hosted_network_reason_read_only,
    wlan_hosted_network_reason_persistence_failed,
    wlan_hosted_network_reason_crypt_error,
    wlan_hosted_network_reason_impersonation,
    wlan_hosted_network_reason_stop_before_start,
    wlan_hosted_network_reason_interface_available,
    wlan_hosted_network_reason_interface_unavailable,
    wlan_hosted_network_reason_miniport_stopped,
    wlan_hosted_network_reason_miniport_started,
    wlan_hosted_network_reason_incompatible_connection_started,
    wlan_hosted_network_reason_incompatible_connection_stopped,
    wlan_hosted_network_reason_user_action,
    wlan_hosted_network_reason_client_abort,
    wlan_hosted_network_reason_ap_start_failed,
    wlan_hosted_network_reason_peer_arrived,
    wlan_hosted_network_reason_peer_departed,
    wlan_hosted_network_reason_peer_timeout,
    wlan_hosted_network_reason_gp_denied,
    wlan_hosted_network_reason_service_unavailable,
    wlan_hosted_network_reason_device_change,
    wlan_hosted_network_reason_properties_change,
    wlan_hosted_network_reason_virtual_station_blocking_use,
    wlan_hosted_network_reason_service_available_on_virtual_station
} WLAN_HOSTED_NETWORK_REASON,
    *PWLAN_HOSTED_NETWORK_REASON;

typedef enum _WLAN_HOSTED_NETWORK_OPCODE {
    wlan_hosted_network_opcode_connection_settings,
    wlan_hosted_network_opcode_security_settings,
    wlan_hosted_network_opcode_station_profile,
    wlan_hosted_network_opcode_enable
} WLAN_HOSTED_NETWORK_OPCODE,
    *PWLAN_HOSTED_NETWORK_OPCODE;

typedef enum _WLAN_HOSTED_NETWORK_STATE {
    wlan_hosted_network_unavailable,
    wlan_hosted_network_idle,
    wlan_hosted_network_active
} WLAN_HOSTED_NETWORK_STATE,
    *PWLAN_HOSTED_NETWORK_STATE;

typedef enum _WLAN_HOSTED_NETWORK_PEER_AUTH_STATE {
    wlan_hosted_network_peer_state_invalid,
    wlan_hosted_network_peer_state_authenticated
} WLAN_HOSTED_NETWORK_PEER_AUTH_STATE,
    *PWLAN_HOSTED_NETWORK_PEER_AUTH_STATE;

typedef struct _WLAN_HOSTED_NETWORK_PEER_STATE {
    DOT11_MAC_ADDRESS PeerMacAddress;
    WLAN_HOSTED_NETWORK_PEER_AUTH_STATE PeerAuthState;
} WLAN_HOSTED_NETWORK_PEER_STATE, *PWLAN_HOSTED_NETWORK_PEER_STATE;

typedef struct _WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS {
    DOT11_SSID hostedNetworkSSID;
    DWORD dwMaxNumberOfPeers;
} WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS, *PWLAN_HOSTED_NETWORK_CONNECTION_SETTINGS;

typedef struct _WLAN_HOSTED_NETWORK_STATUS {
    WLAN_HOSTED_NETWORK_STATE HostedNetworkState;
    GUID IPDeviceID;
    DOT11_MAC_ADDRESS wlanHostedNetworkBSSID;
    DOT11_PHY_TYPE dot11PhyType;
    ULONG ulChannelFrequency;
    DWORD dwNumberOfPeers;
    WLAN_HOSTED_NETWORK_PEER_STATE PeerList[1];
} WLAN_HOSTED_NETWORK_STATUS, *PWLAN_HOSTED_NETWORK_STATUS;

DWORD WINAPI WlanHostedNetworkInitSettings(HANDLE hClientHandle, PWLAN_HOSTED_NETWORK_REASON pFailReason,
                                           PVOID pvReserved);
DWORD WINAPI WlanHostedNetworkSetProperty(HANDLE hClientHandle, WLAN_HOSTED_NETWORK_OPCODE OpCode,
                                          DWORD dwDataSize, PVOID pvData,
                                          PWLAN_HOSTED_NETWORK_REASON pFailReason, PVOID pvReserved);
DWORD WINAPI WlanHostedNetworkSetSecondaryKey(HANDLE hClientHandle, DWORD dwKeyLength, PUCHAR pucKeyData,
                                              BOOL bIsPassPhrase, BOOL bPersistent,
                                              PWLAN_HOSTED_NETWORK_REASON pFailReason, PVOID pvReserved);
DWORD WINAPI WlanHostedNetworkStartUsing(HANDLE hClientHandle, PWLAN_HOSTED_NETWORK_REASON pFailReason,
                                         PVOID pvReserved);
DWORD WINAPI WlanHostedNetworkForceStart(HANDLE hClientHandle, PWLAN_HOSTED_NETWORK_REASON pFailReason,
                                         PVOID pvReserved);
DWORD WINAPI WlanHostedNetworkStopUsing(HANDLE hClientHandle, PWLAN_HOSTED_NETWORK_REASON pFailReason,
                                        PVOID pvReserved);
DWORD WINAPI WlanHostedNetworkForceStop(HANDLE hClientHandle, PWLAN_HOSTED_NETWORK_REASON pFailReason,
                                        PVOID pvReserved);
DWORD WINAPI WlanHostedNetworkQueryStatus(HANDLE hClientHandle,
                                          PWLAN_HOSTED_NETWORK_STATUS* ppWlanHostedNetworkStatus,
                                          PVOID pvReserved);

}  // extern "C"

// The records the WLAN service reads and writes byte for byte.
static_assert(sizeof(DOT11_SSID) == 36);
static_assert(offsetof(DOT11_SSID, ucSSID) == 4);
static_assert(sizeof(WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS) == 40);
static_assert(offsetof(WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS, hostedNetworkSSID) == 0);
static_assert(offsetof(WLAN_HOSTED_NETWORK_CONNECTION_SETTINGS, dwMaxNumberOfPeers) == 36);
static_assert(sizeof(WLAN_PHY_RADIO_STATE) == 12);
static_assert(sizeof(WLAN_HOSTED_NETWORK_PEER_STATE) == 12);
static_assert(offsetof(WLAN_HOSTED_NETWORK_PEER_STATE, PeerAuthState) == 8);
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, IPDeviceID) == 4);
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, wlanHostedNetworkBSSID) == 20);
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, ulChannelFrequency) == 32);
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, dwNumberOfPeers) == 36);
static_assert(offsetof(WLAN_HOSTED_NETWORK_STATUS, PeerList) == 40);
