// Load lists shared by the graph tests.
#pragma once

#include <cmath>
#include <random>
#include <utility>

#include "model/LoadList.h"

// A, 0..10 m with 100 t, and B, 10..20 m with 50 t: p is 10 t/m, then 5 t/m.
inline void TwoUniformLoads(CLoadList& list)
{
    list.Append("A", 5, 0, 10, 100);
    list.Append("B", 5, 10, 20, 50);
}

// A, 0..10 m, and B, 5..15 m, each 10 t/m: they overlap from 5 to 10.
inline void TwoOverlappingLoads(CLoadList& list)
{
    list.Append("A", 5, 0, 10, 100);
    list.Append("B", 5, 5, 15, 100);
}

// A ship's worth of loads of every kind: overlapping, sharing ends, negative weights, centroids in
// the outer thirds, reversed and zero-length extents.
inline void MixedLoads(CLoadList& list, int nCount, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    std::uniform_real_distribution<double> position(0, 150);
    std::uniform_real_distribution<double> length(0.2, 30);
    std::uniform_real_distribution<double> weight(-20, 200);
    std::uniform_real_distribution<double> fraction(0.05, 0.95);
    for (int i = 0; i < nCount; ++i)
    {
        double x1 = position(random);
        const double dLength = length(random);
        if (i % 7 == 3)
            x1 = std::floor(x1);
        double x2 = i % 11 == 5 ? x1 : x1 + dLength;
        if (i % 13 == 4)
            std::swap(x1, x2);
        list.Append("L", fraction(random) * dLength, x1, x2, weight(random));
    }
}
