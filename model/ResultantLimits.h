// The left and right limits of the resultant at every discontinuity abscissa, as the abscissae
// stand, computed once for a whole drawing pass: the fit, the outline and the axes share them.
#pragma once

#include <vector>

class CLoadList;
class CViewport;

class CResultantLimits
{
public:
    // The left and right limits of the resultant at x are p(x - kOffset) and p(x + kOffset) [m].
    static constexpr double kOffset = 1e-6;

    // Leaves the list's cursor on its last load, as a walk over the whole list does.
    explicit CResultantLimits(CLoadList& list);
    virtual ~CResultantLimits();

    // The abscissae, smallest first, and p(x - 1e-6), p(x + 1e-6) at each, bit for bit as
    // ValueAt gives them.
    std::vector<double> m_xs;
    std::vector<double> m_lefts;
    std::vector<double> m_rights;
    // The largest of the limits, not less than 0: what MaxOrdinate gives.
    double m_dMax = 0;
};
