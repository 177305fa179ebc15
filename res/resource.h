// Resource identifiers of the program. The framework's own command and string ids
// (ID_FILE_NEW, ID_APP_ABOUT, AFX_IDS_APP_TITLE ...) live in framework/AfxRes.h.
#pragma once

#define IDD_ABOUTBOX                    100
#define IDP_OLE_INIT_FAILED             100
#define IDD_KASUMIORI_FORM              101
#define IDR_POPUP_EDIT                  119
#define IDR_MAINFRAME                   128
#define IDR_KasumioriTYPE               130
#define IDR_FudatoriTYPE                131
#define IDS_EDIT_MENU                   306
#define IDB_BLANK_CARD                  311
#define IDD_FUDATORI_FORM               313
#define IDB_BOARD_CARDS                 313
#define IDB_CARDS                       314
#define IDD_SEISEKI                     316

// Application-look commands of menu 128
#define ID_VIEW_APPLOOK_WIN_2000        210
#define ID_VIEW_APPLOOK_OFF_XP          211
#define ID_VIEW_APPLOOK_WIN_XP          212
#define ID_VIEW_APPLOOK_OFF_2003        213
#define ID_VIEW_APPLOOK_VS_2005         214
#define ID_VIEW_APPLOOK_OFF_2007_BLUE   215
#define ID_VIEW_APPLOOK_OFF_2007_BLACK  216
#define ID_VIEW_APPLOOK_OFF_2007_SILVER 217
#define ID_VIEW_APPLOOK_OFF_2007_AQUA   218

// Controls of the practice form (dialog 101)
#define IDC_NEXT                        1000
#define IDC_ANSWER                      1001
#define IDC_PREV                        1002
#define IDC_RANDOM                      1003
#define IDC_LOWER_FIRST                 1004
#define IDC_NUMBER                      1005
#define IDC_VOICE                       1007

// Controls of the card-taking form (dialog 313); 1000 and 1005 are shared with the practice form
#define IDC_FINISH                      1001
#define IDC_DEAL                        1002
#define IDC_LOWER                       1003
#define IDC_SPEED                       1004
#define IDC_READ1                       1006
#define IDC_READ2                       1007
#define IDC_READ3                       1008
#define IDC_READ4                       1009
#define IDC_READ5                       1010
#define IDC_READ6                       1011
#define IDC_FUDATORI_VOICE              1012
#define IDC_AUTO                        1013
#define IDC_BOARD1                      1014
#define IDC_BOARD2                      1015
#define IDC_BOARD3                      1016
#define IDC_BOARD4                      1017
#define IDC_BOARD5                      1018
#define IDC_BOARD6                      1019
#define IDC_TEXT                        1020

// Activity switch (menus 130 and 131)
#define ID_SWITCH_PRACTICE              32772
#define ID_SWITCH_FUDATORI              32774
