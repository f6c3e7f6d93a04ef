// The Bonjean tables dialog.
#include "dialogs/BonjeanDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include "dialogs/MSFlexGrid.h"

CBonjeanDlg::CBonjeanDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Tavole del Bonjean"));
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    m_editAreas = new QLineEdit;
    m_gridAreas = new CMSFlexGrid(2, 2, 1, 1);
    m_editMoments = new QLineEdit;
    m_gridMoments = new CMSFlexGrid(2, 2, 1, 1);
    auto* pAreasLabel = new QLabel(QStringLiteral("Aree [m^2]"));
    pAreasLabel->setBuddy(m_editAreas);
    auto* pMomentsLabel = new QLabel(QStringLiteral("Momenti My (Sxy) [m^3]"));
    pMomentsLabel->setBuddy(m_editMoments);
    m_gridAreas->setAccessibleName(QStringLiteral("Aree [m^2]"));
    m_gridMoments->setAccessibleName(QStringLiteral("Momenti My (Sxy) [m^3]"));
    auto* pOk = new QPushButton(QStringLiteral("OK"));
    pOk->setDefault(true);

    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(pAreasLabel, 0, 0);
    pLayout->addWidget(m_editAreas, 0, 1);
    pLayout->addWidget(pOk, 0, 3, Qt::AlignRight);
    pLayout->addWidget(m_gridAreas, 1, 0, 1, 4);
    pLayout->addWidget(pMomentsLabel, 2, 0);
    pLayout->addWidget(m_editMoments, 2, 1);
    pLayout->addWidget(m_gridMoments, 3, 0, 1, 4);
    pLayout->setColumnStretch(2, 1);
    pLayout->setRowStretch(1, 1);
    pLayout->setRowStretch(3, 1);

    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_gridAreas, &CMSFlexGrid::SelChange, this, &CBonjeanDlg::OnSelChangeAreas);
    connect(m_gridMoments, &CMSFlexGrid::SelChange, this, &CBonjeanDlg::OnSelChangeMoments);
    connect(m_editAreas, &QLineEdit::textChanged, this, &CBonjeanDlg::OnChangeEditAreas);
    connect(m_editMoments, &QLineEdit::textChanged, this, &CBonjeanDlg::OnChangeEditMoments);
    resize(560, 330);
}

void CBonjeanDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (!pEvent->spontaneous())
        OnInitDialog();
}

void CBonjeanDlg::OnInitDialog()
{
    for (CMSFlexGrid* pGrid : {m_gridAreas, m_gridMoments})
    {
        pGrid->clearContents();
        pGrid->SetRows(2);
        pGrid->SetCols(2);
        for (int nRow = 0; nRow < 2; ++nRow)
        {
            for (int nCol = 0; nCol < 2; ++nCol)
                pGrid->SetTextMatrix(nRow, nCol, QString());
        }
        pGrid->SetRow(1);
        pGrid->SetCol(1);
    }
    for (QLineEdit* pEdit : {m_editAreas, m_editMoments})
    {
        const QSignalBlocker blocker(pEdit);
        pEdit->clear();
    }
}

void CBonjeanDlg::OnSelChangeAreas()
{
    m_editAreas->setText(m_gridAreas->GetTextMatrix(m_gridAreas->GetRow(), m_gridAreas->GetCol()));
}

void CBonjeanDlg::OnSelChangeMoments()
{
    m_editMoments->setText(m_gridMoments->GetTextMatrix(m_gridMoments->GetRow(), m_gridMoments->GetCol()));
}

void CBonjeanDlg::OnChangeEditAreas()
{
    m_gridAreas->SetTextMatrix(m_gridAreas->GetRow(), m_gridAreas->GetCol(), m_editAreas->text());
}

void CBonjeanDlg::OnChangeEditMoments()
{
    m_gridMoments->SetTextMatrix(m_gridMoments->GetRow(), m_gridMoments->GetCol(), m_editMoments->text());
}
