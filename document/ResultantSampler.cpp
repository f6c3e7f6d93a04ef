// The resultant at many abscissae. p(x) sums the loads that cover x in list order, and the
// additions of one sum depend on each other, so a sum of a thousand loads waits a thousand
// times for the adder. Eight abscissae next to each other are summed side by side instead, over
// the loads that cover any of them: eight independent sums keep the adder busy and fill SIMD
// lanes, and a load that does not cover one of the eight adds an exact +0 to its sum, which
// leaves the sum as it was (a sum that starts at +0 never becomes -0). Each load's slope is
// divided out once, as ValueAt would divide it each time. Ends and abscissae that are not
// numbers are left to the list's own sweep, where comparisons decide covering differently.
#include "document/ResultantSampler.h"

#include <algorithm>
#include <cmath>

#include "document/LoadOrdinate.h"
#include "model/LoadList.h"

namespace
{
constexpr double kLimitOffset = 1e-6;
constexpr size_t kGroup = 8;

// Two lanes of doubles, each lane computed with exactly the scalar operations (GCC and Clang
// vector extensions): the compiler turns them into SIMD instructions without branches.
typedef double VDouble __attribute__((vector_size(16)));
typedef long long VMask __attribute__((vector_size(16)));

// The ordinates of one load at two abscissae, +0 where the load does not cover the abscissa.
inline VDouble Ordinates(const CLoadOrdinate& load, VDouble x)
{
    const VDouble value = load.m_dY1 + load.m_dSlope * (x - load.m_dX1);
    const VMask covers = (x >= load.m_dX1) & (x <= load.m_dX2);
    return reinterpret_cast<VDouble>(reinterpret_cast<VMask>(value) & covers);
}
} // namespace

std::vector<double> CResultantSampler::LimitsAt(CLoadList& list, const std::vector<double>& xs)
{
    std::vector<double> limits;
    limits.reserve(2 * xs.size());
    for (double x : xs)
    {
        limits.push_back(x - kLimitOffset);
        limits.push_back(x + kLimitOffset);
    }
    return ValuesAt(list, limits);
}

std::vector<double> CResultantSampler::ValuesAt(CLoadList& list, const std::vector<double>& xs)
{
    const std::vector<CLoad*> loads = list.Loads();
    const auto isNan = [](double x) { return std::isnan(x); };
    // Where an end or an abscissa is not a number, covering is no longer a matter of order.
    if (std::any_of(xs.begin(), xs.end(), isNan) ||
        std::any_of(loads.begin(), loads.end(),
                    [](const CLoad* pLoad) { return std::isnan(pLoad->m_dX1) || std::isnan(pLoad->m_dX2); }))
        return list.ValuesAt(xs);

    std::vector<CLoadOrdinate> data;
    data.reserve(loads.size());
    for (const CLoad* pLoad : loads)
        data.emplace_back(*pLoad);
    std::vector<size_t> starts(loads.size()), ends(loads.size());
    for (size_t i = 0; i < loads.size(); ++i)
        starts[i] = ends[i] = i;
    std::sort(starts.begin(), starts.end(),
              [&](size_t a, size_t b) { return data[a].m_dX1 < data[b].m_dX1; });
    std::sort(ends.begin(), ends.end(), [&](size_t a, size_t b) { return data[a].m_dX2 < data[b].m_dX2; });
    std::vector<size_t> queries(xs.size());
    for (size_t q = 0; q < xs.size(); ++q)
        queries[q] = q;
    std::sort(queries.begin(), queries.end(), [&](size_t a, size_t b) { return xs[a] < xs[b]; });

    // The loads that cover some abscissa of the group, kept in list order; a load ends before a
    // group only when it ends before the group's first abscissa.
    std::vector<size_t> active;
    std::vector<bool> ended(loads.size(), false);
    size_t nStart = 0, nEnd = 0;
    std::vector<double> values(xs.size());
    for (size_t q0 = 0; q0 < queries.size(); q0 += kGroup)
    {
        const size_t nCount = std::min(kGroup, queries.size() - q0);
        double group[kGroup];
        for (size_t g = 0; g < kGroup; ++g)
            group[g] = xs[queries[q0 + std::min(g, nCount - 1)]];
        for (; nStart < starts.size() && data[starts[nStart]].m_dX1 <= group[nCount - 1]; ++nStart)
        {
            if (!ended[starts[nStart]])
                active.insert(std::lower_bound(active.begin(), active.end(), starts[nStart]), starts[nStart]);
        }
        for (; nEnd < ends.size() && data[ends[nEnd]].m_dX2 < group[0]; ++nEnd)
        {
            const size_t i = ends[nEnd];
            const auto where = std::lower_bound(active.begin(), active.end(), i);
            if (where != active.end() && *where == i)
                active.erase(where);
            ended[i] = true;
        }
        VDouble x[kGroup / 2], sums[kGroup / 2];
        for (size_t v = 0; v < kGroup / 2; ++v)
        {
            x[v] = VDouble{group[2 * v], group[2 * v + 1]};
            sums[v] = VDouble{0, 0};
        }
        for (size_t i : active)
        {
            const CLoadOrdinate& load = data[i];
            for (size_t v = 0; v < kGroup / 2; ++v)
                sums[v] += Ordinates(load, x[v]);
        }
        for (size_t g = 0; g < nCount; ++g)
            values[queries[q0 + g]] = sums[g / 2][g % 2];
    }
    return values;
}
