// The strength panels in a window.
#include "dialogs/StrengthPlotWnd.h"

#include <QPainter>

#include "platform/QtSurface.h"
#include "view/StrengthPlot.h"

CStrengthPlotWnd::CStrengthPlotWnd(QWidget* pParent) : QWidget(pParent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Grafico delle sollecitazioni"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Room for the panels' margins and for the two legends of the lower panel side by side.
    setMinimumSize(560, 260);
}

void CStrengthPlotWnd::SetResult(const CStrengthResult* pResult)
{
    m_pResult = pResult;
    update();
}

void CStrengthPlotWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Paper white, as on the page and in the batch tool's pictures, whatever the desktop's theme.
    painter.fillRect(rect(), Qt::white);
    m_bDrawn = false;
    if (!m_pResult)
        return;
    CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
    m_bDrawn = CStrengthPlot(*m_pResult).Draw(surface, SRect{0, 0, width(), height()});
}
