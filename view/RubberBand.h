// The zoom box: a rectangle from the press point to the pointer, drawn by inverting pixels so that
// drawing it again erases it.
#pragma once

#include "view/Vector3.h"

class CSurface;
class CViewport;

class CRubberBand
{
public:
    CRubberBand();
    virtual ~CRubberBand();

    // Draws the figure on the surface given.
    virtual void DrawOn(CSurface& surface) const;
    // Draws the figure on the viewport's current surface, if it has one.
    virtual void Draw(CViewport& viewport) const;

    // Starts a drag at (x, y); nothing is drawn.
    void Begin(int x, int y);
    // While a drag is in progress: erases the last figure and draws the one that ends at (x, y).
    void Track(int x, int y, CViewport& viewport);
    // Erases the figure and ends the drag at (x, y).
    void End(int x, int y, CViewport& viewport);

    bool m_bActive = false;
    CVector3 m_ptAnchor;
    CVector3 m_ptCurrent;

protected:
    // The anchor and the current point as device pixels, truncated toward zero.
    void DevicePoints(int& ax, int& ay, int& cx, int& cy) const;
};
