// A matrix of doubles with 1-based element access.
#include "view/Matrix.h"

CMatrix::~CMatrix()
{
    Free();
}

double* CMatrix::Element(int nRow, int nCol) const
{
    if (!m_pElements || nRow < 1 || nRow > RowCount() || nCol < 1 || nCol > ColCount())
        return nullptr;
    return m_pElements + (nRow - 1) * ColCount() + (nCol - 1);
}

void CMatrix::Free()
{
    delete[] m_pElements;
    m_pElements = nullptr;
}

void CMatrix::Add(const CMatrix& a, const CMatrix& b)
{
    const int nRows = RowCount();
    const int nCols = ColCount();
    if (a.RowCount() != nRows || b.RowCount() != nRows || a.ColCount() != nCols || b.ColCount() != nCols)
        return;
    for (int i = 1; i <= nRows * nCols; ++i)
    {
        double* pResult = Item(i);
        const double* pA = a.Item(i);
        const double* pB = b.Item(i);
        if (pResult && pA && pB)
            *pResult = *pA + *pB;
    }
}

double* CMatrix::Item(int i) const
{
    if (!m_pElements || i < 1 || i > RowCount() * ColCount())
        return nullptr;
    return m_pElements + (i - 1);
}

void CMatrix::Zero()
{
    for (int i = 1; i <= RowCount() * ColCount(); ++i)
    {
        if (double* pElement = Item(i))
            *pElement = 0;
    }
}

void AssignPoint(CMatrix& dest, const CMatrix& src)
{
    if (src.RowCount() != 3 || src.ColCount() != 1)
        return;
    for (int i = 1; i <= 3; ++i)
    {
        double* pDest = dest.Item(i);
        const double* pSrc = src.Item(i);
        if (pDest && pSrc)
            *pDest = *pSrc;
    }
}

double Smaller(double a, double b)
{
    return a < b ? a : b;
}
