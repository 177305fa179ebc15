// The one header that program code includes: Windows and the whole class framework.
#pragma once

#include "AfxPlatform.h"
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "AfxRes.h"
#include "AfxCore.h"   // strings, runtime classes, collections, geometry, files, dates, clock
#include "AfxWnd.h"    // command targets, windows, drawing, dialogs, views, frames
#include "AfxApp.h"    // documents, templates, the application object
