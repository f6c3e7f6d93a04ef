// The one view of the document: the weight graph in the main window, drawn into a back buffer by
// the drawing pass, with zoom, pan, printing and the commands of the graph.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "dialogs/ResultDlg.h"
#include "platform/CmdTarget.h"
#include "platform/CommandIds.h"
#include "view/RubberBand.h"
#include "view/RubberLine.h"
#include "view/Viewport.h"

class CDiscontinuityDlg;
class CLoadListDlg;
class CQtSurface;
class CScafometroDoc;
class CCheckDlg;
class CHydrostaticsDlg;
class CStrengthDlg;
class CWeightGroupsDlg;
class CSurface;
class QPainter;
class QPrinter;

class CScafometroView : public QWidget, public CCmdTarget
{
    Q_OBJECT

public:
    // A drawing surface on the view's back buffer outside the drawing pass: what it draws shows
    // at once, and the next pass paints over it.
    class CClientDC
    {
    public:
        explicit CClientDC(CScafometroView& view);
        virtual ~CClientDC();
        CSurface& Surface();

    private:
        CClientDC(const CClientDC&) = delete;
        CClientDC& operator=(const CClientDC&) = delete;

        CScafometroView& m_view;
        std::unique_ptr<QPainter> m_pPainter;
        std::unique_ptr<CQtSurface> m_pSurface;
    };

    CScafometroView(CScafometroDoc& document, QPrinter& printer, QWidget* pParent = nullptr);
    ~CScafometroView() override;

    CScafometroDoc& GetDocument() { return m_document; }
    // The drawing pass on any surface: the window's, a printer page's, a preview's.
    void OnDraw(CSurface& surface);
    // The document changed: redraw, and show the loads list with the loads as they now are. A
    // change of the whole document (nHint 0) also hides the modeless dialogs.
    void OnUpdate(int nHint = 0);
    // Invalidate with erase: the next paint runs the drawing pass anew.
    void Invalidate();
    // Prints the graph on the printer as it is set up; false, after saying why, when it cannot start.
    bool PrintTo(QPrinter& printer);
    // The selected load of the loads list, 0 for none.
    int SelectedLoad() const;
    // The graph's mode, which the loads list's buttons show too.
    void SetMode(int nMode);

    // What the tests and the benchmarks look at: the graph's world and device, and the windows
    // the view has opened (null until first shown).
    const CViewport& GetViewport() const { return m_viewport; }
    bool IsAutoZoom() const { return m_bAutoZoom; }
    int GetMode() const { return m_nMode; }
    CLoadListDlg* GetLoadListDlg() const { return m_pLoadListDlg; }
    CDiscontinuityDlg* GetDiscontinuityDlg() const { return m_pDiscontinuityDlg; }
    CStrengthDlg* GetStrengthDlg() const;
    CCheckDlg* GetCheckDlg() const;
    CHydrostaticsDlg* GetHydrostaticsDlg() const;
    CWeightGroupsDlg* GetGroupsDlg() const;

signals:
    // A drawing pass begins: the graph is drawn again from the document.
    void Drawn();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;

private:
    void OnSize();
    // The back buffer has one pixel per pixel of the screen: the graph is drawn, and the mouse
    // is read, in those pixels.
    QSize BufferSize() const;
    QPoint BufferPoint(const QPointF& pt) const;
    int BufferDpi() const;
    // Runs the pending drawing pass into the back buffer, with the figure of a drag in progress
    // drawn again on it, so that the drag's next move erases it where it is.
    void DrawBuffer();
    void OnRButtonDown(int x, int y);
    void OnRButtonUp(int x, int y);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnMouseMove(int x, int y);
    void OnMouseWheel(int nDelta);
    void OnViewRedraw();
    void OnViewResultant();
    void OnViewDetailed();
    void OnViewLoadList();
    void OnViewResult();
    void OnViewSingleLoad();
    void OnViewLoadInWhole();
    void OnViewDiscontinuities();
    void OnViewStrength();
    void OnViewCheck();
    void OnViewHydrostatics();
    void OnViewGroups();
    void OnZoomOut();
    void OnZoomAuto();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnBeginPrinting(QPrinter& printer);
    void OnEndPrinting();

    int m_nZoomPending = 0;
    CRubberBand m_zoomBox;
    CRubberLine m_panMarker;
    bool m_bAutoZoom = true;
    int m_nMode = 0;
    CResultDlg m_dlgResult;
    CViewport m_viewport;
    CDiscontinuityDlg* m_pDiscontinuityDlg = nullptr;
    CLoadListDlg* m_pLoadListDlg = nullptr;
    // The strength window, a child of the main window that closes with it.
    QPointer<CStrengthDlg> m_pStrengthDlg;
    QPointer<CCheckDlg> m_pCheckDlg;
    // The curves of form's window, likewise.
    QPointer<CHydrostaticsDlg> m_pHydrostaticsDlg;
    // The weight groups window, a child of the main window that closes with it.
    QPointer<CWeightGroupsDlg> m_pGroupsDlg;
    CScafometroDoc& m_document;
    QPrinter& m_printer;
    QImage m_buffer;
    bool m_bDirty = true;
};
