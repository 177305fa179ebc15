// Documents, document templates, the document manager and the application object.
#pragma once

#include "CDocument.h"
#include "CDocTemplate.h"
#include "CMultiDocTemplate.h"
#include "CDocManager.h"
#include "CRecentFileList.h"
#include "CCommandLineInfo.h"
#include "CMFCToolTipInfo.h"
#include "CMFCToolTipCtrl.h"
#include "CContextMenuManager.h"
#include "CKeyboardManager.h"
#include "CTooltipManager.h"
#include "CWinApp.h"
#include "CWinAppEx.h"
#include "AfxMsg.h"
