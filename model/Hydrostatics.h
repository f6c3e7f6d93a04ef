// The hull's hydrostatics at one waterline, level or trimmed: volume, centres of buoyancy and
// flotation, waterplane, metacentres, from the table of sectional areas as it is interpolated.
#pragma once

#include <vector>

#include "model/HullGirder.h"

class CHullTable;

// At one waterline; Cb is NaN on a trimmed waterline. Lengths in m, areas in m², volume in m³,
// displacement in t, TPC in t/cm, MCT1cm in t·m/cm. With no volume the ratios are not numbers.
struct SHydrostatics
{
    double dVolume, dDisplacement, dLcb, dKb, dAw, dLcf, dTpc, dMct1cm, dBmt, dKmt, dBml, dKml, dCb;
};

class CHydrostatics
{
public:
    // The table must outlive this object. For a table with a fault (CHullTable::Fault) every
    // figure is NaN.
    explicit CHydrostatics(const CHullTable& hull, double dDensity = CHullGirder::kSeaWater);
    virtual ~CHydrostatics();

    // The waterline from dAftDraft at the first station to dFwdDraft at the last (level when equal).
    SHydrostatics At(double dAftDraft, double dFwdDraft) const;

    // One station's section at its draft: the area [m²], the waterline breadth dA/dT [m] and the
    // vertical moment of the area about the keel line [m³].
    struct SSection
    {
        double dArea;
        double dBreadth;
        double dMoment;
    };
    SSection SectionAt(size_t i, double dDraft) const;

private:
    const CHullTable& m_hull;
    double m_dDensity;
    bool m_bUsable;
    // Per station, the section's moment about the keel line at each table draft.
    std::vector<double> m_moments;
    // Per station, where it lies from the first (0) to the last (1).
    std::vector<double> m_fractions;
};
