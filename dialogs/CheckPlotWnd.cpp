// The envelope and the limits in a window.
#include "dialogs/CheckPlotWnd.h"

#include <QPainter>

#include "platform/QtSurface.h"
#include "view/CheckPlot.h"

CCheckPlotWnd::CCheckPlotWnd(QWidget* pParent) : QWidget(pParent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Inviluppo e limiti ammissibili"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(560, 260);
}

void CCheckPlotWnd::SetCheck(const CLoadingCheck* pCheck)
{
    m_pCheck = pCheck;
    update();
}

void CCheckPlotWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_bDrawn = false;
    if (!m_pCheck)
        return;
    CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
    m_bDrawn = CCheckPlot(*m_pCheck).Draw(surface, SRect{0, 0, width(), height()});
}
