// The two audio steps that both views take around a reading.
#include "ReadingAudio.h"
#include "KasumioriDoc.h"

void StopReading(CKasumioriDoc* pDoc)
{
    if (pDoc == nullptr || pDoc->m_nMciDeviceID == 0)
        return;
    // The results do not matter: a device that is already closed just refuses again.
    MCI_GENERIC_PARMS parms = {};
    mciSendCommandW(pDoc->m_nMciDeviceID, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
    mciSendCommandW(pDoc->m_nMciDeviceID, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
    // MCI hands a closed id to the next open, which may be another document's reading; an id
    // kept here would later stop and close that reading instead of nothing.
    pDoc->m_nMciDeviceID = 0;
}

void PlayReading(CKasumioriDoc* pDoc, bool bVoice, int nPart, int nPoem)
{
    if (!bVoice || pDoc == nullptr)
        return;
    pDoc->OpenReadingAudio(nPart, nPoem);
    if (pDoc->m_nMciDeviceID != 0)
    {
        // No wait and no notification: the view stays responsive while the verse is read.
        MCI_PLAY_PARMS parms = {};
        mciSendCommandW(pDoc->m_nMciDeviceID, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&parms));
    }
}
