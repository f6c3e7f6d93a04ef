// The load record: normal form, ordinate and copy.
#include "model/Load.h"

#include <cmath>
#include <utility>

#include "model/LoadOrdinate.h"

CLoad::CLoad()
    : m_dZg(0), m_dYg(0), m_dXgRel(0.5), m_dX1(0), m_dY1(0), m_dX2(1.0), m_dY2(0), m_dWeight(0),
      m_pNext(nullptr), m_pPrev(nullptr)
{
}

CLoad::~CLoad() = default;

void CLoad::Normalize()
{
    // A load of zero length becomes one of 1 mm starting at the common abscissa; so far from
    // the origin that a millimetre is lost in rounding, of the smallest length there is.
    if (m_dX1 == m_dX2)
        m_dX1 = m_dX2 + 0.001;
    if (m_dX1 == m_dX2)
    {
        m_dX1 = std::nextafter(m_dX2, HUGE_VAL);
        // At the largest double the step up is infinite, which no file could hold: step down.
        if (std::isinf(m_dX1) && std::isfinite(m_dX2))
            m_dX1 = std::nextafter(m_dX2, -HUGE_VAL);
    }
    if (m_dX1 > m_dX2)
        std::swap(m_dX1, m_dX2);
    const double dLength = m_dX2 - m_dX1;
    if (std::isinf(dLength) && std::isfinite(m_dX1) && std::isfinite(m_dX2))
    {
        NormalizeBeyondLargestLength();
        return;
    }
    // A centroid that is not a number is as impossible as one outside the load: one NaN here
    // would otherwise poison the whole curve.
    if (m_dXgRel >= dLength || m_dXgRel <= 0 || std::isnan(m_dXgRel))
        m_dXgRel = dLength / 2;
    const double k = 2 * m_dWeight / (dLength * dLength);
    m_dY1 = k * (2 * dLength - 3 * m_dXgRel);
    m_dY2 = k * (3 * m_dXgRel - dLength);
    if (!std::isfinite(m_dY1) || !std::isfinite(m_dY2))
        NormalizeScaled(2 * (m_dWeight / dLength), m_dXgRel / dLength);
}

void CLoad::NormalizeScaled(double dTwiceMean, double dShare)
{
    // 2 W / L^2 overflows, or L^2 does, long before the ordinates do: the same trapezoid from
    // twice the mean ordinate W / L and the centroid's share of the length. An ordinate that
    // still overflows is infinite, and the apex of a triangle stays 0 rather than 0 times that.
    const double dStart = 2 - 3 * dShare;
    const double dEnd = 3 * dShare - 1;
    m_dY1 = dStart == 0 ? 0 : dTwiceMean * dStart;
    m_dY2 = dEnd == 0 ? 0 : dTwiceMean * dEnd;
}

void CLoad::NormalizeBeyondLargestLength()
{
    // Ends so far apart that their distance overflows: worked out from the half length, which
    // is finite, the centroid stays a number that a file can hold, and the ordinates are
    // numbers too rather than 0 times infinity.
    const double dHalf = m_dX2 / 2 - m_dX1 / 2;
    if (m_dXgRel <= 0 || std::isnan(m_dXgRel))
        m_dXgRel = dHalf;
    NormalizeScaled(m_dWeight / dHalf, m_dXgRel / dHalf / 2);
}

double CLoad::ValueAt(double x) const
{
    return CLoadOrdinate::At(*this, x);
}

void CLoad::CopyFrom(const CLoad& other)
{
    m_dX1 = other.m_dX1;
    m_dX2 = other.m_dX2;
    m_dY1 = other.m_dY1;
    m_dY2 = other.m_dY2;
    m_dWeight = other.m_dWeight;
    m_dXgRel = other.m_dXgRel;
    m_dYg = other.m_dYg;
    m_dZg = other.m_dZg;
    m_strName = other.m_strName;
}
