// The estimate by group as CSV: a row per group and the total, numbers with ten significant digits
// and a point, rows ending in CR LF. The batch tool and the program's window write the same bytes.
#pragma once

class CFile;
class CWeightGroups;

class CWeightGroupsFile
{
public:
    // "gruppo,carichi,peso,percentuale,XG,YG,ZG", a row per group, then the row "totale"; the
    // percentages are left empty when the total weight is zero.
    static void Write(CFile& file, const CWeightGroups& groups);
};
