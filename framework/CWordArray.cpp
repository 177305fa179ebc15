#include "CWordArray.h"
#include "CInvalidArgException.h"
#include "CMemoryException.h"

#include <new>
#include <stdexcept>

IMPLEMENT_DYNAMIC(CWordArray, CObject)

CWordArray::CWordArray()
{
}

CWordArray::~CWordArray()
{
}

void CWordArray::SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException();
    try
    {
        m_aData.resize(static_cast<size_t>(nNewSize), 0);
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
    catch (const std::length_error&)
    {
        AfxThrowMemoryException();
    }
}

void CWordArray::CheckIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        AfxThrowInvalidArgException();
}

WORD CWordArray::GetAt(INT_PTR nIndex) const
{
    CheckIndex(nIndex);
    return m_aData[static_cast<size_t>(nIndex)];
}

void CWordArray::SetAt(INT_PTR nIndex, WORD newElement)
{
    CheckIndex(nIndex);
    m_aData[static_cast<size_t>(nIndex)] = newElement;
}

WORD& CWordArray::ElementAt(INT_PTR nIndex)
{
    CheckIndex(nIndex);
    return m_aData[static_cast<size_t>(nIndex)];
}

const WORD& CWordArray::ElementAt(INT_PTR nIndex) const
{
    CheckIndex(nIndex);
    return m_aData[static_cast<size_t>(nIndex)];
}

INT_PTR CWordArray::Add(WORD newElement)
{
    try
    {
        m_aData.push_back(newElement);
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
    return GetSize() - 1;
}

void CWordArray::RemoveAll()
{
    m_aData.clear();
}
