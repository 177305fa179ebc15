// Command targets and message maps, windows, controls, drawing, dialogs and data exchange,
// views and frames, and the beep seam.
#pragma once

#include "AfxPlatform.h"
#include <commctrl.h>
#include <shellapi.h>

#include "AfxBeep.h"
#include "CCmdTarget.h"
#include "CCmdUI.h"
#include "CWnd.h"
#include "CGdiObject.h"
#include "CPen.h"
#include "CBrush.h"
#include "CBitmap.h"
#include "CFont.h"
#include "CDC.h"
#include "CClientDC.h"
#include "CWindowDC.h"
#include "CPaintDC.h"
#include "CMenu.h"
#include "CButton.h"
#include "CEdit.h"
#include "CStatic.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CCreateContext.h"
#include "CView.h"
#include "CScrollView.h"
#include "CFormView.h"
#include "CFrameWnd.h"
#include "CMDIFrameWnd.h"
#include "CMDIFrameWndEx.h"
#include "CMDIChildWnd.h"
#include "CMDIChildWndEx.h"
