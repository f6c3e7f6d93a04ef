// The still-water strength of the hull girder: the floating position, the curves of weight,
// buoyancy, shear force and bending moment, their maxima and the closure, or why there is none.
#pragma once

#include <string>
#include <vector>

// One abscissa of the curves; where p or b jumps there are two, the left limit first.
struct SStrengthRow
{
    double x;
    // Weight and buoyancy per metre [t/m], the net load q = p - b, the shear force V = integral
    // of q [t] and the bending moment M = integral of V [t m], positive when hogging.
    double p;
    double b;
    double q;
    double V;
    double M;
};

class CResultantPieces;

class CStrengthResult
{
public:
    CStrengthResult() = default;
    virtual ~CStrengthResult();

    // Integrates q = p - b piece by piece from the aftmost abscissa (V quadratic, M cubic on each
    // piece) and finds the maxima, inside the pieces too. stations and buoyancy give b at the
    // hull's stations; b is straight between them and 0 beyond them.
    void Integrate(const CResultantPieces& weight, const std::vector<double>& stations,
                   const std::vector<double>& buoyancy);
    // V and M at any x, exact on the pieces; 0 before the first abscissa, their last values after
    // the last. At an abscissa with two rows, the right limit's row (V and M are continuous).
    double ShearAt(double x) const;
    double MomentAt(double x) const;

    // Whether an equilibrium was found; when not, m_strRefusal says why and the rest is not set.
    bool m_bFloats = false;
    std::string m_strRefusal;

    // The estimate's total weight [t] and XG [m].
    double m_dWeight = 0;
    double m_dXg = 0;
    // The drafts at the first and the last station [m], and the Newton iterations that found them.
    double m_dAftDraft = 0;
    double m_dFwdDraft = 0;
    int m_nIterations = 0;
    // The displacement [t] and the centre of buoyancy [m] at those drafts.
    double m_dDisplacement = 0;
    double m_dLcb = 0;
    // The hull's length between its first and last station [m].
    double m_dLength = 0;
    // Initial stability on that waterline: the estimate's KG (its ZG), the hull's KB, BMT and KMT,
    // and GMT = KMT - KG, without any free-surface correction [m].
    double m_dKg = 0;
    double m_dKb = 0;
    double m_dBmt = 0;
    double m_dKmt = 0;
    double m_dGmt = 0;

    std::vector<SStrengthRow> m_rows;
    // The signed shear force and bending moment of largest magnitude and their abscissae.
    double m_dMaxShear = 0;
    double m_dMaxShearX = 0;
    double m_dMaxMoment = 0;
    double m_dMaxMomentX = 0;
    // V and M at the forward end, over W and over W L: zero but for rounding at equilibrium.
    double m_dClosureShear = 0;
    double m_dClosureMoment = 0;

private:
    // The row that starts the piece holding x, or -1 before the first.
    long PieceAt(double x) const;
    void Consider(double x, double V, double M);
};
