// The resultant p(x) as the straight pieces between its abscissae, with the exact left and right
// limits at each: what integrating p needs, where the limits at x -+ 1e-6 would be off by the
// slope times that offset.
#pragma once

#include <cstddef>
#include <vector>

class CLoadList;

class CResultantPieces
{
public:
    // The abscissae are the loads' ends and the extra ones (which need not be sorted), smallest
    // first, each once. Normalises every load, through the list's rebuild of its abscissae; the
    // list's cursor ends on its last load.
    CResultantPieces(CLoadList& list, const std::vector<double>& extra);
    virtual ~CResultantPieces();

    // The integral of p and of x p over a..b (a <= b), exact for the pieces but for rounding.
    double IntegralOver(double a, double b) const;
    double MomentOver(double a, double b) const;
    // Whether every load's ends and ordinates are finite numbers.
    bool IsFinite() const { return m_bFinite; }

    std::vector<double> m_xs;
    std::vector<double> m_lefts;
    std::vector<double> m_rights;

private:
    // The value of p at x on the piece that starts at abscissa k.
    double OnPiece(size_t k, double x) const;
    template <class TTerm> double Over(double a, double b, TTerm term) const;

    bool m_bFinite = true;
};
