// A load's share of the centre of gravity of a set of loads: the totals add these up load by load,
// in list order, from 0. The one place where that arithmetic is written, so that the totals of the
// whole estimate and of any group of its loads agree to the bit.
#pragma once

#include "model/Load.h"

class CCentreTerms
{
public:
    // Each term is divided by the set's weight dWeight before it is added, not the sum after.
    static double X(const CLoad& load, double dWeight)
    {
        return (load.m_dX1 + load.m_dXgRel) * load.m_dWeight / dWeight;
    }
    static double Y(const CLoad& load, double dWeight) { return load.m_dWeight * load.m_dYg / dWeight; }
    static double Z(const CLoad& load, double dWeight) { return load.m_dWeight * load.m_dZg / dWeight; }
};
