// Shear force and bending moment integrated exactly over the pieces of the net load.
#include "model/StrengthResult.h"

#include <algorithm>
#include <cmath>

#include "model/ResultantPieces.h"

namespace
{
// On a piece of length h where q runs straight from q0 to q1, with V0 and M0 at its start:
// V(t) = V0 + q0 t + (q1 - q0) t² / 2h and M(t) = M0 + V0 t + q0 t² / 2 + (q1 - q0) t³ / 6h.
double ShearOn(const SStrengthRow& r0, double q1, double h, double t)
{
    return r0.V + t * (r0.q + (q1 - r0.q) * t / (2 * h));
}

double MomentOn(const SStrengthRow& r0, double q1, double h, double t)
{
    return r0.M + t * (r0.V + t * (r0.q / 2 + (q1 - r0.q) * t / (6 * h)));
}
} // namespace

CStrengthResult::~CStrengthResult() = default;

void CStrengthResult::Consider(double x, double V, double M)
{
    if (std::fabs(V) > std::fabs(m_dMaxShear))
    {
        m_dMaxShear = V;
        m_dMaxShearX = x;
    }
    if (std::fabs(M) > std::fabs(m_dMaxMoment))
    {
        m_dMaxMoment = M;
        m_dMaxMomentX = x;
    }
}

void CStrengthResult::Integrate(const CResultantPieces& weight, const std::vector<double>& stations,
                                const std::vector<double>& buoyancy)
{
    m_rows.clear();
    m_rows.reserve(weight.m_xs.size() + weight.m_xs.size() / 4);
    m_dMaxShear = m_dMaxShearX = m_dMaxMoment = m_dMaxMomentX = 0;
    const size_t nStations = stations.size();
    size_t s = 0;
    double V = 0, M = 0;
    for (size_t k = 0; k < weight.m_xs.size(); ++k)
    {
        const double x = weight.m_xs[k];
        // b's limits at x: straight between the stations, 0 outside, so it jumps at the hull's
        // ends when they have area there.
        while (s < nStations && stations[s] < x)
            ++s;
        double bLeft = 0, bRight = 0;
        if (s < nStations && stations[s] == x)
        {
            bLeft = s > 0 ? buoyancy[s] : 0;
            bRight = s + 1 < nStations ? buoyancy[s] : 0;
        }
        else if (s > 0 && s < nStations)
        {
            const double f = (x - stations[s - 1]) / (stations[s] - stations[s - 1]);
            bLeft = bRight = buoyancy[s - 1] + (buoyancy[s] - buoyancy[s - 1]) * f;
        }
        const double pLeft = weight.m_lefts[k], pRight = weight.m_rights[k];
        if (!m_rows.empty())
        {
            // Close the piece from the previous abscissa with its exact end values.
            const SStrengthRow& r0 = m_rows.back();
            const double h = x - r0.x;
            const double q1 = pLeft - bLeft;
            // V has an extreme where q changes sign inside the piece.
            if ((r0.q < 0 && q1 > 0) || (r0.q > 0 && q1 < 0))
            {
                const double t = h * (r0.q / (r0.q - q1));
                Consider(r0.x + t, ShearOn(r0, q1, h, t), 0);
            }
            // M has one where V does: V(t) = V0 + q0 t + c t² = 0, solved without cancellation.
            const double c = (q1 - r0.q) / (2 * h);
            double roots[2] = {NAN, NAN};
            if (c == 0)
            {
                if (r0.q != 0)
                    roots[0] = -r0.V / r0.q;
            }
            else
            {
                const double dDisc = r0.q * r0.q - 4 * c * r0.V;
                if (dDisc >= 0)
                {
                    const double qq = -(r0.q + std::copysign(std::sqrt(dDisc), r0.q)) / 2;
                    if (qq != 0)
                    {
                        roots[0] = qq / c;
                        roots[1] = r0.V / qq;
                    }
                }
            }
            for (double t : roots)
            {
                if (t > 0 && t < h)
                    Consider(r0.x + t, 0, MomentOn(r0, q1, h, t));
            }
            V = r0.V + h * (r0.q + q1) / 2;
            M = r0.M + h * (r0.V + h * (2 * r0.q + q1) / 6);
        }
        if (pLeft != pRight || bLeft != bRight)
            m_rows.push_back(SStrengthRow{x, pLeft, bLeft, pLeft - bLeft, V, M});
        m_rows.push_back(SStrengthRow{x, pRight, bRight, pRight - bRight, V, M});
        Consider(x, V, M);
    }
    if (!m_rows.empty() && m_dWeight != 0)
    {
        m_dClosureShear = m_rows.back().V / m_dWeight;
        m_dClosureMoment = m_rows.back().M / (m_dWeight * m_dLength);
    }
}

long CStrengthResult::PieceAt(double x) const
{
    const auto it = std::upper_bound(m_rows.begin(), m_rows.end(), x,
                                     [](double v, const SStrengthRow& r) { return v < r.x; });
    return static_cast<long>(it - m_rows.begin()) - 1;
}

double CStrengthResult::ShearAt(double x) const
{
    const long k = PieceAt(x);
    if (k < 0)
        return 0;
    const SStrengthRow& r0 = m_rows[static_cast<size_t>(k)];
    if (static_cast<size_t>(k) + 1 >= m_rows.size())
        return r0.V;
    const SStrengthRow& r1 = m_rows[static_cast<size_t>(k) + 1];
    return ShearOn(r0, r1.q, r1.x - r0.x, x - r0.x);
}

double CStrengthResult::MomentAt(double x) const
{
    const long k = PieceAt(x);
    if (k < 0)
        return 0;
    const SStrengthRow& r0 = m_rows[static_cast<size_t>(k)];
    if (static_cast<size_t>(k) + 1 >= m_rows.size())
        return r0.M;
    const SStrengthRow& r1 = m_rows[static_cast<size_t>(k) + 1];
    return MomentOn(r0, r1.q, r1.x - r0.x, x - r0.x);
}
