// The estimate by group as CSV.
#include "document/WeightGroupsFile.h"

#include <string>

#include "document/File.h"
#include "model/NumberFormat.h"
#include "model/WeightGroups.h"

namespace
{
std::string Number(double dValue)
{
    return CNumberFormat::Format("%.10G", dValue);
}

std::string Row(const CWeightGroups& groups, const SWeightGroup& group)
{
    const std::string strShare = groups.HasPercentages() ? Number(groups.Percentage(group)) : std::string();
    return group.m_strName + "," + std::to_string(group.m_nCount) + "," + Number(group.m_dWeight) + "," +
           strShare + "," + Number(group.m_dXg) + "," + Number(group.m_dYg) + "," + Number(group.m_dZg) +
           "\r\n";
}
} // namespace

void CWeightGroupsFile::Write(CFile& file, const CWeightGroups& groups)
{
    std::string strOut = "gruppo,carichi,peso,percentuale,XG,YG,ZG\r\n";
    for (const SWeightGroup& group : groups.m_groups)
        strOut += Row(groups, group);
    strOut += Row(groups, groups.m_total);
    file.Write(strOut);
}
