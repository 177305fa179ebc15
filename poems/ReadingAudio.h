#pragma once

class CKasumioriDoc;

// Stops and closes the recording that the document holds, if any; the document then holds none.
void StopReading(CKasumioriDoc* pDoc);
// Opens and starts the recording of one part of a poem while the voice is on.
void PlayReading(CKasumioriDoc* pDoc, bool bVoice, int nPart, int nPoem);
