// The graph's drawing pass as first written out, for the benchmarks to measure against: every
// ordinate is one evaluation of the model (p(x) by ValueAt, the stacked sums by PartialSumAt) and
// every LineTo is drawn as it comes.
#pragma once

#include "platform/QtSurface.h"

class CLoadList;
class CViewport;

// A Qt surface that draws each line at once instead of gathering them.
class CSegmentQtSurface : public CQtSurface
{
public:
    using CQtSurface::CQtSurface;
    void LineTo(int x, int y) override;
};

// The pass in the resultant (0) or the detailed (1) mode, with the automatic fit.
void DrawLiteralPass(CLoadList& list, CViewport& viewport, CSurface& surface, int nMode);
