// The view's drawing pass and its dispatch on the graph mode.
#include "view/GraphPass.h"

#include "model/LoadList.h"
#include "model/ResultantLimits.h"
#include "view/Viewport.h"

CGraphPass::CGraphPass(CLoadList& list, CViewport& viewport) : m_list(list), m_viewport(viewport) {}

CGraphPass::~CGraphPass() = default;

bool CGraphPass::Draw(CSurface& surface, int& nMode, int nSelected, bool bAutoZoom)
{
    m_viewport.SetSurface(&surface);
    if (m_list.m_nCount == 0)
        return false;
    // The loads may have been edited since the last pass: the rebuild normalises them too.
    m_list.RebuildAbscissae();
    if (nMode < modeResultant || nMode > modeLoadInWhole)
    {
        nMode = modeResultant;
        return false;
    }
    // The fit, the resultant and the axes all need p at the limits of every abscissa, and the
    // abscissae stay as just rebuilt through the pass: one evaluation serves them all.
    const CResultantLimits limits(m_list);
    if (bAutoZoom)
        m_list.ComputePlotBounds(m_viewport, limits);
    if (!m_viewport.CanMap())
        return false;
    switch (nMode)
    {
    case modeResultant:
        m_list.DrawResultant(m_viewport, limits);
        break;
    case modeDetailed:
        m_list.DrawCumulative(m_viewport);
        break;
    case modeSingleLoad:
        m_list.DrawSelectedLoad(nSelected, m_viewport);
        break;
    case modeLoadInWhole:
        m_list.DrawCumulative(m_viewport);
        m_list.FillLoadBand(nSelected, m_viewport, kBandColour);
        break;
    }
    m_list.DrawAxes(m_viewport, limits.m_dMax);
    return true;
}

bool CGraphPass::DrawSet(CSurface& surface, const std::function<bool(const CLoad&)>& inSet, bool bAutoZoom)
{
    m_viewport.SetSurface(&surface);
    if (m_list.m_nCount == 0)
        return false;
    m_list.RebuildAbscissae();
    const CResultantLimits limits(m_list);
    if (bAutoZoom)
        m_list.ComputePlotBounds(m_viewport, limits);
    if (!m_viewport.CanMap())
        return false;
    std::vector<CLoad*> stack;
    std::vector<CLoad*> set;
    for (CLoad* pLoad : m_list.Loads())
        (inSet(*pLoad) ? set : stack).push_back(pLoad);
    const size_t nBelow = stack.size();
    stack.insert(stack.end(), set.begin(), set.end());
    m_list.DrawStacked(stack, m_viewport);
    m_list.FillBand(stack, nBelow, m_viewport, kBandColour);
    m_list.DrawAxes(m_viewport, limits.m_dMax);
    return true;
}
