// The curves of form drawn through the abstract surface: the draft up the side, each curve against
// its own scale along the bottom, in its own colour and named at its upper end.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Hydrostatics.h"
#include "view/Surface.h"

class CCurvesOfForm;

class CCurvesOfFormPlot
{
public:
    struct SCurve
    {
        // The name and unit shown at the curve's end and by its scale (Windows-1252).
        const char* pszName;
        std::uint32_t crColour;
        double SHydrostatics::*pValue;
    };
    // The curves in the order they are drawn and their scales stacked.
    static const std::vector<SCurve>& Curves();

    explicit CCurvesOfFormPlot(const CCurvesOfForm& curves);
    virtual ~CCurvesOfFormPlot();

    // Draws the curves over rcDevice. False, drawing nothing, without two drafts to draw between,
    // or in a rectangle too small to hold the margins and the scales.
    bool Draw(CSurface& surface, const SRect& rcDevice) const;

private:
    CCurvesOfFormPlot(const CCurvesOfFormPlot&) = delete;
    CCurvesOfFormPlot& operator=(const CCurvesOfFormPlot&) = delete;

    const CCurvesOfForm& m_curves;
};
