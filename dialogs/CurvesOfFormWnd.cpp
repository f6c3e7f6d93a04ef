// The curves of form in a window.
#include "dialogs/CurvesOfFormWnd.h"

#include <QPainter>

#include "platform/QtSurface.h"
#include "view/CurvesOfFormPlot.h"

CCurvesOfFormWnd::CCurvesOfFormWnd(QWidget* pParent) : QWidget(pParent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Grafico delle curve idrostatiche"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Room for the margins and the seven scales under the curves.
    setMinimumSize(420, 420);
}

void CCurvesOfFormWnd::SetCurves(const CCurvesOfForm* pCurves)
{
    m_pCurves = pCurves;
    update();
}

void CCurvesOfFormWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Paper white, as on the page and in the batch tool's pictures, whatever the desktop's theme.
    painter.fillRect(rect(), Qt::white);
    m_bDrawn = false;
    if (!m_pCurves)
        return;
    CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
    m_bDrawn = CCurvesOfFormPlot(*m_pCurves).Draw(surface, SRect{0, 0, width(), height()});
}
