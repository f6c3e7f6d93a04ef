// The rule wave loads: the coefficient C, the distribution factors along the length and the moduli.
#include "model/WaveLoads.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "model/NumberFormat.h"

namespace
{
struct SKnot
{
    double s;
    double f;
};

// The broken line through the knots at s, which lie in 0..1 with the first and last at the ends.
double Broken(const SKnot* pKnots, size_t nKnots, double s)
{
    if (!(s >= 0 && s <= 1))
        return 0;
    for (size_t i = 1; i < nKnots; ++i)
    {
        const SKnot& k0 = pKnots[i - 1];
        const SKnot& k1 = pKnots[i];
        if (s <= k1.s)
            return k0.f + (k1.f - k0.f) * (s - k0.s) / (k1.s - k0.s);
    }
    return 0;
}

std::string Shown(double dValue)
{
    return CNumberFormat::Format("%.10G", dValue);
}
} // namespace

CWaveLoads::CWaveLoads(double dLength, double dBeam, double dBlock, double dMaterial)
    : m_dLength(dLength), m_dBeam(dBeam), m_dBlock(dBlock), m_dMaterial(dMaterial)
{
}

CWaveLoads::~CWaveLoads() = default;

std::string CWaveLoads::Fault() const
{
    if (!(m_dLength >= 90 && m_dLength <= 500))
        return "the rule wave loads are for a length L from 90 to 500 m, not " + Shown(m_dLength);
    if (!(m_dBeam > 0) || !std::isfinite(m_dBeam))
        return "the beam B must be a positive number of metres, not " + Shown(m_dBeam);
    if (!(m_dBlock > 0 && m_dBlock <= 1))
        return "the block coefficient Cb must lie above 0 and not above 1, not " + Shown(m_dBlock);
    if (!(m_dMaterial > 0) || !std::isfinite(m_dMaterial))
        return "the material factor k must be a positive number, not " + Shown(m_dMaterial);
    return std::string();
}

double CWaveLoads::Block() const
{
    return std::max(m_dBlock, kLeastBlock);
}

double CWaveLoads::Coefficient() const
{
    const double L = m_dLength;
    if (L < 90 || L > 500)
        return 0;
    if (L <= 300)
        return 10.75 - std::pow((300 - L) / 100, 1.5);
    if (L < 350)
        return 10.75;
    return 10.75 - std::pow((L - 350) / 150, 1.5);
}

CWaveLoads::SLoads CWaveLoads::At(double dFromAft) const
{
    SLoads loads;
    const double L = m_dLength, B = m_dBeam, Cb = Block(), C = Coefficient();
    const double s = dFromAft / L;
    if (!Fault().empty() || !(s >= 0 && s <= 1))
        return loads;
    const double a = 190 * Cb / (110 * (Cb + 0.7));
    const SKnot moment[] = {{0, 0}, {0.4, 1}, {0.65, 1}, {1, 0}};
    const SKnot f1[] = {{0, 0},     {0.2, 0.92 * a}, {0.3, 0.92 * a}, {0.4, 0.7},
                        {0.6, 0.7}, {0.7, 1},        {0.85, 1},       {1, 0}};
    const SKnot f2[] = {{0, 0},     {0.2, 0.92}, {0.3, 0.92}, {0.4, 0.7},
                        {0.6, 0.7}, {0.7, a},    {0.85, a},   {1, 0}};
    const double Md = Broken(moment, std::size(moment), s);
    loads.dMwHog = 190 * Md * C * L * L * B * Cb * 1e-3;
    loads.dMwSag = -110 * Md * C * L * L * B * (Cb + 0.7) * 1e-3;
    const double dShear = 30 * C * L * B * (Cb + 0.7) * 1e-2;
    loads.dFwPos = dShear * Broken(f1, std::size(f1), s);
    loads.dFwNeg = -dShear * Broken(f2, std::size(f2), s);
    return loads;
}

CWaveLoads::SLoads CWaveLoads::InTonnesAt(double dFromAft) const
{
    SLoads loads = At(dFromAft);
    for (double* pValue : {&loads.dFwPos, &loads.dFwNeg, &loads.dMwHog, &loads.dMwSag})
        *pValue /= kGravity;
    return loads;
}

double CWaveLoads::RequiredModulus(double dMoment, double dFromAft) const
{
    const SLoads wave = InTonnesAt(dFromAft);
    const double dLargest = std::max(std::fabs(dMoment + wave.dMwHog), std::fabs(dMoment + wave.dMwSag));
    // t m to N m, over the stress in N/m².
    return dLargest * kGravity * 1e3 * m_dMaterial / kStress * 1e-6;
}

double CWaveLoads::LeastModulus() const
{
    const double L = m_dLength;
    return Coefficient() * L * L * m_dBeam * (Block() + 0.7) * m_dMaterial * 1e-6;
}
