// Loading conditions checked against the hull girder's permissible still-water shear forces and
// bending moments at the read-out points, with the envelope over all conditions and, when the rule
// wave loads are given, the section modulus each condition requires.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/HullGirder.h"
#include "model/Hydrostatics.h"
#include "model/StrengthResult.h"

class CHullTable;
class CLoadList;
class CWaveLoads;

// One read-out point (a frame or a bulkhead): its abscissa [m] and the permissible shear forces
// [t] and bending moments [t m], SF_min <= 0 <= SF_max and BM_sag <= 0 <= BM_hog.
struct SLimitPoint
{
    double x;
    double dSfMax;
    double dSfMin;
    double dBmHog;
    double dBmSag;
};

// A condition at one read-out point: V [t], M [t m], their utilisations [%] and, with the wave
// loads, the required section modulus [m³] (0 without them).
struct SPointCheck
{
    double dShear;
    double dMoment;
    double dShearUse;
    double dMomentUse;
    double dModulus;
};

// A value with the read-out point where it was met and the condition (its position) that met it.
struct SExtreme
{
    double dValue = 0;
    double x = 0;
    size_t nCondition = 0;
};

struct SConditionCheck
{
    std::string m_strName;
    CStrengthResult m_result;
    // The transverse metacentric height [m]: KMT at the drafts less the estimate's ZG.
    double m_dGmt = 0;
    // A row per read-out point, in the limits' order.
    std::vector<SPointCheck> m_points;
    // The largest utilisations and the largest required modulus, each at the first point where met.
    SExtreme m_shearUse;
    SExtreme m_momentUse;
    SExtreme m_modulus;

    // Whether every utilisation is at most 100 %.
    bool Within() const;
};

// What a check was made of, as its report names it: the files and the water's density [t/m³].
struct SCheckInputs
{
    std::string strHull;
    std::string strLimits;
    // Each condition's files, as written.
    std::vector<std::vector<std::string>> conditions;
    double dDensity = CHullGirder::kSeaWater;
};

class CLoadingCheck
{
public:
    // The hull, the limits and the wave loads (which may be none) must outlive this object; the
    // limits hold at least one point.
    CLoadingCheck(const CHullTable& hull, const std::vector<SLimitPoint>& limits, double dDensity,
                  const CWaveLoads* pWave);
    virtual ~CLoadingCheck();

    // 100 V / SF_max for a positive value, 100 V / SF_min for a negative one, 0 for none; a zero
    // limit against a value is an infinite utilisation.
    static double Utilisation(double dValue, double dPositiveLimit, double dNegativeLimit);

    // Floats the condition's loads, checks it at every read-out point and adds it to the envelope.
    // False, changing nothing, when it does not float: strRefusal names the condition and why.
    bool Add(const std::string& strName, CLoadList& list, std::string& strRefusal);
    // Whether every condition is within the limits.
    bool Within() const;

    const std::vector<SLimitPoint>& Limits() const { return m_limits; }
    const CWaveLoads* Wave() const { return m_pWave; }
    // The wave loads' distance from the aft end of L, which lies at the hull's first station.
    double FromAft(double x) const;

    std::vector<SConditionCheck> m_conditions;
    // The largest and smallest V and M met at any read-out point, the first met on ties.
    SExtreme m_shearMax;
    SExtreme m_shearMin;
    SExtreme m_momentHog;
    SExtreme m_momentSag;

private:
    CLoadingCheck(const CLoadingCheck&) = delete;
    CLoadingCheck& operator=(const CLoadingCheck&) = delete;

    void CheckPoints(SConditionCheck& condition) const;
    void AddToEnvelope(const SConditionCheck& condition, size_t nCondition);

    const CHullTable& m_hull;
    const std::vector<SLimitPoint>& m_limits;
    const CWaveLoads* m_pWave;
    CHullGirder m_girder;
    CHydrostatics m_hydrostatics;
};
