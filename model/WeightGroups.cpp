// The code rule and the sums of the loads by group.
#include "model/WeightGroups.h"

#include <algorithm>
#include <numeric>

#include "model/CentreTerms.h"
#include "model/LoadList.h"

const char* const CWeightGroups::kNoCode = "-";

namespace
{
// Only ASCII counts: a name's other bytes are letters of some code page, never digits.
bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsLetterOrDigit(char ch)
{
    return IsDigit(ch) || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Weight and centres of the loads at positions [first, last) of order, each added to its own sum
// from 0 as the totals add them: the weights first, then every centre's terms over that weight.
void SumLoads(const std::vector<CLoad*>& loads, const size_t* pFirst, const size_t* pLast,
              SWeightGroup& group)
{
    group.m_nCount = static_cast<int>(pLast - pFirst);
    double dWeight = 0;
    for (const size_t* p = pFirst; p != pLast; ++p)
        dWeight += loads[*p]->m_dWeight;
    group.m_dWeight = dWeight;
    // An empty set has its centre at 0, as the totals of an empty list have.
    double dX = 0, dY = 0, dZ = 0;
    for (const size_t* p = pFirst; p != pLast; ++p)
    {
        dX += CCentreTerms::X(*loads[*p], dWeight);
        dY += CCentreTerms::Y(*loads[*p], dWeight);
        dZ += CCentreTerms::Z(*loads[*p], dWeight);
    }
    group.m_dXg = dX;
    group.m_dYg = dY;
    group.m_dZg = dZ;
}
} // namespace

std::string CWeightGroups::CodeOf(const std::string& strName)
{
    std::string strCode;
    size_t i = 0;
    while (i < strName.size() && IsDigit(strName[i]))
    {
        strCode += strName[i++];
        // A dot joins two digits; any other dot ends the code ("7.", "3.x").
        if (i + 1 < strName.size() && strName[i] == '.' && IsDigit(strName[i + 1]))
            ++i;
    }
    if (i < strName.size() && IsLetterOrDigit(strName[i]))
        return std::string();
    return strCode;
}

std::string CWeightGroups::GroupOf(const std::string& strName, int nLevel)
{
    const std::string strCode = CodeOf(strName);
    if (strCode.empty())
        return kNoCode;
    return strCode.substr(0, static_cast<size_t>(std::clamp(nLevel, kMinLevel, kMaxLevel)));
}

void CWeightGroups::Compute(CLoadList& list, int nLevel)
{
    m_nLevel = std::clamp(nLevel, kMinLevel, kMaxLevel);
    const std::vector<CLoad*> loads = list.Loads();
    std::vector<std::string> names(loads.size());
    std::vector<size_t> order(loads.size());
    for (size_t i = 0; i < loads.size(); ++i)
    {
        loads[i]->Normalize();
        names[i] = CodeOf(loads[i]->m_strName).substr(0, static_cast<size_t>(m_nLevel));
        order[i] = i;
    }
    // Codes compare as text and the loads without one (an empty name here) come after them all;
    // within a group the loads stay in list order, the order in which the totals add them.
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (names[a].empty() || names[b].empty())
            return !names[a].empty() && names[b].empty();
        return names[a] < names[b];
    });
    m_groups.clear();
    for (size_t nFirst = 0, nLast = 0; nFirst < order.size(); nFirst = nLast)
    {
        const std::string& strName = names[order[nFirst]];
        for (nLast = nFirst + 1; nLast < order.size() && names[order[nLast]] == strName;)
            ++nLast;
        m_groups.emplace_back();
        m_groups.back().m_strName = strName.empty() ? kNoCode : strName;
        SumLoads(loads, order.data() + nFirst, order.data() + nLast, m_groups.back());
    }
    std::iota(order.begin(), order.end(), size_t(0));
    m_total = SWeightGroup();
    m_total.m_strName = "totale";
    SumLoads(loads, order.data(), order.data() + order.size(), m_total);
}

double CWeightGroups::Percentage(const SWeightGroup& group) const
{
    // The share first: 100 x a huge weight would overflow where the share does not.
    return 100 * (group.m_dWeight / m_total.m_dWeight);
}
