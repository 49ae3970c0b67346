// Resource ids of TX80.exe, shared by TX80.rc and the Win32 backend. The logic
// uses the same numbers as plain values (dialog templates, string 101).
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_NRV_VIRUVI_DIALOG 102
#define IDR_MAINFRAME 159
// The event list's right-button menu, English and Chinese interface.
#define IDR_EVENT_MENU_EN 154
#define IDR_EVENT_MENU_CN 161
// The tray icon's menu, English and Chinese interface.
#define IDR_TRAY_MENU_EN 157
#define IDR_TRAY_MENU_CN 162
// The button assignment lists and the warning before the last left click goes.
#define IDD_MENU_DIALOG 103
#define IDD_SUBMENU_DIALOG 104
#define IDD_WARNING_DIALOG 105
// The game profiles dialog, English and Chinese, and its controls.
#define IDD_GAME_PROFILES_EN 106
#define IDD_GAME_PROFILES_CN 107
#define IDC_GAME_RULES 1001
#define IDC_GAME_PROFILE 1002
#define IDC_GAME_ADD 1003
#define IDC_GAME_REMOVE 1004
