// The hull girder in still water: the weight estimate floated on the hull's Bonjean table at the
// drafts where displacement and centre of buoyancy match the weight and its XG, then the shear
// force and bending moment of the difference.
#pragma once

#include <string>
#include <vector>

#include "model/StrengthResult.h"

class CHullTable;
class CLoadList;

class CHullGirder
{
public:
    // Sea water [t/m³].
    static constexpr double kSeaWater = 1.025;
    // The displacement must match the weight, and the centre of buoyancy XG, to this fraction of
    // the weight and of the hull's length.
    static constexpr double kTolerance = 1e-9;
    static constexpr int kMaxIterations = 60;

    // The table must outlive this object. One with a fault (CHullTable::Fault) is refused by
    // Compute, and the other operations give 0 for it.
    CHullGirder(const CHullTable& hull, double dDensity = kSeaWater);
    virtual ~CHullGirder();

    // Finds the equilibrium of the list's estimate and integrates its curves; when there is no
    // equilibrium inside the table, the result says why and which drafts were reached. Normalises
    // the loads; the list's cursor ends on its last load.
    CStrengthResult Compute(CLoadList& list) const;

    // The displacement [t] and its moment about the first station [t m] at the drafts, and their
    // derivatives by the aft and the forward draft.
    struct SBuoyancy
    {
        double dDisplacement = 0;
        double dMoment = 0;
        double dDisplacementByAft = 0;
        double dDisplacementByFwd = 0;
        double dMomentByAft = 0;
        double dMomentByFwd = 0;
    };
    SBuoyancy Buoyancy(double dAftDraft, double dFwdDraft) const;
    // The buoyancy per metre [t/m] at each station at the drafts.
    std::vector<double> StationBuoyancy(double dAftDraft, double dFwdDraft) const;
    // The draft [m] at which the hull floating level displaces dWeight [t]; dWeight must lie
    // between 0 and the displacement at the deepest draft.
    double LevelDraft(double dWeight) const;
    double DisplacementAtDeepest() const;

private:
    // The refusal, naming the drafts reached.
    static std::string Refusal(const std::string& strWhy, double dAft, double dFwd);

    const CHullTable& m_hull;
    double m_dDensity;
    // Per station: its share of the integral of b (the trapezoid's weights, times the density),
    // of the integral of (x - first station) b, and where it lies from aft (0) to forward (1).
    std::vector<double> m_areaWeights;
    std::vector<double> m_momentWeights;
    std::vector<double> m_fractions;
};
