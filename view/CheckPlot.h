// The envelope of the loading conditions drawn with the permissible limits through the abstract
// surface: the shear force above, the bending moment below, and with the rule wave loads the
// still-water envelope plus the wave's.
#pragma once

#include <cstdint>
#include <vector>

#include "view/Surface.h"

class CLoadingCheck;
class CViewport;

class CCheckPlot
{
public:
    static constexpr std::uint32_t kEnvelopeColour = RGB(0, 0, 200);
    static constexpr std::uint32_t kLimitColour = RGB(200, 0, 0);
    static constexpr std::uint32_t kWaveColour = RGB(0, 150, 150);
    // The read-out points where a condition exceeds a limit are marked in this colour.
    static constexpr std::uint32_t kExceededColour = RGB(230, 40, 40);
    // The envelope is drawn through this many abscissae along the hull besides the read-out points.
    static constexpr int kSamples = 400;

    explicit CCheckPlot(const CLoadingCheck& check);
    virtual ~CCheckPlot();

    // Draws both panels over rcDevice. False, drawing nothing, for a check without conditions or
    // a rectangle too small for the panels.
    bool Draw(CSurface& surface, const SRect& rcDevice) const;

private:
    CCheckPlot(const CCheckPlot&) = delete;
    CCheckPlot& operator=(const CCheckPlot&) = delete;

    // The envelope's abscissae: the samples and the read-out points, in order.
    std::vector<double> Abscissae() const;
    // One panel: the envelope of V (bMoment false) or of M, the limits, the wave's totals, and
    // marks nMark pixels across at the read-out points.
    void DrawPanel(CViewport& viewport, const std::vector<double>& xs, bool bMoment, int nMark) const;

    const CLoadingCheck& m_check;
};
