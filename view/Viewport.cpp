// The mapping of the world window onto device pixels, zoom, pan and drawing in world coordinates.
#include "view/Viewport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// Device coordinates computed in double are held within this bound before clipping, so that the
// clipping arithmetic itself never meets an infinity.
constexpr double kHugeCoordinate = 1e300;
// A window narrower than this fraction of its position cannot be told apart from the rounding of
// its own bounds: the zooms stop before it. Below the absolute floor the scale would overflow.
constexpr double kMinRelativeExtent = 1e-9;
constexpr double kMinExtent = 1e-250;

bool Resolvable(double dMin, double dMax)
{
    const double dExtent = dMax - dMin;
    if (!std::isfinite(dMin) || !std::isfinite(dMax) || !std::isfinite(dExtent))
        return false;
    const double dPosition = std::max(std::fabs(dMin), std::fabs(dMax));
    return dExtent >= std::max(kMinRelativeExtent * dPosition, kMinExtent);
}

double HoldFinite(double d)
{
    return std::clamp(d, -kHugeCoordinate, kHugeCoordinate);
}
} // namespace

int TruncateToDevice(double d)
{
    if (std::isnan(d))
        return 0;
    const double dLimit = CViewport::kDeviceLimit;
    return static_cast<int>(std::clamp(d, -dLimit, dLimit));
}

CViewport::CViewport()
{
    m_window.Set(-1, -1, 10, 100);
}

CViewport::~CViewport() = default;

void CViewport::SetSurface(CSurface* pSurface)
{
    m_pSurface = pSurface;
    m_bPenValid = false;
    m_bSurfaceAtPen = false;
}

bool CViewport::CanMap() const
{
    const double dWidth = m_window.m_dXMax - m_window.m_dXMin;
    const double dHeight = m_window.m_dYMax - m_window.m_dYMin;
    return m_rcDevice.right != m_rcDevice.left && m_rcDevice.top != m_rcDevice.bottom &&
           std::isfinite(dWidth) && std::isfinite(dHeight) && dWidth != 0 && dHeight != 0;
}

CViewport::SAxis CViewport::AxisX() const
{
    // The differences of the rectangle's ints are taken in double: in int they could overflow.
    const double dDeviceWidth = static_cast<double>(m_rcDevice.right) - m_rcDevice.left;
    const double dWidth = m_window.m_dXMax - m_window.m_dXMin;
    const bool bUsable = dDeviceWidth != 0 && dWidth != 0 && std::isfinite(dWidth);
    return SAxis{m_window.m_dXMin, dWidth, dDeviceWidth, static_cast<double>(m_rcDevice.left), bUsable};
}

CViewport::SAxis CViewport::AxisY() const
{
    const double dDeviceHeight = static_cast<double>(m_rcDevice.top) - m_rcDevice.bottom;
    const double dHeight = m_window.m_dYMax - m_window.m_dYMin;
    const bool bUsable = dDeviceHeight != 0 && dHeight != 0 && std::isfinite(dHeight);
    return SAxis{m_window.m_dYMin, dHeight, dDeviceHeight, static_cast<double>(m_rcDevice.bottom), bUsable};
}

bool CViewport::Map(const CVector3& pt, SDevicePoint& ptDevice) const
{
    double px;
    double py;
    if (!MapX(pt.GetX(), px) || !MapY(pt.GetY(), py))
        return false;
    ptDevice.x = HoldFinite(px);
    ptDevice.y = HoldFinite(py);
    return true;
}

bool CViewport::WithinLimit(const SDevicePoint& pt)
{
    return std::fabs(pt.x) <= kDeviceLimit && std::fabs(pt.y) <= kDeviceLimit;
}

SPoint CViewport::Truncate(const SDevicePoint& pt)
{
    return SPoint{TruncateToDevice(pt.x), TruncateToDevice(pt.y)};
}

bool CViewport::WorldToDevice(const CVector3& pt, SPoint& ptDevice) const
{
    SDevicePoint ptMapped;
    if (!Map(pt, ptMapped))
        return false;
    ptDevice = Truncate(ptMapped);
    return true;
}

bool CViewport::DeviceToWorld(int px, int py, CVector3& ptWorld) const
{
    const double dDeviceWidth = static_cast<double>(m_rcDevice.right) - m_rcDevice.left;
    const double dDeviceHeight = static_cast<double>(m_rcDevice.top) - m_rcDevice.bottom;
    if (dDeviceWidth == 0 || dDeviceHeight == 0)
        return false;
    const double x =
        (static_cast<double>(px) - m_rcDevice.left) * (m_window.m_dXMax - m_window.m_dXMin) / dDeviceWidth +
        m_window.m_dXMin;
    const double y = (static_cast<double>(py) - m_rcDevice.bottom) * (m_window.m_dYMax - m_window.m_dYMin) /
                         dDeviceHeight +
                     m_window.m_dYMin;
    ptWorld.Set(x, y, ptWorld.GetZ());
    return true;
}

void CViewport::MoveToWorld(const CVector3& pt)
{
    SDevicePoint ptDevice{std::nan(""), std::nan("")};
    Map(pt, ptDevice);
    MoveToDevice(ptDevice.x, ptDevice.y);
}

void CViewport::MoveToDevice(double px, double py)
{
    m_bPenValid = m_pSurface && !std::isnan(px) && !std::isnan(py);
    m_bSurfaceAtPen = false;
    if (!m_bPenValid)
        return;
    m_ptPen = SDevicePoint{HoldFinite(px), HoldFinite(py)};
    if (WithinLimit(m_ptPen))
    {
        const SPoint ptTo = Truncate(m_ptPen);
        m_pSurface->MoveTo(ptTo.x, ptTo.y);
        m_bSurfaceAtPen = true;
    }
}

namespace
{
// Liang-Barsky: narrows [t0, t1] to where p·t <= q holds; false when nothing is left.
bool ClipEdge(double p, double q, double& t0, double& t1)
{
    if (p == 0)
        return q >= 0;
    const double r = q / p;
    if (p < 0)
    {
        if (r > t1)
            return false;
        t0 = std::max(t0, r);
    }
    else
    {
        if (r < t0)
            return false;
        t1 = std::min(t1, r);
    }
    return true;
}
} // namespace

void CViewport::LineToWorld(const CVector3& pt)
{
    SDevicePoint ptDevice{std::nan(""), std::nan("")};
    Map(pt, ptDevice);
    LineToDevice(ptDevice.x, ptDevice.y);
}

void CViewport::LineToDevice(double px, double py)
{
    // The common case, a line from a pixel the surface is on to another within reach; a
    // coordinate that is not a number fails the comparisons.
    const double dLimit = kDeviceLimit;
    if (m_bSurfaceAtPen && std::fabs(px) <= dLimit && std::fabs(py) <= dLimit)
    {
        m_ptPen = SDevicePoint{px, py};
        m_pSurface->LineTo(static_cast<int>(px), static_cast<int>(py));
        return;
    }
    if (!m_bPenValid)
    {
        MoveToDevice(px, py);
        return;
    }
    if (!m_pSurface || std::isnan(px) || std::isnan(py))
    {
        m_bPenValid = false;
        m_bSurfaceAtPen = false;
        return;
    }
    const SDevicePoint ptTo{HoldFinite(px), HoldFinite(py)};
    const SDevicePoint ptFrom = m_ptPen;
    m_ptPen = ptTo;
    if (WithinLimit(ptFrom) && WithinLimit(ptTo))
    {
        if (!m_bSurfaceAtPen)
        {
            const SPoint ptStart = Truncate(ptFrom);
            m_pSurface->MoveTo(ptStart.x, ptStart.y);
        }
        const SPoint ptEnd = Truncate(ptTo);
        m_pSurface->LineTo(ptEnd.x, ptEnd.y);
        m_bSurfaceAtPen = true;
        return;
    }

    const double dx = ptTo.x - ptFrom.x;
    const double dy = ptTo.y - ptFrom.y;
    double t0 = 0;
    double t1 = 1;
    if (!ClipEdge(-dx, ptFrom.x + dLimit, t0, t1) || !ClipEdge(dx, dLimit - ptFrom.x, t0, t1) ||
        !ClipEdge(-dy, ptFrom.y + dLimit, t0, t1) || !ClipEdge(dy, dLimit - ptFrom.y, t0, t1))
    {
        m_bSurfaceAtPen = false;
        return;
    }
    const SPoint ptStart = Truncate({ptFrom.x + t0 * dx, ptFrom.y + t0 * dy});
    const SPoint ptEnd = Truncate(t1 == 1 ? ptTo : SDevicePoint{ptFrom.x + t1 * dx, ptFrom.y + t1 * dy});
    if (t0 > 0 || !m_bSurfaceAtPen)
        m_pSurface->MoveTo(ptStart.x, ptStart.y);
    m_pSurface->LineTo(ptEnd.x, ptEnd.y);
    m_bSurfaceAtPen = t1 == 1;
}

void CViewport::PolygonWorld(const CVector3* pPoints, int nCount)
{
    if (!m_pSurface || nCount <= 0)
        return;
    std::vector<SDevicePoint> points(static_cast<size_t>(nCount));
    bool bWithin = true;
    for (size_t i = 0; i < points.size(); ++i)
    {
        if (!Map(pPoints[i], points[i]))
            return;
        bWithin = bWithin && WithinLimit(points[i]);
    }
    if (!bWithin)
    {
        // Sutherland-Hodgman against the four sides of the limit square, in double.
        const double dLimit = kDeviceLimit;
        for (int nSide = 0; nSide < 4 && !points.empty(); ++nSide)
        {
            const auto inside = [&](const SDevicePoint& pt) {
                const double d = nSide < 2 ? pt.x : pt.y;
                return nSide % 2 == 0 ? d >= -dLimit : d <= dLimit;
            };
            const auto cross = [&](const SDevicePoint& a, const SDevicePoint& b) {
                const double dEdge = nSide % 2 == 0 ? -dLimit : dLimit;
                if (nSide < 2)
                {
                    const double t = (dEdge - a.x) / (b.x - a.x);
                    return SDevicePoint{dEdge, a.y + t * (b.y - a.y)};
                }
                const double t = (dEdge - a.y) / (b.y - a.y);
                return SDevicePoint{a.x + t * (b.x - a.x), dEdge};
            };
            std::vector<SDevicePoint> clipped;
            for (size_t i = 0; i < points.size(); ++i)
            {
                const SDevicePoint& a = points[(i + points.size() - 1) % points.size()];
                const SDevicePoint& b = points[i];
                if (inside(b))
                {
                    if (!inside(a))
                        clipped.push_back(cross(a, b));
                    clipped.push_back(b);
                }
                else if (inside(a))
                    clipped.push_back(cross(a, b));
            }
            points.swap(clipped);
        }
    }
    if (points.empty())
        return;
    std::vector<SPoint> devicePoints;
    devicePoints.reserve(points.size());
    for (const SDevicePoint& pt : points)
        devicePoints.push_back(Truncate(pt));
    m_pSurface->Polygon(devicePoints.data(), static_cast<int>(devicePoints.size()));
}

bool CViewport::ZoomIn(float f)
{
    if (!(f > 0 && f < 0.5f))
        return false;
    const double w = m_window.m_dXMax - m_window.m_dXMin;
    const double h = m_window.m_dYMax - m_window.m_dYMin;
    const double dXMin = m_window.m_dXMin + f * w;
    const double dXMax = m_window.m_dXMax - f * w;
    const double dYMin = m_window.m_dYMin + f * h;
    const double dYMax = m_window.m_dYMax - f * h;
    if (!Resolvable(dXMin, dXMax) || !Resolvable(dYMin, dYMax))
        return false;
    m_window.Set(dXMin, dYMin, dXMax, dYMax);
    return true;
}

bool CViewport::ZoomOut(float f)
{
    if (!(f > 0))
        return false;
    const double w = std::fabs(m_window.m_dXMax - m_window.m_dXMin);
    const double h = std::fabs(m_window.m_dYMax - m_window.m_dYMin);
    const double dXMin = m_window.m_dXMin - f * w;
    const double dXMax = m_window.m_dXMax + f * w;
    const double dYMin = m_window.m_dYMin - f * h;
    const double dYMax = m_window.m_dYMax + f * h;
    const bool bFinite =
        std::isfinite(dXMin) && std::isfinite(dXMax) && std::isfinite(dYMin) && std::isfinite(dYMax);
    if (!bFinite || std::fabs(dXMax - dXMin) > kMaxExtent || std::fabs(dYMax - dYMin) > kMaxExtent)
        return false;
    m_window.Set(dXMin, dYMin, dXMax, dYMax);
    return true;
}

bool CViewport::ZoomToBox(int x1, int y1, int x2, int y2)
{
    CVector3 w1;
    CVector3 w2;
    if (!DeviceToWorld(x1, y1, w1) || !DeviceToWorld(x2, y2, w2))
        return false;
    bool bChanged = false;
    const double dXMin = std::min(w1.GetX(), w2.GetX());
    const double dXMax = std::max(w1.GetX(), w2.GetX());
    if (dXMin < dXMax && Resolvable(dXMin, dXMax))
    {
        m_window.m_dXMin = dXMin;
        m_window.m_dXMax = dXMax;
        bChanged = true;
    }
    const double dYMin = std::min(w1.GetY(), w2.GetY());
    const double dYMax = std::max(w1.GetY(), w2.GetY());
    if (dYMin < dYMax && Resolvable(dYMin, dYMax))
    {
        m_window.m_dYMin = dYMin;
        m_window.m_dYMax = dYMax;
        bChanged = true;
    }
    return bChanged;
}

bool CViewport::Pan(const CVector3& ptFrom, const CVector3& ptTo)
{
    const double dx = ptFrom.GetX() - ptTo.GetX();
    const double dy = ptFrom.GetY() - ptTo.GetY();
    if (!std::isfinite(m_window.m_dXMin + dx) || !std::isfinite(m_window.m_dXMax + dx) ||
        !std::isfinite(m_window.m_dYMin + dy) || !std::isfinite(m_window.m_dYMax + dy))
        return false;
    m_window.Translate(dx, dy);
    return true;
}
