// The discontinuity explorer.
#include "dialogs/DiscontinuityDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <vector>

#include "dialogs/PartialValues.h"
#include "dialogs/QtListBox.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "view/ScafometroView.h"

const std::uint32_t CDiscontinuityDlg::kMarkerColour = RGB(200, 0, 0);

namespace
{
// The left and right limits of the resultant are taken this far from the abscissa.
constexpr double kLimitOffset = 1e-6;
} // namespace

CDiscontinuityDlg::CDiscontinuityDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QString::fromUtf8("Esplorazione punti di discontinuità"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    m_btnExplore = new QPushButton(QStringLiteral("Esplora i dati"));
    m_lbAbscissae = new CQtListBox;
    m_btnShowLeft = new QPushButton(QStringLiteral("Mostra limite da sinistra"));
    m_lbLeft = new CQtListBox;
    m_btnShowRight = new QPushButton(QStringLiteral("Mostra limite da destra"));
    m_lbRight = new CQtListBox;
    m_btnRedraw = new QPushButton(QStringLiteral("Dr"));
    m_btnRedraw->setAccessibleName(QStringLiteral("Ridisegna"));
    m_btnRedraw->setMaximumWidth(m_btnRedraw->fontMetrics().horizontalAdvance(QStringLiteral("Dr")) + 16);

    auto* pLayout = new QGridLayout(this);
    const char* const kLabels[] = {"Valore delle ascisse [m]",
                                   "Valori parziali e finale [t/m]. Limite da sinistra",
                                   "Valori parziali e finale [t/m]. Limite da destra"};
    const QPushButton* buttons[] = {m_btnExplore, m_btnShowLeft, m_btnShowRight};
    CQtListBox* lists[] = {m_lbAbscissae, m_lbLeft, m_lbRight};
    for (int i = 0; i < 3; ++i)
    {
        auto* pLabel = new QLabel(QString::fromUtf8(kLabels[i]));
        pLabel->setWordWrap(true);
        pLabel->setBuddy(lists[i]);
        // A list box has no text of its own: the label below names it.
        lists[i]->setAccessibleName(pLabel->text());
        pLayout->addWidget(const_cast<QPushButton*>(buttons[i]), 0, i);
        pLayout->addWidget(lists[i], 1, i);
        pLayout->addWidget(pLabel, 2, i, Qt::AlignTop);
        pLayout->setColumnStretch(i, 1);
    }
    pLayout->addWidget(m_btnRedraw, 1, 3, Qt::AlignTop);
    pLayout->setRowStretch(1, 1);

    connect(m_btnExplore, &QPushButton::clicked, this, &CDiscontinuityDlg::OnExplore);
    connect(m_btnShowLeft, &QPushButton::clicked, this, &CDiscontinuityDlg::OnShowLeft);
    connect(m_btnShowRight, &QPushButton::clicked, this, &CDiscontinuityDlg::OnShowRight);
    connect(m_btnRedraw, &QPushButton::clicked, this, &CDiscontinuityDlg::OnRedraw);
    resize(560, 300);
}

void CDiscontinuityDlg::SetView(CScafometroView* pView, CViewport* pViewport)
{
    m_pView = pView;
    m_pViewport = pViewport;
}

void CDiscontinuityDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (!pEvent->spontaneous())
        OnShowWindow();
}

void CDiscontinuityDlg::OnShowWindow()
{
    m_lbAbscissae->ResetContent();
    m_lbLeft->ResetContent();
    m_lbRight->ResetContent();
}

void CDiscontinuityDlg::OnExplore()
{
    m_lbAbscissae->ResetContent();
    if (!m_pLoadList)
        return;
    // Built anew from the loads as they are now: edits since the last repaint would otherwise
    // leave abscissae in the list that no load has any more.
    m_pLoadList->RebuildAbscissae();
    CAbscissaSet& set = m_pLoadList->m_abscissae;
    const std::vector<double> values = set.Values();
    m_lbAbscissae->SetRedraw(false);
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        m_lbAbscissae->InsertString(0, CNumberFormat::Format("%.5G", *it));
    m_lbAbscissae->SetRedraw(true);
    m_lbAbscissae->SetCurSel(-1);
}

void CDiscontinuityDlg::OnShowLeft()
{
    ShowLimit(-kLimitOffset, m_lbLeft);
}

void CDiscontinuityDlg::OnShowRight()
{
    ShowLimit(kLimitOffset, m_lbRight);
}

void CDiscontinuityDlg::ShowLimit(double dOffset, CQtListBox* pList)
{
    if (!m_pLoadList)
        return;
    CAbscissaSet& set = m_pLoadList->m_abscissae;
    const int s = m_lbAbscissae->GetCurSel();
    // With nothing selected this is the first abscissa.
    if (set.m_nCount == 0 || !set.GoTo(s + 1) || !set.m_pCurrent)
        return;
    const double x = set.m_pCurrent->m_dX + dOffset;
    pList->SetRedraw(false);
    pList->ResetContent();
    pList->InsertString(0, "-");
    const std::vector<double> values = CPartialValues::At(*m_pLoadList, x);
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        pList->InsertString(0, CNumberFormat::Format("%.5G", *it));
    pList->SetRedraw(true);
    pList->SetCurSel(-1);
    MarkPartialValues(x);
}

void CDiscontinuityDlg::MarkPartialValues(double x)
{
    if (!m_pView || !m_pViewport)
        return;
    CScafometroView::CClientDC dc(*m_pView);
    CSurface& surface = dc.Surface();
    m_pViewport->SetSurface(&surface);
    const CPen previous = surface.SelectObject(CPen(PS_SOLID, 1, kMarkerColour));
    for (const double v : CPartialValues::At(*m_pLoadList, x))
    {
        SPoint pt;
        if (!m_pViewport->WorldToDevice(CVector3(x, v, 0), pt))
            continue;
        surface.Ellipse(pt.x - 2, pt.y - 2, pt.x + 2, pt.y + 2);
        surface.TextOut(pt.x + 2, pt.y, CNumberFormat::Format("%.5G", v));
    }
    surface.SelectObject(previous);
}

void CDiscontinuityDlg::OnRedraw()
{
    if (m_pView)
        m_pView->Invalidate();
}
