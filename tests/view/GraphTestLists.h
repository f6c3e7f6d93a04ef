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

// Loads of every kind: overlapping, sharing ends, negative, off-centre, reversed and of no length.
inline void MixedLoads(CLoadList& list, int nCount, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    std::uniform_real_distribution<double> position(0, 150), length(0.2, 30), weight(-20, 200),
        fraction(0.05, 0.95);
    for (int i = 0; i < nCount; ++i)
    {
        double x1 = i % 7 == 3 ? std::floor(position(random)) : position(random);
        const double dLength = length(random);
        double x2 = i % 11 == 5 ? x1 : x1 + dLength;
        if (i % 13 == 4)
            std::swap(x1, x2);
        list.Append("L", fraction(random) * dLength, x1, x2, weight(random));
    }
}
