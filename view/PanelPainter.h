// The frames, grids, tick labels and legends of the hull girder's panels of curves, drawn through
// the abstract surface in device pixels with text placed in tenths of a millimetre, so that a page
// and a window look alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/Surface.h"

class CViewport;

// The extent of the values a panel shows.
struct SPanelRange
{
    double dMin = 0;
    double dMax = 0;

    // Widens the range to hold v, when v is finite.
    void Take(double v);
    // A tenth more on each side, and at least dFloor in all: a curve that is zero but for rounding
    // shows as zero rather than as its noise blown up to the panel's height.
    void Pad(double dFloor);
};

class CPanelPainter
{
public:
    // Margins, the gap between two panels and the ticks in tenths of a millimetre; the text's
    // height and a character's rough width in the same units.
    static constexpr int kLeft = 200;
    static constexpr int kRight = 200;
    static constexpr int kTop = 90;
    static constexpr int kBottom = 100;
    static constexpr int kGap = 150;
    static constexpr int kTick = 15;
    static constexpr int kTextHeight = 30;
    static constexpr int kCharWidth = 14;
    static constexpr std::uint32_t kGridColour = RGB(215, 215, 215);

    explicit CPanelPainter(CSurface& surface);
    virtual ~CPanelPainter();

    int Pixels(int nTenths) const;
    // The upper and the lower panel inside the margins of rcDevice; false when they would be too
    // small to draw in.
    bool SplitInTwo(const SRect& rcDevice, SRect& rcUpper, SRect& rcLower) const;
    void Line(int x1, int y1, int x2, int y2, std::uint32_t crColour);
    // The text's top-left corner nDx, nDy tenths of a millimetre right of and above the pixel.
    void Text(int x, int y, int nDx, int nDy, const std::string& strText);
    // A short line in the colour, and its name, nIndex thirds along the top of
    // the panel.
    void Legend(const SRect& rc, int nIndex, std::uint32_t crColour, const std::string& strName);
    // The frame of a panel, its grid at the ticks of x and of the left scale, and their labels;
    // the right scale, when there is one, labelled on the right with its zero in crRightZero.
    void Frame(const CViewport& left, const CViewport* pRight, std::uint32_t crRightZero);

    // A step of 1, 2 or 5 times a power of ten giving about nWanted intervals over the extent; 0
    // for an extent that is not a positive number.
    static double TickStep(double dExtent, int nWanted);
    // The multiples of dStep within dMin..dMax, each computed from its index so that a step lost in
    // the rounding of large values cannot stall the walk; never more than a few dozen.
    static std::vector<double> Ticks(double dMin, double dMax, double dStep);
    // A scale's label: five significant digits, rounding noise about zero shown as 0.
    static std::string Label(double dValue);

    CSurface& m_surface;

private:
    double m_dPixelsPerTenth = 1;
};
