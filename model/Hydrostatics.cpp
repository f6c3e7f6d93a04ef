// The hydrostatics at a waterline: every integral exact for area, breadth and moment straight
// between stations.
#include "model/Hydrostatics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/HullTable.h"

CHydrostatics::CHydrostatics(const CHullTable& hull, double dDensity)
    : m_hull(hull), m_dDensity(dDensity), m_bUsable(hull.Fault().empty())
{
    if (!m_bUsable)
        return;
    const size_t nStations = m_hull.StationCount(), nDrafts = m_hull.DraftCount();
    const std::vector<double>& ts = m_hull.m_drafts;
    m_moments.resize(nStations * nDrafts);
    for (size_t i = 0; i < nStations; ++i)
    {
        double* pMoments = m_moments.data() + i * nDrafts;
        // Below the first draft the section is taken as a rectangle of that draft's area.
        pMoments[0] = m_hull.Area(i, 0) * ts[0] / 2;
        for (size_t j = 1; j < nDrafts; ++j)
        {
            const double dSlope = (m_hull.Area(i, j) - m_hull.Area(i, j - 1)) / (ts[j] - ts[j - 1]);
            pMoments[j] = pMoments[j - 1] + dSlope * (ts[j] * ts[j] - ts[j - 1] * ts[j - 1]) / 2;
        }
    }
    const std::vector<double>& xs = m_hull.m_stations;
    m_fractions.resize(nStations);
    for (size_t i = 0; i < nStations; ++i)
        m_fractions[i] = i + 1 == nStations ? 1.0 : (xs[i] - xs[0]) / (xs[nStations - 1] - xs[0]);
}

CHydrostatics::~CHydrostatics() = default;

CHydrostatics::SSection CHydrostatics::SectionAt(size_t i, double dDraft) const
{
    SSection section{};
    const size_t j = m_hull.IntervalAt(dDraft, true);
    section.dArea = m_hull.AreaIn(i, j, dDraft, section.dBreadth);
    if (j == 0)
        section.dMoment = section.dArea * dDraft / 2;
    else
    {
        const double dLow = m_hull.m_drafts[j - 1];
        section.dMoment = m_moments[i * m_hull.DraftCount() + j - 1] +
                          section.dBreadth * (dDraft * dDraft - dLow * dLow) / 2;
    }
    return section;
}

SHydrostatics CHydrostatics::At(double dAftDraft, double dFwdDraft) const
{
    const double dNan = std::numeric_limits<double>::quiet_NaN();
    SHydrostatics h{dNan, dNan, dNan, dNan, dNan, dNan, dNan, dNan, dNan, dNan, dNan, dNan, dNan};
    if (!m_bUsable)
        return h;
    const std::vector<double>& xs = m_hull.m_stations;
    const size_t n = xs.size();
    std::vector<SSection> sections(n);
    double dMaxBreadth = -std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < n; ++i)
    {
        sections[i] = SectionAt(i, dAftDraft + (dFwdDraft - dAftDraft) * m_fractions[i]);
        dMaxBreadth = std::max(dMaxBreadth, sections[i].dBreadth);
    }

    // f straight over a piece of length h: its integral h (f0 + f1) / 2, its moment about the
    // piece's origin u h/6 (f0 (2 u0 + u1) + f1 (u0 + 2 u1)), and the integral of its cube
    // h (f0³ + f0² f1 + f0 f1² + f1³) / 4.
    double dVolume = 0, dVolumeMoment = 0, dKeelMoment = 0, dAw = 0, dAwMoment = 0, dCubes = 0;
    for (size_t i = 0; i + 1 < n; ++i)
    {
        const SSection& s0 = sections[i];
        const SSection& s1 = sections[i + 1];
        const double h = xs[i + 1] - xs[i], u0 = xs[i] - xs[0], u1 = xs[i + 1] - xs[0];
        dVolume += h * (s0.dArea + s1.dArea) / 2;
        dVolumeMoment += h * (s0.dArea * (2 * u0 + u1) + s1.dArea * (u0 + 2 * u1)) / 6;
        dKeelMoment += h * (s0.dMoment + s1.dMoment) / 2;
        dAw += h * (s0.dBreadth + s1.dBreadth) / 2;
        dAwMoment += h * (s0.dBreadth * (2 * u0 + u1) + s1.dBreadth * (u0 + 2 * u1)) / 6;
        const double b0 = s0.dBreadth, b1 = s1.dBreadth;
        dCubes += h * (b0 * b0 * b0 + b0 * b0 * b1 + b0 * b1 * b1 + b1 * b1 * b1) / 4;
    }
    const double dLcf = xs[0] + dAwMoment / dAw;
    // The second moment about the flotation centre, v measured from it: over a piece
    // h/12 (b0 (3 v0² + 2 v0 v1 + v1²) + b1 (v0² + 2 v0 v1 + 3 v1²)).
    double dInertiaL = 0;
    for (size_t i = 0; i + 1 < n; ++i)
    {
        const double h = xs[i + 1] - xs[i], v0 = xs[i] - dLcf, v1 = xs[i + 1] - dLcf;
        dInertiaL += h *
                     (sections[i].dBreadth * (3 * v0 * v0 + 2 * v0 * v1 + v1 * v1) +
                      sections[i + 1].dBreadth * (v0 * v0 + 2 * v0 * v1 + 3 * v1 * v1)) /
                     12;
    }
    const double dInertiaT = dCubes / 12, L = m_hull.Length();

    h.dVolume = dVolume;
    h.dDisplacement = m_dDensity * dVolume;
    h.dLcb = xs[0] + dVolumeMoment / dVolume;
    h.dKb = dKeelMoment / dVolume;
    h.dAw = dAw;
    h.dLcf = dLcf;
    h.dTpc = m_dDensity * dAw / 100;
    h.dMct1cm = m_dDensity * dInertiaL / (100 * L);
    h.dBmt = dInertiaT / dVolume;
    h.dKmt = h.dKb + h.dBmt;
    h.dBml = dInertiaL / dVolume;
    h.dKml = h.dKb + h.dBml;
    if (dAftDraft == dFwdDraft)
        h.dCb = dVolume / (L * dMaxBreadth * dAftDraft);
    return h;
}
