// The one view of the document: the drawing pass into a back buffer, zoom, pan and printing.
#include "view/ScafometroView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QWheelEvent>
#include <cmath>
#include <optional>

#include "dialogs/CheckDlg.h"
#include "dialogs/DiscontinuityDlg.h"
#include "dialogs/HydrostaticsDlg.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/QtListBox.h"
#include "dialogs/StrengthDlg.h"
#include "dialogs/WeightGroupsDlg.h"
#include "document/ScafometroDoc.h"
#include "platform/QtSurface.h"
#include "platform/WaitCursor.h"
#include "view/GraphPass.h"

namespace
{
// Zoom Out moves each side out by this share of the extent; a wheel turn zooms by this much per
// unit of its delta, the product taken in single precision.
constexpr float kZoomOutFactor = 0.1f;
constexpr float kWheelFactor = 0.001f;
} // namespace

CScafometroView::CClientDC::CClientDC(CScafometroView& view) : m_view(view)
{
    // What is drawn here goes on the picture the screen will show, not on one a pass will replace.
    view.DrawBuffer();
    m_pPainter = std::make_unique<QPainter>(&view.m_buffer);
    m_pSurface = std::make_unique<CQtSurface>(*m_pPainter, view.BufferDpi());
}

CScafometroView::CClientDC::~CClientDC()
{
    if (m_view.m_viewport.m_pSurface == m_pSurface.get())
        m_view.m_viewport.SetSurface(nullptr);
    m_pSurface.reset();
    m_pPainter.reset();
    m_view.update();
}

CSurface& CScafometroView::CClientDC::Surface()
{
    return *m_pSurface;
}

CScafometroView::CScafometroView(CScafometroDoc& document, QPrinter& printer, QWidget* pParent)
    : QWidget(pParent), m_dlgResult(this), m_document(document), m_printer(printer)
{
    m_viewport.m_window.Set(-1, -1, 10, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Grafico dei pesi"));
    setMinimumSize(80, 60);
    OnCommand(ID_VIEW_REDRAW, [this] { OnViewRedraw(); });
    OnCommand(ID_VIEW_RESULTANT, [this] { OnViewResultant(); });
    OnCommand(ID_VIEW_DETAILED, [this] { OnViewDetailed(); });
    OnCommand(ID_VIEW_LOADS, [this] { OnViewLoadList(); });
    OnCommand(ID_VIEW_RESULTS, [this] { OnViewResult(); });
    OnCommand(ID_VIEW_SINGLE_LOAD, [this] { OnViewSingleLoad(); });
    OnCommand(ID_VIEW_LOAD_IN_WHOLE, [this] { OnViewLoadInWhole(); });
    OnCommand(ID_VIEW_DISCONTINUITIES, [this] { OnViewDiscontinuities(); });
    OnCommand(ID_VIEW_STRENGTH, [this] { OnViewStrength(); });
    OnCommand(ID_VIEW_CHECK, [this] { OnViewCheck(); });
    OnCommand(ID_VIEW_HYDROSTATICS, [this] { OnViewHydrostatics(); });
    OnCommand(ID_VIEW_GROUPS, [this] { OnViewGroups(); });
    OnCommand(ID_ZOOM_OUT, [this] { OnZoomOut(); });
    OnCommand(ID_ZOOM_AUTO, [this] { OnZoomAuto(); });
    OnCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
    OnCommand(ID_FILE_PRINT_DIRECT, [this] { PrintTo(m_printer); });
    OnCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
    connect(&document, &CDocument::Update, this, [this](int nHint) { OnUpdate(nHint); });
}

CScafometroView::~CScafometroView()
{
    delete m_pLoadListDlg;
    delete m_pDiscontinuityDlg;
    delete m_pStrengthDlg;
    delete m_pCheckDlg;
    delete m_pHydrostaticsDlg;
    delete m_pGroupsDlg;
}

void CScafometroView::OnDraw(CSurface& surface)
{
    emit Drawn();
    CLoadList& list = m_document.m_listLoads;
    std::optional<CWaitCursor> wait;
    if (list.m_nCount > 0)
        wait.emplace();
    CGraphPass(list, m_viewport).Draw(surface, m_nMode, SelectedLoad(), m_bAutoZoom);
    m_viewport.SetSurface(nullptr);
}

void CScafometroView::OnUpdate(int nHint)
{
    Invalidate();
    // A selection kept from before could name another load, or none.
    if (m_pLoadListDlg)
        m_pLoadListDlg->OnDocumentUpdate();
    if (nHint != 0)
        return;
    if (m_pLoadListDlg)
        m_pLoadListDlg->hide();
    if (m_pDiscontinuityDlg)
        m_pDiscontinuityDlg->hide();
    // The figures belong to the estimate that was replaced; the table and density stay.
    if (m_pStrengthDlg)
        m_pStrengthDlg->ResetResult();
    if (m_pCheckDlg)
        m_pCheckDlg->ResetResult();
    if (m_pGroupsDlg)
        m_pGroupsDlg->Refresh();
}

void CScafometroView::Invalidate()
{
    m_bDirty = true;
    update();
}

int CScafometroView::SelectedLoad() const
{
    if (!m_pLoadListDlg)
        return 0;
    const int n = m_pLoadListDlg->m_lbLoads->GetCurSel() + 1;
    // The list box names the loads as it was last filled: a line beyond the loads names none.
    return n <= m_document.m_listLoads.m_nCount && n <= m_pLoadListDlg->m_lbLoads->GetCount() ? n : 0;
}

void CScafometroView::SetMode(int nMode)
{
    m_nMode = nMode;
    if (m_pLoadListDlg)
        m_pLoadListDlg->ShowViewMode(nMode);
}

CStrengthDlg* CScafometroView::GetStrengthDlg() const
{
    return m_pStrengthDlg;
}

CCheckDlg* CScafometroView::GetCheckDlg() const
{
    return m_pCheckDlg;
}

CHydrostaticsDlg* CScafometroView::GetHydrostaticsDlg() const
{
    return m_pHydrostaticsDlg;
}

CWeightGroupsDlg* CScafometroView::GetGroupsDlg() const
{
    return m_pGroupsDlg;
}

QSize CScafometroView::BufferSize() const
{
    return size() * devicePixelRatioF();
}

QPoint CScafometroView::BufferPoint(const QPointF& pt) const
{
    return (pt * devicePixelRatioF()).toPoint();
}

int CScafometroView::BufferDpi() const
{
    return static_cast<int>(std::lround(CQtSurface::PrimaryScreenDpiY() * devicePixelRatioF()));
}

void CScafometroView::DrawBuffer()
{
    if (m_buffer.size() != BufferSize())
    {
        m_buffer = QImage(BufferSize(), QImage::Format_RGB32);
        m_viewport.m_rcDevice = SRect{0, 0, m_buffer.width(), m_buffer.height()};
        m_bDirty = true;
    }
    if (!m_bDirty)
        return;
    m_bDirty = false;
    m_buffer.fill(palette().color(QPalette::Base));
    QPainter painter(&m_buffer);
    CQtSurface surface(painter, BufferDpi());
    OnDraw(surface);
    if (m_zoomBox.m_bActive)
        m_zoomBox.DrawOn(surface);
    if (m_panMarker.m_bActive)
        m_panMarker.DrawOn(surface);
}

void CScafometroView::paintEvent(QPaintEvent*)
{
    DrawBuffer();
    QPainter(this).drawImage(QRectF(rect()), m_buffer, QRectF(m_buffer.rect()));
}

void CScafometroView::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    OnSize();
}

void CScafometroView::OnSize()
{
    const QSize sizeBuffer = BufferSize();
    m_viewport.m_rcDevice = SRect{0, 0, sizeBuffer.width(), sizeBuffer.height()};
    Invalidate();
}

void CScafometroView::mousePressEvent(QMouseEvent* pEvent)
{
    const QPoint pt = BufferPoint(pEvent->position());
    if (pEvent->button() == Qt::RightButton)
        OnRButtonDown(pt.x(), pt.y());
    else if (pEvent->button() == Qt::LeftButton)
        OnLButtonDown(pt.x(), pt.y());
}

void CScafometroView::mouseMoveEvent(QMouseEvent* pEvent)
{
    const QPoint pt = BufferPoint(pEvent->position());
    OnMouseMove(pt.x(), pt.y());
}

void CScafometroView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    const QPoint pt = BufferPoint(pEvent->position());
    if (pEvent->button() == Qt::RightButton)
        OnRButtonUp(pt.x(), pt.y());
    else if (pEvent->button() == Qt::LeftButton)
        OnLButtonUp(pt.x(), pt.y());
}

void CScafometroView::wheelEvent(QWheelEvent* pEvent)
{
    // A high-resolution wheel or a touchpad sends fractions of a notch: each zooms its share.
    const int nDelta = pEvent->angleDelta().y();
    if (nDelta != 0)
        OnMouseWheel(nDelta);
    pEvent->accept();
}

void CScafometroView::OnRButtonDown(int x, int y)
{
    m_zoomBox.Begin(x, y);
    m_nZoomPending = 1;
}

void CScafometroView::OnMouseMove(int x, int y)
{
    // While both buttons drag, neither figure follows the pointer.
    if (m_zoomBox.m_bActive && m_panMarker.m_bActive)
        return;
    if (!m_zoomBox.m_bActive && !m_panMarker.m_bActive)
        return;
    CClientDC dc(*this);
    m_viewport.SetSurface(&dc.Surface());
    m_zoomBox.Track(x, y, m_viewport);
    m_panMarker.Track(x, y, m_viewport);
}

void CScafometroView::OnRButtonUp(int x, int y)
{
    if (m_nZoomPending <= 0)
        return;
    {
        CClientDC dc(*this);
        m_viewport.SetSurface(&dc.Surface());
        m_nZoomPending = 0;
        m_zoomBox.End(x, y, m_viewport);
    }
    m_bAutoZoom = false;
    m_viewport.ZoomToBox(
        TruncateToDevice(m_zoomBox.m_ptAnchor.GetX()), TruncateToDevice(m_zoomBox.m_ptAnchor.GetY()),
        TruncateToDevice(m_zoomBox.m_ptCurrent.GetX()), TruncateToDevice(m_zoomBox.m_ptCurrent.GetY()));
    Invalidate();
}

void CScafometroView::OnLButtonDown(int x, int y)
{
    CVector3 ptWorld;
    if (m_nMode == CGraphPass::modeLoadInWhole && m_pLoadListDlg && m_viewport.DeviceToWorld(x, y, ptWorld))
    {
        const int n = m_document.m_listLoads.PickLoad(ptWorld.GetX(), ptWorld.GetY());
        m_pLoadListDlg->m_lbLoads->SetCurSel(n - 1);
        m_pLoadListDlg->ShowSelectedLoad();
        Invalidate();
    }
    m_panMarker.Begin(x, y);
}

void CScafometroView::OnLButtonUp(int x, int y)
{
    if (!m_panMarker.m_bActive)
        return;
    m_bAutoZoom = false;
    {
        CClientDC dc(*this);
        m_viewport.SetSurface(&dc.Surface());
        m_panMarker.End(x, y, m_viewport);
    }
    CVector3 from;
    CVector3 to;
    if (m_viewport.DeviceToWorld(TruncateToDevice(m_panMarker.m_ptAnchor.GetX()),
                                 TruncateToDevice(m_panMarker.m_ptAnchor.GetY()), from) &&
        m_viewport.DeviceToWorld(TruncateToDevice(m_panMarker.m_ptCurrent.GetX()),
                                 TruncateToDevice(m_panMarker.m_ptCurrent.GetY()), to))
        m_viewport.Pan(from, to);
    Invalidate();
}

void CScafometroView::OnMouseWheel(int nDelta)
{
    m_bAutoZoom = false;
    if (nDelta > 0)
        m_viewport.ZoomIn(static_cast<float>(nDelta) * kWheelFactor);
    else
        m_viewport.ZoomOut(static_cast<float>(-nDelta) * kWheelFactor);
    Invalidate();
}

void CScafometroView::OnViewRedraw()
{
    Invalidate();
}

void CScafometroView::OnViewResultant()
{
    SetMode(CGraphPass::modeResultant);
    Invalidate();
}

void CScafometroView::OnViewDetailed()
{
    SetMode(CGraphPass::modeDetailed);
    Invalidate();
}

void CScafometroView::OnViewLoadList()
{
    if (!m_pLoadListDlg)
    {
        m_pLoadListDlg = new CLoadListDlg(this);
        m_pLoadListDlg->SetLoadList(&m_document.m_listLoads);
    }
    m_pLoadListDlg->SetView(this);
    m_pLoadListDlg->m_pViewMode = &m_nMode;
    m_pLoadListDlg->m_nViewMode = m_nMode;
    m_pLoadListDlg->show();
    m_pLoadListDlg->raise();
    m_document.SetModifiedFlag(true);
}

void CScafometroView::OnViewResult()
{
    CLoadList& list = m_document.m_listLoads;
    m_dlgResult.m_dXg = list.Xg();
    m_dlgResult.m_dYg = list.Yg();
    m_dlgResult.m_dZg = list.Zg();
    m_dlgResult.m_dWeight = list.TotalWeight();
    m_dlgResult.exec();
}

void CScafometroView::OnViewSingleLoad()
{
    SetMode(CGraphPass::modeSingleLoad);
    OnViewLoadList();
    Invalidate();
}

void CScafometroView::OnViewLoadInWhole()
{
    SetMode(CGraphPass::modeLoadInWhole);
    OnViewLoadList();
    Invalidate();
}

void CScafometroView::OnViewDiscontinuities()
{
    if (!m_pDiscontinuityDlg)
    {
        m_pDiscontinuityDlg = new CDiscontinuityDlg(this);
        m_pDiscontinuityDlg->SetLoadList(&m_document.m_listLoads);
    }
    m_pDiscontinuityDlg->SetView(this, &m_viewport);
    m_pDiscontinuityDlg->show();
    m_pDiscontinuityDlg->raise();
}

void CScafometroView::OnViewStrength()
{
    if (!m_pStrengthDlg)
    {
        m_pStrengthDlg =
            new CStrengthDlg(m_document.m_listLoads, m_document.GetServices(), m_printer, window());
    }
    m_pStrengthDlg->show();
    m_pStrengthDlg->raise();
    m_pStrengthDlg->activateWindow();
}

void CScafometroView::OnViewCheck()
{
    if (!m_pCheckDlg)
        m_pCheckDlg = new CCheckDlg(m_document.m_listLoads, m_document.GetServices(), m_printer, window());
    m_pCheckDlg->show();
    m_pCheckDlg->raise();
    m_pCheckDlg->activateWindow();
}

void CScafometroView::OnViewHydrostatics()
{
    if (!m_pHydrostaticsDlg)
        m_pHydrostaticsDlg = new CHydrostaticsDlg(m_document.GetServices(), m_printer, window());
    m_pHydrostaticsDlg->show();
    m_pHydrostaticsDlg->raise();
    m_pHydrostaticsDlg->activateWindow();
}

void CScafometroView::OnViewGroups()
{
    if (!m_pGroupsDlg)
        m_pGroupsDlg =
            new CWeightGroupsDlg(m_document.m_listLoads, m_document.GetServices(), m_printer, window());
    else
        m_pGroupsDlg->Refresh();
    m_pGroupsDlg->show();
    m_pGroupsDlg->raise();
    m_pGroupsDlg->activateWindow();
}

void CScafometroView::OnZoomOut()
{
    m_bAutoZoom = false;
    m_viewport.ZoomOut(kZoomOutFactor);
    Invalidate();
}

void CScafometroView::OnZoomAuto()
{
    m_bAutoZoom = true;
    Invalidate();
}

void CScafometroView::OnFilePrint()
{
    if (m_document.GetServices().PrintDialog(m_printer))
        PrintTo(m_printer);
}

void CScafometroView::OnFilePrintPreview()
{
    m_document.GetServices().PrintPreview(m_printer, [this](QPrinter& printer) { PrintTo(printer); });
}

bool CScafometroView::PrintTo(QPrinter& printer)
{
    QPainter painter;
    if (!m_document.GetServices().BeginPrinting(painter, printer))
        return false;
    OnBeginPrinting(printer);
    {
        CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
        OnDraw(surface);
    }
    painter.end();
    OnEndPrinting();
    return true;
}

void CScafometroView::OnBeginPrinting(QPrinter& printer)
{
    const QRect rcPage = printer.pageLayout().paintRectPixels(printer.resolution());
    m_viewport.m_rcDevice.right = rcPage.width();
    m_viewport.m_rcDevice.bottom = rcPage.height();
}

void CScafometroView::OnEndPrinting()
{
    OnSize();
}
