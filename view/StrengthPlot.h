// The hull girder's strength drawn in two panels through the abstract surface: the weight and the
// buoyancy per metre above, the shear force and the bending moment below, each with axes and units.
#pragma once

#include <cstdint>

#include "view/Surface.h"

class CStrengthResult;
class CViewport;

class CStrengthPlot
{
public:
    static constexpr std::uint32_t kWeightColour = RGB(0, 0, 200);
    static constexpr std::uint32_t kBuoyancyColour = RGB(0, 140, 0);
    static constexpr std::uint32_t kShearColour = RGB(200, 0, 0);
    static constexpr std::uint32_t kMomentColour = RGB(130, 0, 170);

    explicit CStrengthPlot(const CStrengthResult& result);
    virtual ~CStrengthPlot();

    // Draws both panels over rcDevice. False, drawing nothing, for a result without an
    // equilibrium, or a rectangle too small to hold the panels' margins.
    bool Draw(CSurface& surface, const SRect& rcDevice) const;

private:
    CStrengthPlot(const CStrengthPlot&) = delete;
    CStrengthPlot& operator=(const CStrengthPlot&) = delete;

    // One curve of the result in the viewport's window, in the colour; nWhich picks p, b, V or M.
    void DrawCurve(CViewport& viewport, int nWhich, std::uint32_t crColour) const;

    const CStrengthResult& m_result;
};
