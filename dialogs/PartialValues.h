// The running sums that the discontinuity explorer lists and marks at one abscissa.
#pragma once

#include <vector>

class CLoadList;

class CPartialValues
{
public:
    // S1 .. SN at x (Sn the sum of the first n loads' ordinates, SN the resultant), from the top
    // of the list down, with each sum left out that equals the one after it (SN left out when it
    // is 0): a load that adds nothing at x shows no line of its own.
    static std::vector<double> At(CLoadList& list, double x);
};
