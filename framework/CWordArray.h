// A growable array of 16-bit words, zero-filled when it grows.
// An index outside 0..GetSize()-1 throws CInvalidArgException* (nothing is read or written);
// a failed allocation throws CMemoryException*.
#pragma once

#include "CObject.h"
#include <vector>

class CWordArray : public CObject
{
    DECLARE_DYNAMIC(CWordArray)
public:
    CWordArray();
    ~CWordArray() override;

    // nGrowBy is accepted for compatibility; growth is left to the vector.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_aData.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_aData.empty(); }

    WORD GetAt(INT_PTR nIndex) const;
    void SetAt(INT_PTR nIndex, WORD newElement);
    WORD& ElementAt(INT_PTR nIndex);
    const WORD& ElementAt(INT_PTR nIndex) const;
    WORD& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    WORD operator[](INT_PTR nIndex) const { return GetAt(nIndex); }

    INT_PTR Add(WORD newElement);      // index of the new element
    void RemoveAll();
    WORD* GetData() { return m_aData.empty() ? nullptr : m_aData.data(); }
    const WORD* GetData() const { return m_aData.empty() ? nullptr : m_aData.data(); }

private:
    void CheckIndex(INT_PTR nIndex) const;

    std::vector<WORD> m_aData;
};
