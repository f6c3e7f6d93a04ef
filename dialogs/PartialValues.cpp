// The running sums of the discontinuity explorer.
#include "dialogs/PartialValues.h"

#include <algorithm>

#include "model/LoadList.h"

std::vector<double> CPartialValues::At(CLoadList& list, double x)
{
    std::vector<double> sums;
    list.RunningSumsAt(x, sums);
    std::vector<double> values;
    double dPrev = 0;
    // From the last load back, as the list is built from its bottom line up.
    for (int n = list.m_nCount; n >= 1; --n)
    {
        const double v = sums[static_cast<size_t>(n)];
        if (v != dPrev)
            values.push_back(v);
        dPrev = v;
    }
    std::reverse(values.begin(), values.end());
    return values;
}
