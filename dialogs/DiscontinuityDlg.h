// The explorer of the resultant's discontinuities: the abscissae where loads begin and end, and
// at each one the running sums of the loads just to its left or right, listed and marked on the
// graph as red circles with their values.
#pragma once

#include <QDialog>

class CLoadList;
class CQtListBox;
class CScafometroView;
class CViewport;
class QPushButton;

class CDiscontinuityDlg : public QDialog
{
    Q_OBJECT

public:
    // The marker pen's colour.
    static const std::uint32_t kMarkerColour;

    explicit CDiscontinuityDlg(QWidget* pParent = nullptr);

    void SetLoadList(CLoadList* pLoadList) { m_pLoadList = pLoadList; }
    void SetView(CScafometroView* pView, CViewport* pViewport);

    CLoadList* m_pLoadList = nullptr;
    CScafometroView* m_pView = nullptr;
    CViewport* m_pViewport = nullptr;
    CQtListBox* m_lbLeft;
    CQtListBox* m_lbRight;
    CQtListBox* m_lbAbscissae;

    QPushButton* m_btnExplore;
    QPushButton* m_btnShowLeft;
    QPushButton* m_btnShowRight;
    QPushButton* m_btnRedraw;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void OnShowWindow();
    void OnExplore();
    void OnShowLeft();
    void OnShowRight();
    void OnRedraw();
    // The partial values at the selected abscissa moved by dOffset, into pList and on the graph.
    void ShowLimit(double dOffset, CQtListBox* pList);
    void MarkPartialValues(double x);
};
