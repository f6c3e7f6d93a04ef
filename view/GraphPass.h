// The view's drawing pass: rebuilds the abscissae, fits the window while the automatic fit is on,
// draws the curves of the graph mode and ends with the axes. The window and the batch tool's
// pictures both draw through it.
#pragma once

#include <cstdint>
#include <functional>

#include "view/Surface.h"

class CLoad;
class CLoadList;
class CViewport;

class CGraphPass
{
public:
    // The graph modes, the values of the view's mode.
    enum EMode
    {
        modeResultant = 0,
        modeDetailed = 1,
        modeSingleLoad = 2,
        modeLoadInWhole = 3,
    };
    // The strip of the selected load in the mode of one load within the whole.
    static constexpr std::uint32_t kBandColour = RGB(0, 200, 0);

    CGraphPass(CLoadList& list, CViewport& viewport);
    virtual ~CGraphPass();

    // Draws the list on the surface, which becomes the viewport's. nSelected is the selected
    // load's position, 0 for none. A mode outside 0..3 is set back to 0 and nothing is drawn in
    // this pass; an empty list, or a window or device rectangle with no width or height, draws
    // nothing. Returns whether anything was drawn.
    bool Draw(CSurface& surface, int& nMode, int nSelected, bool bAutoZoom);
    // The graph of one load within the whole drawn for a set of loads, those for which inSet
    // holds: every load stacked, the others first, then the set's in list order, and the set's
    // strip filled above the resultant of the others. Returns whether anything was drawn.
    bool DrawSet(CSurface& surface, const std::function<bool(const CLoad&)>& inSet, bool bAutoZoom);

private:
    CGraphPass(const CGraphPass&) = delete;

    CGraphPass& operator=(const CGraphPass&) = delete;

    CLoadList& m_list;
    CViewport& m_viewport;
};
