// The envelope of the loading conditions with the limits, in two panels.
#include "view/CheckPlot.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/LoadingCheck.h"
#include "model/WaveLoads.h"
#include "view/PanelPainter.h"
#include "view/Vector3.h"
#include "view/Viewport.h"

namespace
{
constexpr int kLabelPointSize = 180;
const char* const kLabelFace = "Arial";

// The largest and smallest value over the conditions at x, plain or with the wave's loads.
struct SEnvelopeAt
{
    double dMax;
    double dMin;
    double dWaveMax;
    double dWaveMin;
};

SEnvelopeAt EnvelopeAt(const CLoadingCheck& check, double x, bool bMoment)
{
    SEnvelopeAt at{-HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL};
    for (const SConditionCheck& condition : check.m_conditions)
    {
        const double v = bMoment ? condition.m_result.MomentAt(x) : condition.m_result.ShearAt(x);
        at.dMax = std::max(at.dMax, v);
        at.dMin = std::min(at.dMin, v);
    }
    at.dWaveMax = at.dMax;
    at.dWaveMin = at.dMin;
    if (const CWaveLoads* pWave = check.Wave())
    {
        const CWaveLoads::SLoads wave = pWave->InTonnesAt(check.FromAft(x));
        at.dWaveMax += bMoment ? wave.dMwHog : wave.dFwPos;
        at.dWaveMin += bMoment ? wave.dMwSag : wave.dFwNeg;
    }
    return at;
}

void Polyline(CViewport& viewport, const std::vector<double>& xs, const std::vector<double>& ys,
              std::uint32_t crColour, int nWidth)
{
    CSurface& surface = *viewport.m_pSurface;
    const CPen penOld = surface.SelectObject(CPen(PS_SOLID, nWidth, crColour));
    for (size_t i = 0; i < xs.size(); ++i)
    {
        if (i == 0)
            viewport.MoveToWorld(CVector3(xs[i], ys[i]));
        else
            viewport.LineToWorld(CVector3(xs[i], ys[i]));
    }
    surface.SelectObject(penOld);
}
} // namespace

CCheckPlot::CCheckPlot(const CLoadingCheck& check) : m_check(check) {}

CCheckPlot::~CCheckPlot() = default;

std::vector<double> CCheckPlot::Abscissae() const
{
    double xFirst = HUGE_VAL, xLast = -HUGE_VAL;
    for (const SConditionCheck& condition : m_check.m_conditions)
    {
        if (condition.m_result.m_rows.empty())
            continue;
        xFirst = std::min(xFirst, condition.m_result.m_rows.front().x);
        xLast = std::max(xLast, condition.m_result.m_rows.back().x);
    }
    std::vector<double> xs;
    for (const SLimitPoint& limit : m_check.Limits())
        xs.push_back(limit.x);
    if (xFirst <= xLast)
    {
        for (int i = 0; i <= kSamples; ++i)
            xs.push_back(xFirst + (xLast - xFirst) * i / kSamples);
    }
    std::sort(xs.begin(), xs.end());
    return xs;
}

void CCheckPlot::DrawPanel(CViewport& viewport, const std::vector<double>& xs, bool bMoment, int nMark) const
{
    std::vector<double> top, bottom, waveTop, waveBottom;
    for (double x : xs)
    {
        const SEnvelopeAt at = EnvelopeAt(m_check, x, bMoment);
        top.push_back(at.dMax);
        bottom.push_back(at.dMin);
        waveTop.push_back(at.dWaveMax);
        waveBottom.push_back(at.dWaveMin);
    }
    std::vector<double> limitXs, upper, lower;
    for (const SLimitPoint& limit : m_check.Limits())
    {
        limitXs.push_back(limit.x);
        upper.push_back(bMoment ? limit.dBmHog : limit.dSfMax);
        lower.push_back(bMoment ? limit.dBmSag : limit.dSfMin);
    }
    if (m_check.Wave())
    {
        Polyline(viewport, xs, waveTop, kWaveColour, 1);
        Polyline(viewport, xs, waveBottom, kWaveColour, 1);
    }
    Polyline(viewport, limitXs, upper, kLimitColour, 2);
    Polyline(viewport, limitXs, lower, kLimitColour, 2);
    Polyline(viewport, xs, top, kEnvelopeColour, 2);
    Polyline(viewport, xs, bottom, kEnvelopeColour, 2);

    // A mark at each read-out point on the envelope's side that comes nearer its limit, filled
    // where some condition exceeds there.
    CSurface& surface = *viewport.m_pSurface;
    for (size_t i = 0; i < limitXs.size(); ++i)
    {
        const SPointCheck* pWorst = nullptr;
        double dWorst = 0;
        for (const SConditionCheck& condition : m_check.m_conditions)
        {
            const SPointCheck& point = condition.m_points[i];
            const double dUse = bMoment ? point.dMomentUse : point.dShearUse;
            if (!pWorst || dUse > dWorst)
            {
                pWorst = &point;
                dWorst = dUse;
            }
        }
        const double dValue = bMoment ? pWorst->dMoment : pWorst->dShear;
        SPoint pt;
        if (!viewport.WorldToDevice(CVector3(limitXs[i], dValue), pt))
            continue;
        const CBrush brushOld = surface.SelectObject(
            CBrush::CreateSolidBrush(dWorst > 100 ? kExceededColour : RGB(255, 255, 255)));
        surface.Ellipse(pt.x - nMark, pt.y - nMark, pt.x + nMark, pt.y + nMark);
        surface.SelectObject(brushOld);
    }
}

bool CCheckPlot::Draw(CSurface& surface, const SRect& rcDevice) const
{
    if (m_check.m_conditions.empty() || m_check.Limits().empty())
        return false;
    CPanelPainter painter(surface);
    SRect rcUpper, rcLower;
    if (!painter.SplitInTwo(rcDevice, rcUpper, rcLower))
        return false;
    const std::vector<double> xs = Abscissae();
    SPanelRange shear, moment;
    double dWeight = 0, dLength = xs.back() - xs.front();
    for (double x : xs)
    {
        const SEnvelopeAt v = EnvelopeAt(m_check, x, false), m = EnvelopeAt(m_check, x, true);
        for (double d : {v.dMax, v.dMin, v.dWaveMax, v.dWaveMin})
            shear.Take(d);
        for (double d : {m.dMax, m.dMin, m.dWaveMax, m.dWaveMin})
            moment.Take(d);
    }
    for (const SLimitPoint& limit : m_check.Limits())
    {
        shear.Take(limit.dSfMax);
        shear.Take(limit.dSfMin);
        moment.Take(limit.dBmHog);
        moment.Take(limit.dBmSag);
    }
    for (const SConditionCheck& condition : m_check.m_conditions)
        dWeight = std::max(dWeight, condition.m_result.m_dWeight);
    shear.Pad(1e-6 * dWeight);
    moment.Pad(1e-6 * dWeight * dLength);

    const double dMargin = dLength / 50;
    CViewport upper, lower;
    upper.m_rcDevice = rcUpper;
    upper.m_window.Set(xs.front() - dMargin, shear.dMin, xs.back() + dMargin, shear.dMax);
    lower.m_rcDevice = rcLower;
    lower.m_window.Set(xs.front() - dMargin, moment.dMin, xs.back() + dMargin, moment.dMax);
    for (CViewport* pViewport : {&upper, &lower})
    {
        pViewport->SetSurface(&surface);
        if (!pViewport->CanMap())
            return false;
    }

    const CFont fontOld =
        surface.SelectObject(CFont::CreatePointFont(kLabelPointSize, kLabelFace, surface.GetScreenDpiY()));
    painter.Frame(upper, nullptr, 0);
    painter.Frame(lower, nullptr, 0);
    const int nMark = std::max(3, painter.Pixels(10));
    DrawPanel(upper, xs, false, nMark);
    DrawPanel(lower, xs, true, nMark);
    painter.Legend(rcUpper, 0, kEnvelopeColour, "inviluppo del taglio V [t]");
    painter.Legend(rcUpper, 1, kLimitColour, "taglio ammissibile");
    painter.Legend(rcLower, 0, kEnvelopeColour, "inviluppo del momento M [t\xB7m] (+ inarcamento)");
    painter.Legend(rcLower, 1, kLimitColour, "momento ammissibile");
    if (m_check.Wave())
    {
        painter.Legend(rcUpper, 2, kWaveColour, "con il taglio d'onda");
        painter.Legend(rcLower, 2, kWaveColour, "con il momento d'onda");
    }
    painter.Text(rcLower.right, rcLower.bottom, CPanelPainter::kTick + 5,
                 -CPanelPainter::kTick - CPanelPainter::kTextHeight, "x [m]");
    surface.SelectObject(fontOld);
    return true;
}
