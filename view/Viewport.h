// The mapping of the graph's world window onto the pixels of a surface, its zoom and pan, and
// drawing in world coordinates.
#pragma once

#include <cmath>

#include "view/Surface.h"
#include "view/Vector3.h"
#include "view/WorldWindow.h"

class CViewport
{
public:
    // Device coordinates handed to a surface stay within this bound: far outside any real device,
    // so that clipping there changes no visible pixel, and small enough that offsets added to them
    // in tenths of a millimetre cannot overflow an int.
    static constexpr int kDeviceLimit = 1 << 28;
    // Zooming out stops before the window grows past this extent [m, t/m].
    static constexpr double kMaxExtent = 1e9;

    CViewport();
    // The pixel of a world point, truncated toward zero and clamped to kDeviceLimit. False, with
    // ptDevice untouched, when the point is not a number or the mapping has no usable scale.
    virtual bool WorldToDevice(const CVector3& pt, SPoint& ptDevice) const;
    virtual ~CViewport();

    // The exact inverse of the mapping before truncation; sets x and y of ptWorld. False, with
    // nothing changed, when the device rectangle has no width or no height.
    bool DeviceToWorld(int px, int py, CVector3& ptWorld) const;
    // The next drawing starts with a move: the new surface's position is not the last one's.
    void SetSurface(CSurface* pSurface);
    // Whether both the device rectangle and the window have a finite, non-zero width and height.
    bool CanMap() const;

    // Drawing in world coordinates on m_pSurface. A point that does not map (not a number, or no
    // usable mapping) is skipped and breaks the line; segments reaching past kDeviceLimit are
    // clipped there, so what shows on the device is the exact line.
    void MoveToWorld(const CVector3& pt);
    void LineToWorld(const CVector3& pt);
    // The same in two steps, for callers that map many points sharing an abscissa: an axis maps
    // world values to device coordinates before truncation (false when it has no usable scale or
    // the result is not a number), and the device calls take them, a coordinate that did not map
    // being passed as not a number.
    struct SAxis
    {
        double dMin;
        double dExtent;
        double dDevice;
        double dOrigin;
        bool bUsable;

        bool Map(double v, double& d) const
        {
            if (!bUsable)
                return false;
            d = (v - dMin) * dDevice / dExtent + dOrigin;
            return !std::isnan(d);
        }
    };
    SAxis AxisX() const;
    SAxis AxisY() const;
    bool MapX(double x, double& px) const { return AxisX().Map(x, px); }
    bool MapY(double y, double& py) const { return AxisY().Map(y, py); }
    void MoveToDevice(double px, double py);
    void LineToDevice(double px, double py);
    // Fills the polygon of the world points with the surface's brush and pen; skipped when a point
    // does not map, clipped at kDeviceLimit.
    void PolygonWorld(const CVector3* pPoints, int nCount);

    // Each returns whether the window changed. Refused: a factor outside 0 < f < 0.5 for ZoomIn
    // (0.5 would collapse the window, more would invert it) or not above 0 for ZoomOut, a window
    // that would become too narrow for a double to resolve, one wider than kMaxExtent, and
    // anything that is not finite.
    bool ZoomIn(float f);
    bool ZoomOut(float f);
    // The box's x range and y range, each independently, become the window's; a range of no
    // width (both corners in one pixel column or row) or too narrow to resolve leaves that axis.
    bool ZoomToBox(int x1, int y1, int x2, int y2);
    // Moves the window by ptFrom - ptTo, so that the drawing follows a drag from ptFrom to ptTo.
    bool Pan(const CVector3& ptFrom, const CVector3& ptTo);

    CSurface* m_pSurface = nullptr;
    SRect m_rcDevice;
    CWorldWindow m_window;

private:
    struct SDevicePoint
    {
        double x;
        double y;
    };

    bool Map(const CVector3& pt, SDevicePoint& ptDevice) const;
    static bool WithinLimit(const SDevicePoint& pt);
    static SPoint Truncate(const SDevicePoint& pt);

    // The last point given to MoveToWorld or LineToWorld, before clipping, and whether the
    // surface's current position is its pixel.
    SDevicePoint m_ptPen{0, 0};
    bool m_bPenValid = false;
    bool m_bSurfaceAtPen = false;
};

// Truncation toward zero of a device coordinate, clamped to the device limit; not a number gives 0.
int TruncateToDevice(double d);
