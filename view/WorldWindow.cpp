// The rectangle of the world that the graph shows.
#include "view/WorldWindow.h"

CWorldWindow::~CWorldWindow() = default;

void CWorldWindow::Set(double dXMin, double dYMin, double dXMax, double dYMax)
{
    m_dXMin = dXMin;
    m_dYMin = dYMin;
    m_dXMax = dXMax;
    m_dYMax = dYMax;
}

void CWorldWindow::Translate(double dx, double dy)
{
    m_dXMin += dx;
    m_dXMax += dx;
    m_dYMin += dy;
    m_dYMax += dy;
}
