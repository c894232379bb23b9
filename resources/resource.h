// Resource and command identifiers shared by the resource script and the code.
#pragma once

// Dialog templates, menu, icon.
#define IDD_ABOUTBOX 100
#define IDD_PLAYER 129
#define IDR_MAIN_MENU 201
#define IDI_PLAYER 128

// Bitmaps: four-image strips (normal, pressed, hover, disabled) and pictures.
#define IDB_PLAY_FACE 204
#define IDB_STOP_FACE 205
#define IDB_TRACK_LABEL 208
#define IDB_EXIT 209
#define IDB_BACKGROUND 210
#define IDB_NEXT 211
#define IDB_CUE 212
#define IDB_PREV 213
#define IDB_GROUP_LABEL 214

// Strings.
#define IDS_LABEL_TEXT_COLOR 129
#define IDS_TIP_PLAY 130
#define IDS_TIP_STOP 131
#define IDS_TIP_NEXT 132
#define IDS_TIP_PREV 133
#define IDS_TIP_CUE 134
#define IDS_TIP_EXIT 135
#define IDS_DEFAULT_GROUP_ITEM 136
#define IDS_DEFAULT_GROUP_NAME 137
#define IDS_BROWSE_TITLE 138
#define IDS_VOLUME_LABEL 139

// Controls of the main window (the exit button is IDOK) and of the About box.
#define IDC_PLAY 1001
#define IDC_CUE 1002
#define IDC_NEXT 1003
#define IDC_PREV 1004
#define IDC_TRACK_MENU 1005
#define IDC_GROUP_MENU 1006
#define IDC_VERSION 1012
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main menu commands.
#define ID_ORDER_RANDOM 32774
#define ID_REPEAT 32776
#define ID_FOLDER_CURRENT 32780
#define ID_TOPMOST 32782
#define ID_ORDER_REVERSE 32786
#define ID_ORDER_NAME 32789
#define ID_ORDER_CREATED 32790
#define ID_FOLDER_SETTINGS 32791
#define ID_ORDER_ACCESSED 32793
#define ID_TRANSPARENT 32795
#define ID_ONE_PLAY 32797
#define ID_EXCLUDE_EXT 32800
#define ID_APP_ABOUT 57664

// The group and track menus number their items from here: item = id - first.
#define ID_DYNAMIC_FIRST 32970
#define ID_DYNAMIC_LAST 42970

// The pictures drawn at other display scales: the bitmap's id and the scale in percent.
#define SCALED_PICTURE(bitmapId, percent) (((bitmapId) - 200) * 1000 + (percent))
