// The estimate summed by group: a load's group is read from the numeric code that starts its name
// ("311 Paratie stagne", "3.1.1 Paratie"), and each group has its weight and centre of gravity.
#pragma once

#include <string>
#include <vector>

class CLoadList;

struct SWeightGroup
{
    std::string m_strName;
    int m_nCount = 0;
    double m_dWeight = 0;
    double m_dXg = 0;
    double m_dYg = 0;
    double m_dZg = 0;
};

class CWeightGroups
{
public:
    static constexpr int kMinLevel = 1;
    static constexpr int kMaxLevel = 9;
    // The group of the loads whose names carry no code, listed last.
    static const char* const kNoCode;

    // The longest leading run of digits, single dots allowed between two digits and dropped:
    // "3.1.1 Paratie" gives "311". Empty when there is none, or when the run goes on into an ASCII
    // letter ("2x Motore", "1.2a Voce"); a name that starts with a blank has none.
    static std::string CodeOf(const std::string& strName);
    // The first nLevel digits of the name's code (all of it when shorter), or kNoCode.
    static std::string GroupOf(const std::string& strName, int nLevel);

    // Normalises every load, as the totals do, and sums the loads by their group at nLevel (taken
    // within kMinLevel..kMaxLevel). Each group's weight and centres are what the totals give for a
    // list holding only that group's loads, in the same order, bit for bit; m_total is the totals
    // of the whole list.
    void Compute(CLoadList& list, int nLevel);
    // Whether the shares of the total can be given: not when the total weight is zero.
    bool HasPercentages() const { return m_total.m_dWeight != 0; }
    // 100 x the group's weight / the total weight.
    double Percentage(const SWeightGroup& group) const;

    int m_nLevel = kMinLevel;
    // In ascending order of their names compared as text ("1" < "10" < "2"), kNoCode last.
    std::vector<SWeightGroup> m_groups;
    SWeightGroup m_total;
};
