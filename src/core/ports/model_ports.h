// The services the main window model works with, handed to it by whoever builds the main window.
#pragma once

#include "core/platform/ansi_code_page.h"
#include "core/platform/file_reader.h"
#include "core/platform/firewall.h"
#include "core/platform/network_adapters.h"
#include "core/platform/processes_and_windows.h"
#include "core/platform/retry_policy.h"
#include "core/platform/service_control.h"
#include "core/platform/settings_store.h"
#include "core/platform/sharing_manager.h"
#include "core/platform/timer_service.h"
#include "core/platform/wlan_service.h"

namespace aerowisp {

struct ModelPorts {
    WlanService& wlan;
    SettingsStore& settings;
    AnsiCodePage& codePage;
    TimerService& timers;
    ProcessesAndWindows& processes;
    SharingManagerService& sharingManager;
    NetworkAdapters& adapters;
    // The files beside the program, such as the DHCP server's leases.
    FileReader& files;
    // The sharing service and what it depends on.
    ServiceControl& services;
    // The DHCP server's inbound rule.
    Firewall& firewall;
    // How often a sequence of platform calls that failed is made again; RetryingPorts applies the same
    // policy to the single calls.
    const RetryPolicy& retry;
};

}  // namespace aerowisp
