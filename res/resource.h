#pragma once

// Resource and control identifiers shared by the windows and the toolkit.

#define IDD_LOGIN_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_LOGINACTIVE_DIALOG 132
#define IDB_PNG_LOGIN 155
#define IDB_PNG_CLOSE 160
#define IDB_PNG_MIN 162
#define IDD_CONFIRM_DIALOG 172
#define IDB_PNG_CONFIRM 175
#define IDB_PNG_CANCEL 176
#define IDB_CONFIRM_BACK 177

#define IDC_EXPLORER 1000
#define IDC_STATIC_TITLE 1002
#define IDC_STATIC_QUESTION 1003
#define IDC_BTN_CLOSE 1005
#define IDC_BTN_MIN 1006
#define IDC_BTN_CONFIRM 1008
#define IDC_BTN_CANCEL 1009
