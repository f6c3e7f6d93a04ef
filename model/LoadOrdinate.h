// A load's ordinate and the partial sums of the loads' ordinates: the one place where their
// arithmetic is written. Every curve, export and drawing evaluates through it, so all of them
// agree to the bit.
#pragma once

#include <cstddef>
#include <vector>

#include "model/Load.h"

class CLoadOrdinate
{
public:
    // The slope is divided out once, for callers that evaluate a load at many abscissae.
    explicit CLoadOrdinate(const CLoad& load)
        : m_dX1(load.m_dX1), m_dX2(load.m_dX2), m_dY1(load.m_dY1), m_dSlope(Slope(load))
    {
    }

    // The ordinate [t/m] at x; both ends included, 0 outside.
    double At(double x) const { return Covers(m_dX1, m_dX2, x) ? Inside(m_dY1, m_dSlope, m_dX1, x) : 0.0; }
    static double At(const CLoad& load, double x)
    {
        return Covers(load.m_dX1, load.m_dX2, x) ? Inside(load.m_dY1, Slope(load), load.m_dX1, x) : 0.0;
    }

    // dSum += At(x), but with nothing added where the load does not cover x: that ordinate is +0,
    // and a sum that starts from +0 never becomes -0, so the bits are those of adding it.
    void AddTo(double& dSum, double x) const
    {
        if (Covers(m_dX1, m_dX2, x))
            dSum += Inside(m_dY1, m_dSlope, m_dX1, x);
    }

    static double Slope(const CLoad& load) { return (load.m_dY2 - load.m_dY1) / (load.m_dX2 - load.m_dX1); }
    // Written so that ends that are not numbers cover every x, as they always have.
    static bool Covers(double dX1, double dX2, double x) { return !(x < dX1 || x > dX2); }
    // The ordinate at an x the load covers, term for term: y1 + slope * (x - x1).
    static double Inside(double dY1, double dSlope, double dX1, double x) { return dY1 + dSlope * (x - dX1); }

    // sums[k] = S_k(x) for k = 0 .. n: the ordinates of the first k loads added one after another
    // in list order, starting from +0. A running sum is the one before plus the next ordinate.
    static void RunningSums(const std::vector<CLoadOrdinate>& ordinates, double x, std::vector<double>& sums)
    {
        sums.resize(ordinates.size() + 1);
        double dSum = 0;
        sums[0] = dSum;
        for (size_t i = 0; i < ordinates.size(); ++i)
        {
            ordinates[i].AddTo(dSum, x);
            sums[i + 1] = dSum;
        }
    }
    // sums[q] += the ordinate at xs[q], for abscissae that the load covers: the loop the compiler
    // can run over several abscissae at once.
    static void AddInside(const double* __restrict xs, double* __restrict sums, size_t nCount, double dY1,
                          double dSlope, double dX1)
    {
        for (size_t q = 0; q < nCount; ++q)
            sums[q] += Inside(dY1, dSlope, dX1, xs[q]);
    }

    double m_dX1;
    double m_dX2;
    double m_dY1;
    double m_dSlope;
};
