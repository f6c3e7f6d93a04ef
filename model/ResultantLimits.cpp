// The left and right limits of the resultant at every discontinuity abscissa.
#include "model/ResultantLimits.h"

#include "model/LoadList.h"
#include "model/StackedSums.h"

CResultantLimits::CResultantLimits(CLoadList& list) : m_xs(list.m_abscissae.Values())
{
    CStackedSums lefts(CStackedSums::Shifted(m_xs, -kOffset));
    CStackedSums rights(CStackedSums::Shifted(m_xs, kOffset));
    const std::vector<CLoad*> loads = list.Loads();
    lefts.AddAll(loads);
    rights.AddAll(loads);
    list.Last();
    m_lefts = lefts.Sums();
    m_rights = rights.Sums();
    // In the order MaxOrdinate looks at them; a limit that is not a number is never larger.
    for (size_t j = 0; j < m_xs.size(); ++j)
    {
        if (m_lefts[j] > m_dMax)
            m_dMax = m_lefts[j];
        if (m_rights[j] > m_dMax)
            m_dMax = m_rights[j];
    }
}

CResultantLimits::~CResultantLimits() = default;
