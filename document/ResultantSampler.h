// The resultant p(x) at many abscissae at once, bit for bit as the load list's ValueAt gives it,
// for the exports that tabulate or draw it at every discontinuity.
#pragma once

#include <vector>

class CLoadList;

class CResultantSampler
{
public:
    // p at every x of xs, in any order. The loads must be normalised.
    static std::vector<double> ValuesAt(CLoadList& list, const std::vector<double>& xs);
    // p just left and just right of every x of xs: values[2i] = p(xs[i] - 1e-6) and
    // values[2i + 1] = p(xs[i] + 1e-6).
    static std::vector<double> LimitsAt(CLoadList& list, const std::vector<double>& xs);
};
