// The loads list dialog.
#include "dialogs/LoadListDlg.h"

#include <QAbstractButton>
#include <QAction>
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
#include <optional>

#include "dialogs/ClipboardImportDlg.h"
#include "dialogs/ClipboardText.h"
#include "dialogs/DataExchange.h"
#include "dialogs/LoadTableImport.h"
#include "dialogs/LoadTableText.h"
#include "dialogs/QtListBox.h"
#include "document/ScafometroDoc.h"
#include "model/LoadList.h"
#include "platform/Services.h"
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
    // Ctrl+C copies the selected load as a spreadsheet's row; a field copies its own text.
    auto* pCopy = new QAction(this);
    pCopy->setShortcuts(QKeySequence::Copy);
    pCopy->setShortcutContext(Qt::WindowShortcut);
    connect(pCopy, &QAction::triggered, this, &CLoadListDlg::OnEditCopy);
    addAction(pCopy);
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
    std::optional<CServices::CAskedBy> asked;
    if (Services())
        asked.emplace(*Services(), this);
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
    if (m_pViewMode)
        m_nViewMode = *m_pViewMode;
    ShowNoLoad();
}

void CLoadListDlg::ShowNoLoad()
{
    if (m_pLoadList)
        m_pLoadList->FillListBox(*m_lbLoads);
    m_dWeight = m_dX1 = m_dX2 = m_dXgRel = m_dZg = m_dYg = 0;
    m_strName.clear();
    UpdateData(false);
    m_lbLoads->SetCurSel(-1);
}

void CLoadListDlg::OnDocumentUpdate()
{
    if (m_bChanging)
        return;
    ShowNoLoad();
}

void CLoadListDlg::ShowViewMode(int nMode)
{
    m_nViewMode = nMode;
    if (QAbstractButton* pButton = m_radioMode->button(nMode))
        pButton->setChecked(true);
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

CScafometroDoc* CLoadListDlg::Document()
{
    return m_pView ? &m_pView->GetDocument() : nullptr;
}

void CLoadListDlg::Change(int nFirst, int nCount, CLoadsCommand::Loads_t after, const char* pszText)
{
    CScafometroDoc* pDocument = Document();
    if (!pDocument)
        return;
    const QScopedValueRollback<bool> changing(m_bChanging, true);
    pDocument->ChangeLoads(nFirst, nCount, std::move(after), pszText);
}

void CLoadListDlg::Change(int nPosition, std::unique_ptr<CLoad> pAfter, const char* pszText)
{
    CLoadsCommand::Loads_t after;
    after.push_back(std::move(pAfter));
    Change(nPosition, 1, std::move(after), pszText);
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
    const CLoad* pLoad = SelectedLoad();
    if (!pLoad)
        return;
    if (pLoad->m_strName != m_strName)
    {
        std::unique_ptr<CLoad> pRenamed = CLoadsCommand::Copy(*pLoad);
        pRenamed->m_strName = m_strName;
        Change(nSel + 1, std::move(pRenamed), "Rinomina");
    }
    m_pLoadList->FillListBox(*m_lbLoads);
    m_lbLoads->SetCurSel(nSel);
    UpdateData(false);
}

void CLoadListDlg::OnKillfocusValue(QLineEdit* pEdit)
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    const int nSel = m_lbLoads->GetCurSel();
    if (nSel < 0 || !m_pLoadList || m_pLoadList->m_nCount == 0)
        return;
    UpdateData(true);
    const CLoad* pLoad = SelectedLoad();
    if (!pLoad)
        return;
    std::unique_ptr<CLoad> pEdited = CLoadsCommand::Copy(*pLoad);
    const std::pair<double*, double> fields[] = {
        {&pEdited->m_dWeight, m_dWeight}, {&pEdited->m_dX1, m_dX1}, {&pEdited->m_dX2, m_dX2},
        {&pEdited->m_dXgRel, m_dXgRel},   {&pEdited->m_dZg, m_dZg}, {&pEdited->m_dYg, m_dYg}};
    const QLineEdit* const edits[] = {m_editWeight, m_editX1, m_editX2, m_editXgRel, m_editZg, m_editYg};
    for (size_t i = 0; i < std::size(edits); ++i)
    {
        // A field left as it was is no change, and no step to undo.
        if (edits[i] != pEdit || *fields[i].first == fields[i].second)
            continue;
        *fields[i].first = fields[i].second;
        Change(nSel + 1, std::move(pEdited), "Modifica del carico");
        return;
    }
}

void CLoadListDlg::OnAddNew()
{
    if (!m_pLoadList)
        return;
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    CScafometroDoc* pDocument = Document();
    if (!pDocument)
        return;
    // Read once: a field without a number is told once, and the fields hold the same text later.
    UpdateData(true);
    pDocument->BeginChange("Nuovo carico");
    const int nSel = m_lbLoads->GetCurSel();
    if (const CLoad* pLoad = SelectedLoad())
    {
        // The fields may hold edits not yet stored: keep them before the selection moves.
        std::unique_ptr<CLoad> pEdited = CLoadsCommand::Copy(*pLoad);
        pEdited->m_dWeight = m_dWeight;
        pEdited->m_strName = m_strName;
        pEdited->m_dX1 = m_dX1;
        pEdited->m_dX2 = m_dX2;
        pEdited->m_dXgRel = m_dXgRel;
        pEdited->m_dYg = m_dYg;
        pEdited->m_dZg = m_dZg;
        Change(nSel + 1, std::move(pEdited), "Modifica del carico");
    }
    auto pNew = std::make_unique<CLoad>();
    pNew->m_strName = kNewLoadName;
    pNew->m_dXgRel = 1.0;
    pNew->m_dX1 = 0.0;
    pNew->m_dX2 = 2.0;
    pNew->m_dWeight = 1.0;
    Change(m_pLoadList->m_nCount + 1, std::move(pNew), "Nuovo carico");
    {
        const QScopedValueRollback<bool> changing(m_bChanging, true);
        pDocument->EndChange();
    }
    m_pLoadList->FillListBox(*m_lbLoads);
    m_lbLoads->SetCurSel(m_pLoadList->m_nCount - 1);
    m_pLoadList->Last();
    ShowLoad(*m_pLoadList->m_pCurrent);
    m_editName->setFocus(Qt::OtherFocusReason);
}

void CLoadListDlg::OnDelete()
{
    const int nSel = m_lbLoads->GetCurSel();
    if (nSel < 0 || !m_pLoadList)
        return;
    if (CServices* pServices = Services())
    {
        const CServices::CAskedBy asked(*pServices, this);
        if (pServices->MessageBox(kDeleteQuestion, CServices::MB_OKCANCEL) != CServices::IDOK)
            return;
    }
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    UpdateData(true);
    if (nSel < m_pLoadList->m_nCount)
        Change(nSel + 1, 1, {}, "Cancellazione del carico");
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
    Swap(s);
    m_pLoadList->FillListBox(*m_lbLoads);
    m_lbLoads->SetCurSel(s - 1);
    OnApply();
}

void CLoadListDlg::OnMoveDown()
{
    const int s = m_lbLoads->GetCurSel();
    if (s < 0 || !m_pLoadList || m_pLoadList->m_nCount == 0)
        return;
    // The last line stays where it is: nothing lies below it.
    const bool bMoved = s + 2 <= m_pLoadList->m_nCount && Swap(s + 1);
    m_pLoadList->FillListBox(*m_lbLoads);
    m_lbLoads->SetCurSel(bMoved ? s + 1 : s);
    OnApply();
}

bool CLoadListDlg::Swap(int nFirst)
{
    CLoadsCommand::SState pair = CLoadsCommand::Copy(*m_pLoadList, nFirst, 2);
    if (pair.loads.size() != 2)
        return false;
    std::swap(pair.loads[0], pair.loads[1]);
    Change(nFirst, 2, std::move(pair.loads), "Spostamento del carico");
    return true;
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

void CLoadListDlg::OnEditCopy()
{
    if (const CLoad* pLoad = SelectedLoad())
        CClipboardText(this).SetText(CLoadTableText::Rows({pLoad}));
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
    CLoadList imported;
    const int nRows = CLoadTableImport::AppendRows(dialog.ImportText(), imported);
    if (nRows > 0)
        Change(m_pLoadList->m_nCount + 1, 0, std::move(CLoadsCommand::Copy(imported, 1, nRows).loads),
               "Importazione dagli Appunti");
    m_pLoadList->FillListBox(*m_lbLoads);
    UpdateData(false);
    OnSelchangeListLoads();
}
