// The loads list dialog.
#include "dialogs/LoadListDlg.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialogs/ClipboardImportDlg.h"
#include "dialogs/DataExchange.h"
#include "dialogs/LoadTableImport.h"
#include "dialogs/QtListBox.h"
#include "document/ScafometroDoc.h"
#include "model/LoadList.h"
#include "view/ScafometroView.h"

const char* const CLoadListDlg::kNewLoadName = "Nuovo_Provvisorio";
const char* const CLoadListDlg::kDeleteQuestion = "Cancellare il carico selezionato?";

namespace
{
const char* const kModes[] = {"Risultante", "Particolareggiata", "Singolo carico",
                              "Singolo carico nel complessivo"};
} // namespace

CLoadListDlg::CLoadListDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Elenco dei carichi"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    // Created in the order of the layout, which is also the order of the Tab key.
    m_btnAddNew = new QPushButton(QStringLiteral("Add New"));
    m_btnMoveUp = new QPushButton(QStringLiteral("Move Up"));
    m_btnMoveDown = new QPushButton(QStringLiteral("Move Down"));
    m_btnDelete = new QPushButton(QStringLiteral("Delete"));
    m_btnAddNew->setDefault(true);
    auto* pButtons = new QHBoxLayout;
    for (QPushButton* pButton : {m_btnAddNew, m_btnMoveUp, m_btnMoveDown, m_btnDelete})
        pButtons->addWidget(pButton);

    m_lbLoads = new CQtListBox;
    m_lbLoads->setAccessibleName(QStringLiteral("Elenco dei carichi"));

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pButtons);
    pLayout->addWidget(m_lbLoads, 1);

    auto* pFields = new QGridLayout;
    pLayout->addLayout(pFields);
    const auto place = [pFields](QLineEdit* pEdit, int nRow, int nCol) {
        // Each edit has its label before it and its unit after it, in one cell of the grid.
        QWidget* pLabel = pEdit->property("label").value<QWidget*>();
        QWidget* pUnit = pEdit->property("unit").value<QWidget*>();
        pFields->addWidget(pLabel, nRow, nCol * 3);
        pFields->addWidget(pEdit, nRow, nCol * 3 + 1);
        if (pUnit)
            pFields->addWidget(pUnit, nRow, nCol * 3 + 2);
    };
    m_editName = AddEdit("Nome Carico", nullptr);
    m_editX1 = AddEdit("X1", "[m]");
    m_editX2 = AddEdit("X2", "[m]");
    m_editWeight = AddEdit("Risultante", "[t]");
    m_editXgRel = AddEdit("XG relativa", "[m]");
    m_editYg = AddEdit("YG", "[m]");
    m_editZg = AddEdit("ZG (KG)", "[m]");
    pFields->addWidget(m_editName->property("label").value<QWidget*>(), 0, 0);
    pFields->addWidget(m_editName, 0, 1, 1, 5);
    place(m_editX1, 1, 0);
    place(m_editX2, 1, 1);
    place(m_editWeight, 2, 0);
    place(m_editXgRel, 2, 1);
    place(m_editYg, 3, 0);
    place(m_editZg, 3, 1);
    pFields->setColumnStretch(1, 1);
    pFields->setColumnStretch(4, 1);

    auto* pPreview = new QGroupBox(QStringLiteral("Anteprima"));
    auto* pPreviewLayout = new QHBoxLayout(pPreview);
    auto* pRadios = new QVBoxLayout;
    m_radioMode = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i)
    {
        auto* pRadio = new QRadioButton(QString::fromUtf8(kModes[i]));
        m_radioMode->addButton(pRadio, i);
        pRadios->addWidget(pRadio);
    }
    m_btnApply = new QPushButton(QStringLiteral("Applica / Ridisegna"));
    m_btnImport = new QPushButton(QStringLiteral("Import from clipboard"));
    auto* pActions = new QVBoxLayout;
    pActions->addWidget(m_btnApply);
    pActions->addWidget(m_btnImport);
    pActions->addStretch(1);
    pPreviewLayout->addLayout(pRadios, 1);
    pPreviewLayout->addLayout(pActions);
    pLayout->addWidget(pPreview);

    connect(m_lbLoads, &CQtListBox::SelChange, this, &CLoadListDlg::OnSelchangeListLoads);
    connect(m_btnAddNew, &QPushButton::clicked, this, &CLoadListDlg::OnAddNew);
    connect(m_btnDelete, &QPushButton::clicked, this, &CLoadListDlg::OnDelete);
    connect(m_btnMoveUp, &QPushButton::clicked, this, &CLoadListDlg::OnMoveUp);
    connect(m_btnMoveDown, &QPushButton::clicked, this, &CLoadListDlg::OnMoveDown);
    connect(m_btnApply, &QPushButton::clicked, this, &CLoadListDlg::OnApply);
    connect(m_btnImport, &QPushButton::clicked, this, &CLoadListDlg::OnImportFromClipboard);
    connect(m_radioMode, &QButtonGroup::idClicked, this, &CLoadListDlg::OnViewMode);
    resize(380, 520);
}

CLoadListDlg::~CLoadListDlg()
{
    // The focus leaves the edits as they go: no handler may run on a dialog half destroyed.
    for (QLineEdit* pEdit : {m_editName, m_editX1, m_editX2, m_editWeight, m_editXgRel, m_editYg, m_editZg})
        pEdit->removeEventFilter(this);
}

QLineEdit* CLoadListDlg::AddEdit(const char* pszLabel, const char* pszUnit)
{
    auto* pEdit = new QLineEdit;
    auto* pLabel = new QLabel(QString::fromUtf8(pszLabel));
    pLabel->setBuddy(pEdit);
    pEdit->setProperty("label", QVariant::fromValue<QWidget*>(pLabel));
    pEdit->setProperty("unit", QVariant::fromValue<QWidget*>(pszUnit ? new QLabel(pszUnit) : nullptr));
    pEdit->installEventFilter(this);
    return pEdit;
}

bool CLoadListDlg::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::FocusOut && !m_bBusy)
    {
        if (pObject == m_editName)
            OnKillfocusName();
        else if (auto* pEdit = qobject_cast<QLineEdit*>(pObject))
            OnKillfocusValue(pEdit);
    }
    return QDialog::eventFilter(pObject, pEvent);
}

CServices* CLoadListDlg::Services()
{
    return m_pView ? &m_pView->GetDocument().GetServices() : nullptr;
}

bool CLoadListDlg::UpdateData(bool bSaveAndValidate)
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    CDataExchange exchange(Services(), bSaveAndValidate);
    exchange.Text(m_editWeight, m_dWeight);
    exchange.Text(m_editX1, m_dX1);
    exchange.Text(m_editX2, m_dX2);
    exchange.Text(m_editXgRel, m_dXgRel);
    exchange.Text(m_editName, m_strName);
    exchange.Radio(m_radioMode, m_nViewMode);
    exchange.Text(m_editZg, m_dZg);
    exchange.Text(m_editYg, m_dYg);
    return !exchange.Failed();
}

void CLoadListDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (!pEvent->spontaneous())
        OnShowWindow();
}

void CLoadListDlg::OnShowWindow()
{
    if (m_pLoadList)
        m_pLoadList->FillListBox(*m_lbLoads);
    m_dWeight = m_dX1 = m_dX2 = m_dXgRel = m_dZg = m_dYg = 0;
    m_strName.clear();
    if (m_pViewMode)
        m_nViewMode = *m_pViewMode;
    UpdateData(false);
    m_lbLoads->SetCurSel(-1);
}

CLoad* CLoadListDlg::SelectedLoad()
{
    const int nSel = m_lbLoads->GetCurSel();
    if (nSel < 0 || !m_pLoadList || !m_pLoadList->GoTo(nSel + 1))
        return nullptr;
    return m_pLoadList->m_pCurrent;
}

void CLoadListDlg::ShowLoad(const CLoad& load)
{
    m_strName = load.m_strName;
    m_dX1 = load.m_dX1;
    m_dX2 = load.m_dX2;
    m_dXgRel = load.m_dXgRel;
    m_dYg = load.m_dYg;
    m_dZg = load.m_dZg;
    m_dWeight = load.m_dWeight;
    UpdateData(false);
}

void CLoadListDlg::Store(double& dField, double dValue)
{
    if (dField == dValue)
        return;
    dField = dValue;
    SetModified();
}

void CLoadListDlg::SetModified()
{
    if (m_pView)
        m_pView->GetDocument().SetModifiedFlag(true);
}

void CLoadListDlg::InvalidateView()
{
    if (m_pView)
        m_pView->Invalidate();
}

void CLoadListDlg::ShowSelectedLoad()
{
    OnSelchangeListLoads();
}

void CLoadListDlg::OnSelchangeListLoads()
{
    if (m_lbLoads->GetCurSel() < 0 || !m_pLoadList)
        return;
    if (m_pLoadList->m_nCount == 0)
    {
        OnAddNew();
        return;
    }
    UpdateData(true);
    if (const CLoad* pLoad = SelectedLoad())
        ShowLoad(*pLoad);
    InvalidateView();
}

void CLoadListDlg::OnKillfocusName()
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    const int nSel = m_lbLoads->GetCurSel();
    if (nSel < 0)
        return;
    UpdateData(true);
    CLoad* pLoad = SelectedLoad();
    if (!pLoad)
        return;
    if (pLoad->m_strName != m_strName)
    {
        pLoad->m_strName = m_strName;
        SetModified();
    }
    m_pLoadList->FillListBox(*m_lbLoads);
    m_lbLoads->SetCurSel(nSel);
    UpdateData(false);
}

void CLoadListDlg::OnKillfocusValue(QLineEdit* pEdit)
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (m_lbLoads->GetCurSel() < 0 || !m_pLoadList || m_pLoadList->m_nCount == 0)
        return;
    UpdateData(true);
    CLoad* pLoad = SelectedLoad();
    if (!pLoad)
        return;
    if (pEdit == m_editWeight)
        Store(pLoad->m_dWeight, m_dWeight);
    else if (pEdit == m_editX1)
        Store(pLoad->m_dX1, m_dX1);
    else if (pEdit == m_editX2)
        Store(pLoad->m_dX2, m_dX2);
    else if (pEdit == m_editXgRel)
        Store(pLoad->m_dXgRel, m_dXgRel);
    else if (pEdit == m_editZg)
        Store(pLoad->m_dZg, m_dZg);
    else if (pEdit == m_editYg)
        Store(pLoad->m_dYg, m_dYg);
}

void CLoadListDlg::OnAddNew()
{
    if (!m_pLoadList)
        return;
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    UpdateData(true);
    if (CLoad* pLoad = SelectedLoad())
    {
        // The fields may hold edits not yet stored: keep them before the selection moves.
        UpdateData(true);
        pLoad->m_dWeight = m_dWeight;
        pLoad->m_strName = m_strName;
        pLoad->m_dX1 = m_dX1;
        pLoad->m_dX2 = m_dX2;
        pLoad->m_dXgRel = m_dXgRel;
        pLoad->m_dYg = m_dYg;
        pLoad->m_dZg = m_dZg;
    }
    m_pLoadList->Append(kNewLoadName, 1.0, 0.0, 2.0, 1.0);
    m_pLoadList->m_pCurrent->m_dYg = 0;
    m_pLoadList->m_pCurrent->m_dZg = 0;
    SetModified();
    m_pLoadList->FillListBox(*m_lbLoads);
    UpdateData(true);
    m_lbLoads->SetCurSel(m_pLoadList->m_nCount - 1);
    m_pLoadList->Last();
    ShowLoad(*m_pLoadList->m_pCurrent);
    m_editName->setFocus(Qt::OtherFocusReason);
}

void CLoadListDlg::OnDelete()
{
    if (m_lbLoads->GetCurSel() < 0 || !m_pLoadList)
        return;
    CServices* pServices = Services();
    if (pServices && pServices->MessageBox(kDeleteQuestion, CServices::MB_OKCANCEL) != CServices::IDOK)
        return;
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    UpdateData(true);
    if (m_pLoadList->Remove(m_lbLoads->GetCurSel() + 1))
        SetModified();
    m_pLoadList->FillListBox(*m_lbLoads);
    UpdateData(false);
    OnSelchangeListLoads();
    // With the last load gone no selection remains to redraw the view, which must lose it too.
    InvalidateView();
}

void CLoadListDlg::OnMoveUp()
{
    const int s = m_lbLoads->GetCurSel();
    if (s <= 0 || !m_pLoadList || m_pLoadList->m_nCount == 0)
        return;
    if (m_pLoadList->Move(s + 1, s - 1))
        SetModified();
    m_pLoadList->FillListBox(*m_lbLoads);
    m_lbLoads->SetCurSel(s - 1);
    OnApply();
}

void CLoadListDlg::OnMoveDown()
{
    const int s = m_lbLoads->GetCurSel();
    if (s < 0 || !m_pLoadList || m_pLoadList->m_nCount == 0)
        return;
    const bool bMoved = m_pLoadList->Move(s + 1, s + 2) != 0;
    if (bMoved)
        SetModified();
    m_pLoadList->FillListBox(*m_lbLoads);
    // The last line stays where it is when nothing moved.
    m_lbLoads->SetCurSel(bMoved ? s + 1 : s);
    OnApply();
}

void CLoadListDlg::OnApply()
{
    InvalidateView();
    OnSelchangeListLoads();
}

void CLoadListDlg::OnViewMode()
{
    UpdateData(true);
    if (m_pViewMode)
        *m_pViewMode = m_nViewMode;
    OnApply();
}

void CLoadListDlg::OnImportFromClipboard()
{
    CServices* pServices = Services();
    if (!pServices || !m_pLoadList)
        return;
    // The import is modal over this window, which stays above the others: it must be its child
    // to show in front of it.
    CClipboardImportDlg dialog(*pServices, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (CLoadTableImport::AppendRows(dialog.ImportText(), *m_pLoadList) > 0)
        SetModified();
    m_pLoadList->FillListBox(*m_lbLoads);
    UpdateData(false);
    OnSelchangeListLoads();
}
