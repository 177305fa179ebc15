#pragma once
#include "Afx.h"

int StrToNum(CString str);
int Pow10(int n);
CString NumToStr(int n);
