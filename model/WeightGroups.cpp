// The code rule and the sums of the loads by group.
#include "model/WeightGroups.h"

#include <algorithm>
#include <map>

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

// Weight and centres of the loads in order, each added to its own sum from 0 as the totals add
// them: the weights first, then every centre's terms over the weight just found.
void SumLoads(const std::vector<const CLoad*>& loads, SWeightGroup& group)
{
    group.m_nCount = static_cast<int>(loads.size());
    double dWeight = 0;
    for (const CLoad* pLoad : loads)
        dWeight += pLoad->m_dWeight;
    group.m_dWeight = dWeight;
    // An empty set has its centre at 0, as the totals of an empty list have.
    double dX = 0, dY = 0, dZ = 0;
    for (const CLoad* pLoad : loads)
    {
        dX += CCentreTerms::X(*pLoad, dWeight);
        dY += CCentreTerms::Y(*pLoad, dWeight);
        dZ += CCentreTerms::Z(*pLoad, dWeight);
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
    // Codes compare as text; the loads without one come after all of them.
    std::map<std::string, std::vector<const CLoad*>> byName;
    std::vector<const CLoad*> uncoded;
    std::vector<const CLoad*> all;
    all.reserve(static_cast<size_t>(std::max(list.m_nCount, 0)));
    for (CLoad* pLoad : list.Loads())
    {
        pLoad->Normalize();
        all.push_back(pLoad);
        const std::string strCode = CodeOf(pLoad->m_strName);
        if (strCode.empty())
            uncoded.push_back(pLoad);
        else
            byName[strCode.substr(0, static_cast<size_t>(m_nLevel))].push_back(pLoad);
    }
    m_groups.clear();
    m_groups.reserve(byName.size() + 1);
    for (const auto& [strName, loads] : byName)
    {
        m_groups.emplace_back();
        m_groups.back().m_strName = strName;
        SumLoads(loads, m_groups.back());
    }
    if (!uncoded.empty())
    {
        m_groups.emplace_back();
        m_groups.back().m_strName = kNoCode;
        SumLoads(uncoded, m_groups.back());
    }
    m_total = SWeightGroup();
    m_total.m_strName = "totale";
    SumLoads(all, m_total);
}

double CWeightGroups::Percentage(const SWeightGroup& group) const
{
    // The share first: 100 x a huge weight would overflow where the share does not.
    return 100 * (group.m_dWeight / m_total.m_dWeight);
}
