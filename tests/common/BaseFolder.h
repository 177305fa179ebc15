// How a document's base folder names a folder of the tests: every separator doubled, as the
// practice view writes the current directory into it.
#pragma once
#include "Afx.h"

CString DoubledSeparators(const CString& strFolder);
