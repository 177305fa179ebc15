// What a frame needs to make its view: passed through the creation of the frame window.
#pragma once

#include "AfxPlatform.h"

struct CRuntimeClass;
class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

struct CCreateContext
{
    CCreateContext()
        : m_pNewViewClass(nullptr), m_pCurrentDoc(nullptr), m_pNewDocTemplate(nullptr),
          m_pLastView(nullptr), m_pCurrentFrame(nullptr)
    {
    }

    CRuntimeClass* m_pNewViewClass;   // the view to create, or null for none
    CDocument* m_pCurrentDoc;         // the document the view shows
    CDocTemplate* m_pNewDocTemplate;  // where an MDI child takes its menu and accelerators
    CView* m_pLastView;
    CFrameWnd* m_pCurrentFrame;
};
