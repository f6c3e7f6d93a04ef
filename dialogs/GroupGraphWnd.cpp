// The groups window's graph, drawn by the view's pass for a set of loads.
#include "dialogs/GroupGraphWnd.h"

#include <QPainter>

#include "model/Load.h"
#include "model/WeightGroups.h"
#include "platform/QtSurface.h"
#include "view/GraphPass.h"

CGroupGraphWnd::CGroupGraphWnd(CLoadList& list, QWidget* pParent) : QWidget(pParent), m_list(list)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Grafico del gruppo"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(300, 150);
}

void CGroupGraphWnd::SetGroup(const std::string& strName, int nLevel)
{
    m_strGroup = strName;
    m_nLevel = nLevel;
    m_bDirty = true;
    update();
}

void CGroupGraphWnd::paintEvent(QPaintEvent*)
{
    if (m_buffer.size() != size())
    {
        m_buffer = QImage(size(), QImage::Format_RGB32);
        m_bDirty = true;
    }
    if (m_bDirty)
    {
        m_bDirty = false;
        // Paper white, as the batch tool's pictures and the printed graph.
        m_buffer.fill(Qt::white);
        QPainter painter(&m_buffer);
        CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
        m_viewport.m_rcDevice = SRect{0, 0, width(), height()};
        // The loads are matched by name at every drawing, so that the strip follows renamed loads.
        const auto inGroup = [this](const CLoad& load) {
            return !m_strGroup.empty() &&
                   (m_nLevel == 0 || CWeightGroups::GroupOf(load.m_strName, m_nLevel) == m_strGroup);
        };
        m_bDrawn = CGraphPass(m_list, m_viewport).DrawSet(surface, inGroup, true);
        m_viewport.SetSurface(nullptr);
    }
    QPainter(this).drawImage(0, 0, m_buffer);
}
