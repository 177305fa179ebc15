// Command, string and control ids of the framework; plain #defines so the resource script can
// use them too.
#pragma once

#define ID_FILE_NEW             0xE100
#define ID_FILE_OPEN            0xE101
#define ID_FILE_CLOSE           0xE102
#define ID_FILE_SAVE            0xE103
#define ID_FILE_SAVE_AS         0xE104
#define ID_FILE_MRU_FILE1       0xE110
#define ID_FILE_MRU_FILE2       0xE111
#define ID_FILE_MRU_FILE3       0xE112
#define ID_FILE_MRU_FILE4       0xE113
#define ID_FILE_MRU_FIRST       ID_FILE_MRU_FILE1
#define ID_FILE_MRU_LAST        0xE11F
#define ID_EDIT_COPY            0xE122
#define ID_EDIT_CUT             0xE123
#define ID_EDIT_PASTE           0xE125
#define ID_EDIT_UNDO            0xE12B
#define ID_APP_ABOUT            0xE140
#define ID_APP_EXIT             0xE141
#define ID_HELP_INDEX           0xE142
#define ID_HELP_FINDER          0xE143
#define ID_HELP_USING           0xE144
#define ID_CONTEXT_HELP         0xE145
#define ID_HELP                 0xE146
#define ID_DEFAULT_HELP         0xE147
#define ID_NEXT_PANE            0xE150
#define ID_PREV_PANE            0xE151
#define ID_VIEW_TOOLBAR         0xE800
#define ID_VIEW_STATUS_BAR      0xE801

#define AFX_IDS_APP_TITLE       0xE000
#define AFX_IDW_PANE_FIRST      0xE900

// The framework's own prompts (string table entries of the framework's resource block,
// framework/AfxStrings.rc is included by the program's script).
#define AFX_IDP_FAILED_TO_OPEN_DOC   0xF101
#define AFX_IDP_FAILED_TO_SAVE_DOC   0xF102
#define AFX_IDS_ALLFILTER            0xF103
#define AFX_IDS_UNTITLED             0xF104
#define AFX_IDS_SAVEFILE             0xF105
#define AFX_IDS_OPENFILE             0xF106
#define AFX_IDP_ASK_TO_SAVE          0xF107
