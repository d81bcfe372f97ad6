// Identifiers shared by the gallery's resource script and its code.
#pragma once

// The dialog of native controls and its controls.
#define IDD_NATIVE_CONTROLS 100
#define IDC_PUSH_BUTTON 1001
#define IDC_DEFAULT_BUTTON 1002
#define IDC_DISABLED_BUTTON 1003
#define IDC_CHECK_BOX 1011
#define IDC_CHECK_BOX_CHECKED 1012
#define IDC_CHECK_BOX_3STATE 1013
#define IDC_RADIO_1 1021
#define IDC_RADIO_2 1022
#define IDC_RADIO_3 1023
#define IDC_GROUP_BOX 1031
#define IDC_EDIT 1041
#define IDC_EDIT_MULTILINE 1042
#define IDC_COMBO_SIMPLE 1051
#define IDC_COMBO_DROPDOWN 1052
#define IDC_COMBO_DROPDOWNLIST 1053
#define IDC_LIST_BOX 1061
#define IDC_SCROLL_HORZ 1071
#define IDC_SCROLL_VERT 1072
#define IDC_TAB 1081
#define IDC_TREE 1091
#define IDC_TOOL_BAR 1101
#define IDC_SIZE_GRIP 1111
