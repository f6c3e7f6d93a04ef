// The weight curve as strength programs take it: the weight of each of a row of equal station
// intervals, the exact integral of p over it, and its centre.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CLoadList;

struct SStationWeight
{
    double dFrom;
    double dTo;
    // [t], and the interval's midpoint where it weighs nothing.
    double dWeight;
    double dXg;
};

class CStationCurve
{
public:
    static constexpr long kMaxCount = 1000000;

    CStationCurve() = default;
    virtual ~CStationCurve();

    // nCount intervals from dFrom to dTo. False, with m_strRefusal saying why and nothing else
    // set, for ends that are not finite or not in order, a count outside 1..kMaxCount, or loads
    // that are not finite. Normalises the loads; the list's cursor ends on its last load.
    bool Build(CLoadList& list, double dFrom, double dTo, long nCount);

    std::vector<SStationWeight> m_stations;
    // The part of the estimate's weight that lies outside dFrom..dTo [t].
    double m_dOutside = 0;
    std::string m_strRefusal;
};
