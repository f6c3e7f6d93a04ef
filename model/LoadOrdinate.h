// A load's ordinate with its slope divided out once, for the exports that evaluate thousands of
// loads at thousands of abscissae. The operations are those of CLoad::ValueAt, in the same order,
// so every value has the same bits.
#pragma once

#include "model/Load.h"

class CLoadOrdinate
{
public:
    explicit CLoadOrdinate(const CLoad& load)
        : m_dX1(load.m_dX1), m_dX2(load.m_dX2), m_dY1(load.m_dY1),
          m_dSlope((load.m_dY2 - load.m_dY1) / (load.m_dX2 - load.m_dX1))
    {
    }

    double At(double x) const { return Covers(x) ? m_dY1 + m_dSlope * (x - m_dX1) : 0.0; }
    bool Covers(double x) const { return !(x < m_dX1 || x > m_dX2); }

    double m_dX1;
    double m_dX2;
    double m_dY1;
    double m_dSlope;
};
