// Running sums of the loads' ordinates at a fixed set of abscissae, added load by load in list
// order: after the first k loads of a list, each sum has the bits of PartialSumAt(k, x) (of two
// NaNs, either may come out).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

class CLoad;

class CStackedSums
{
public:
    explicit CStackedSums(std::vector<double> xs);
    virtual ~CStackedSums();

    // Adds the load's ordinate at every abscissa; returns the indices [first, last) of the sums it
    // may have changed; those outside kept their bits.
    std::pair<size_t, size_t> Add(const CLoad& load);
    // Adds the loads in turn, the same as Add for each, but a stretch of abscissae at a time, so
    // that the sums being added to stay in the processor's nearest cache.
    void AddAll(const std::vector<CLoad*>& loads);

    // Every x of xs moved by dOffset: the abscissae of the left or the right limits.
    static std::vector<double> Shifted(const std::vector<double>& xs, double dOffset);

    const std::vector<double>& Abscissae() const { return m_xs; }
    const std::vector<double>& Sums() const { return m_sums; }

private:
    std::vector<double> m_xs;
    std::vector<double> m_sums;
    // Whether the abscissae are sorted numbers, so that a load's extent is found by bisection.
    bool m_bOrdered;
};
