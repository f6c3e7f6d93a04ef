// Running sums of the loads' ordinates at a fixed set of abscissae.
#include "model/StackedSums.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/Load.h"
#include "model/LoadOrdinate.h"

CStackedSums::CStackedSums(std::vector<double> xs)
    : m_xs(std::move(xs)), m_sums(m_xs.size(), 0.0),
      m_bOrdered(std::none_of(m_xs.begin(), m_xs.end(), [](double x) { return std::isnan(x); }) &&
                 std::is_sorted(m_xs.begin(), m_xs.end()))
{
}

CStackedSums::~CStackedSums() = default;

std::vector<double> CStackedSums::Shifted(const std::vector<double>& xs, double dOffset)
{
    std::vector<double> shifted;
    shifted.reserve(xs.size());
    for (double x : xs)
        shifted.push_back(x + dOffset);
    return shifted;
}

void CStackedSums::AddAll(const std::vector<CLoad*>& loads)
{
    if (!m_bOrdered)
    {
        for (const CLoad* pLoad : loads)
            Add(*pLoad);
        return;
    }
    struct SSpan
    {
        size_t nBegin;
        size_t nEnd;
        double dSlope;
        const CLoad* pLoad;
        bool bEvaluate;
    };
    std::vector<SSpan> spans;
    spans.reserve(loads.size());
    for (const CLoad* pLoad : loads)
    {
        // Ends that are not numbers: every abscissa is evaluated, as Add does.
        if (std::isnan(pLoad->m_dX1) || std::isnan(pLoad->m_dX2))
        {
            spans.push_back(SSpan{0, m_xs.size(), 0, pLoad, true});
            continue;
        }
        const auto itBegin = std::lower_bound(m_xs.begin(), m_xs.end(), pLoad->m_dX1);
        const auto itEnd = std::upper_bound(itBegin, m_xs.end(), pLoad->m_dX2);
        if (itBegin < itEnd)
            spans.push_back(SSpan{static_cast<size_t>(itBegin - m_xs.begin()),
                                  static_cast<size_t>(itEnd - m_xs.begin()), CLoadOrdinate::Slope(*pLoad),
                                  pLoad, false});
    }
    // Each stretch takes every load in list order, so each sum still adds its terms in that order.
    // The stretch is worked on in a buffer of its own: abscissae and sums lying a multiple of 4 KiB
    // apart, as two large allocations do, make every load of one wait for the store to the other.
    constexpr size_t kStretch = 1024;
    struct SStretch
    {
        double xs[kStretch];
        double padding[256];
        double sums[kStretch];
    };
    auto pStretch = std::make_unique<SStretch>();
    for (size_t nFrom = 0; nFrom < m_xs.size(); nFrom += kStretch)
    {
        const size_t nTo = std::min(m_xs.size(), nFrom + kStretch);
        std::copy(m_xs.begin() + nFrom, m_xs.begin() + nTo, pStretch->xs);
        std::copy(m_sums.begin() + nFrom, m_sums.begin() + nTo, pStretch->sums);
        for (const SSpan& span : spans)
        {
            const size_t nBegin = std::max(span.nBegin, nFrom);
            const size_t nEnd = std::min(span.nEnd, nTo);
            if (nBegin >= nEnd)
                continue;
            double* pXs = pStretch->xs + (nBegin - nFrom);
            double* pSums = pStretch->sums + (nBegin - nFrom);
            if (span.bEvaluate)
            {
                for (size_t q = 0; q < nEnd - nBegin; ++q)
                    pSums[q] += CLoadOrdinate::At(*span.pLoad, pXs[q]);
            }
            else
                CLoadOrdinate::AddInside(pXs, pSums, nEnd - nBegin, span.pLoad->m_dY1, span.dSlope,
                                         span.pLoad->m_dX1);
        }
        std::copy(pStretch->sums, pStretch->sums + (nTo - nFrom), m_sums.begin() + nFrom);
    }
}

std::pair<size_t, size_t> CStackedSums::Add(const CLoad& load)
{
    if (!m_bOrdered || std::isnan(load.m_dX1) || std::isnan(load.m_dX2))
    {
        for (size_t q = 0; q < m_xs.size(); ++q)
            m_sums[q] += CLoadOrdinate::At(load, m_xs[q]);
        return {0, m_xs.size()};
    }
    // Outside X1..X2 a load gives exactly +0, and a running sum that starts at +0 never becomes
    // -0, so leaving those sums alone gives the same bits as adding the zero.
    const auto itBegin = std::lower_bound(m_xs.begin(), m_xs.end(), load.m_dX1);
    const auto itEnd = std::upper_bound(itBegin, m_xs.end(), load.m_dX2);
    if (itBegin >= itEnd)
        return {0, 0};
    const size_t nBegin = static_cast<size_t>(itBegin - m_xs.begin());
    CLoadOrdinate::AddInside(m_xs.data() + nBegin, m_sums.data() + nBegin,
                             static_cast<size_t>(itEnd - itBegin), load.m_dY1, CLoadOrdinate::Slope(load),
                             load.m_dX1);
    return {nBegin, static_cast<size_t>(itEnd - m_xs.begin())};
}
