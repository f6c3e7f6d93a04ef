// The window of the loading conditions' check: it reads its fields, has the core float and check
// every condition, and shows, exports, prints and saves what the core found.
#include "dialogs/CheckDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/BuddyLabel.h"
#include "dialogs/CheckPlotWnd.h"
#include "dialogs/EditNumber.h"
#include "dialogs/PathField.h"
#include "dialogs/StrengthDlg.h"
#include "document/CheckTableFile.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/HullTableFile.h"
#include "document/LimitsFile.h"
#include "document/LoadingCondition.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/WaveLoads.h"
#include "platform/CheckReport.h"
#include "platform/FileErrorText.h"
#include "platform/QtSurface.h"
#include "platform/Services.h"
#include "platform/WaitCursor.h"

const char* const CCheckDlg::kLimitsSetting = "Verifica/LimitiAmmissibili";

namespace
{
const SFileDialog kTableDialog{"Tabelle (*.csv;*.txt)|*.csv;*.txt|Tutti i file|*.*||", "csv", ""};
const SFileDialog kWeightDialog{"File Pesi (*.p3d)|*.p3d||", "p3d", ""};
const SFileDialog kCsvDialog{"File tabulato(*.CSV)|*.CSV", "CSV", "*.CSV"};
const SFileDialog kPdfDialog{"Documento PDF (*.pdf)|*.pdf||", "pdf", ""};

const QColor kGreen(170, 225, 170);
const QColor kAmber(250, 205, 110);
const QColor kRed(240, 130, 130);

QSettings Settings()
{
    return QSettings(QStringLiteral("Ventaglio"), QStringLiteral("Scafometro"));
}

QString Fixed(double dValue, int nDecimals)
{
    return QString::fromStdString(
        CNumberFormat::Format(("%." + std::to_string(nDecimals) + "f").c_str(), dValue));
}

QTableWidgetItem* Cell(const QString& strText, bool bNumber = true)
{
    auto* pItem = new QTableWidgetItem(strText);
    pItem->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    pItem->setTextAlignment((bNumber ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return pItem;
}

// A utilisation's cell, coloured by how near the limit it comes.
QTableWidgetItem* UseCell(double dUse)
{
    QTableWidgetItem* pItem = Cell(Fixed(dUse, 1));
    pItem->setBackground(dUse <= CCheckDlg::kComfortable ? kGreen : dUse <= 100 ? kAmber : kRed);
    pItem->setForeground(Qt::black);
    return pItem;
}

QLineEdit* NumberField(const char* pszText, int nWidth = 80)
{
    auto* pEdit = new QLineEdit(QString::fromLatin1(pszText));
    pEdit->setMaximumWidth(nWidth);
    return pEdit;
}

} // namespace

CCheckDlg::CCheckDlg(CLoadList& list, CServices& services, QPrinter& printer, QWidget* pParent)
    : QDialog(pParent), m_list(list), m_services(services), m_printer(printer)
{
    setWindowTitle(QStringLiteral("Verifica condizioni di carico"));

    auto* pInput = new QGroupBox(QStringLiteral("Dati"));
    auto* pInputGrid = new QGridLayout(pInput);
    m_editHull = new QLineEdit(CStrengthDlg::LastHullTable());
    m_btnBrowseHull = new QPushButton(QStringLiteral("Sfo&glia..."));
    m_btnBrowseHull->setAccessibleName(QStringLiteral("Sfoglia tavola di carena"));
    m_editLimits = new QLineEdit(Settings().value(QString::fromLatin1(kLimitsSetting)).toString());
    m_btnBrowseLimits = new QPushButton(QStringLiteral("Sf&oglia..."));
    m_btnBrowseLimits->setAccessibleName(QStringLiteral("Sfoglia limiti ammissibili"));
    const auto addPathRow = [&](int nRow, const char* pszLabel, QLineEdit* pEdit, QPushButton* pBrowse) {
        CBuddyLabel::AddRow(pInputGrid, nRow, pszLabel, pEdit);
        pInputGrid->addWidget(pBrowse, nRow, 2);
    };
    addPathRow(0, "&Tavola di carena (aree delle sezioni):", m_editHull, m_btnBrowseHull);
    addPathRow(1, "&Limiti ammissibili (x, SF_max, SF_min, BM_hog, BM_sag):", m_editLimits,
               m_btnBrowseLimits);
    auto* pWaterRow = new QHBoxLayout;
    m_editDensity = NumberField(CStrengthDlg::kDefaultDensity);
    CBuddyLabel::AddField(pWaterRow, "&Densità dell'acqua [t/m³]:", m_editDensity);
    pWaterRow->addSpacing(20);
    m_checkWave = new QCheckBox(QStringLiteral("Carichi d'o&nda della regola:"));
    pWaterRow->addWidget(m_checkWave);
    m_editLength = NumberField("");
    m_editBeam = NumberField("");
    m_editBlock = NumberField("", 60);
    m_editMaterial = NumberField("1", 60);
    CBuddyLabel::AddField(pWaterRow, "L [m]:", m_editLength);
    CBuddyLabel::AddField(pWaterRow, "B [m]:", m_editBeam);
    CBuddyLabel::AddField(pWaterRow, "Cb:", m_editBlock);
    CBuddyLabel::AddField(pWaterRow, "k:", m_editMaterial);
    pWaterRow->addStretch(1);
    pInputGrid->addLayout(pWaterRow, 2, 0, 1, 3);
    pInputGrid->setColumnStretch(1, 1);

    auto* pConditions = new QGroupBox(QStringLiteral("Condizioni di carico"));
    auto* pConditionLayout = new QVBoxLayout(pConditions);
    m_listConditions = new QListWidget;
    m_listConditions->setAccessibleName(QStringLiteral("Condizioni di carico"));
    m_btnAddCondition = new QPushButton(QStringLiteral("&Aggiungi condizione..."));
    m_btnAddFile = new QPushButton(QStringLiteral("Aggiungi f&ile alla condizione..."));
    m_btnRemove = new QPushButton(QStringLiteral("&Rimuovi condizione"));
    m_btnCheck = new QPushButton(QStringLiteral("Verifi&ca"));
    m_btnCheck->setDefault(true);
    pConditionLayout->addWidget(m_listConditions, 1);
    for (QPushButton* pButton : {m_btnAddCondition, m_btnAddFile, m_btnRemove, m_btnCheck})
        pConditionLayout->addWidget(pButton);

    m_labelMessage = new QLabel(QStringLiteral(
        "Scegliere la tavola di carena e i limiti, aggiungere le condizioni e premere «Verifica»."));
    m_labelMessage->setWordWrap(true);
    m_labelMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_gridResults = new QTableWidget;
    m_gridResults->setAccessibleName(QStringLiteral("Risultati della verifica"));
    m_gridResults->verticalHeader()->hide();
    m_gridResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_gridResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_wndPlot = new CCheckPlotWnd;

    auto* pResults = new QVBoxLayout;
    pResults->addWidget(m_gridResults, 1);
    pResults->addWidget(m_wndPlot, 3);
    auto* pMiddle = new QHBoxLayout;
    pMiddle->addWidget(pConditions);
    pMiddle->addLayout(pResults, 1);

    m_btnExportTable = new QPushButton(QStringLiteral("&Esporta tabella (CSV)..."));
    m_btnPrint = new QPushButton(QStringLiteral("Stam&pa rapporto..."));
    m_btnSaveReport = new QPushButton(QStringLiteral("&Salva rapporto (PDF)..."));
    auto* pClose = new QPushButton(QStringLiteral("Chiudi"));
    auto* pButtons = new QHBoxLayout;
    for (QPushButton* pButton : {m_btnExportTable, m_btnPrint, m_btnSaveReport})
        pButtons->addWidget(pButton);
    pButtons->addStretch(1);
    pButtons->addWidget(pClose);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pInput);
    pLayout->addWidget(m_labelMessage);
    pLayout->addLayout(pMiddle, 1);
    pLayout->addLayout(pButtons);

    // Only the check is the default: Enter in any field runs it, not an export.
    for (QPushButton* pButton : {m_btnBrowseHull, m_btnBrowseLimits, m_btnAddCondition, m_btnAddFile,
                                 m_btnRemove, m_btnExportTable, m_btnPrint, m_btnSaveReport, pClose})
        pButton->setAutoDefault(false);
    connect(m_btnBrowseHull, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnBrowseHull); });
    connect(m_btnBrowseLimits, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnBrowseLimits); });
    connect(m_btnAddCondition, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnAddCondition); });
    connect(m_btnAddFile, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnAddConditionFile); });
    connect(m_btnRemove, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnRemoveCondition); });
    connect(m_btnCheck, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnCheck); });
    connect(m_btnExportTable, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnExportCheckCsv); });
    connect(m_btnPrint, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnFilePrint); });
    connect(m_btnSaveReport, &QPushButton::clicked, this, [this] { Asking(&CCheckDlg::OnSaveReportPdf); });
    connect(pClose, &QPushButton::clicked, this, &QDialog::close);
    connect(m_listConditions, &QListWidget::currentRowChanged, this, [this](int nRow) {
        m_btnRemove->setEnabled(nRow > 0);
        m_btnAddFile->setEnabled(nRow > 0);
    });
    connect(m_checkWave, &QCheckBox::toggled, this, [this](bool bOn) {
        for (QLineEdit* pEdit : {m_editLength, m_editBeam, m_editBlock, m_editMaterial})
            pEdit->setEnabled(bOn);
    });
    m_checkWave->toggled(false);

    resize(1150, 760);
    UpdateConditions(0);
    UpdateResult();
}

CCheckDlg::~CCheckDlg() = default;

void CCheckDlg::Asking(void (CCheckDlg::*pSlot)())
{
    const CServices::CAskedBy asked(m_services, this);
    (this->*pSlot)();
}

std::string CCheckDlg::EstimateName() const
{
    return m_list.m_strFileName.empty() ? std::string("stima aperta")
                                        : CLoadingCondition::NameOf({m_list.m_strFileName});
}

void CCheckDlg::UpdateConditions(int nSelected)
{
    QStringList names{QString::fromStdString(EstimateName()) + QStringLiteral(" (stima aperta)")};
    for (const std::vector<std::string>& paths : m_conditions)
        names << QString::fromStdString(CLoadingCondition::NameOf(paths));
    m_listConditions->clear();
    m_listConditions->addItems(names);
    m_listConditions->setCurrentRow(nSelected);
    m_btnRemove->setEnabled(nSelected > 0);
    m_btnAddFile->setEnabled(nSelected > 0);
}

void CCheckDlg::ResetResult()
{
    m_pCheck.reset();
    UpdateConditions(m_listConditions->currentRow() < 0 ? 0 : m_listConditions->currentRow());
    UpdateResult();
    m_labelMessage->setText(QStringLiteral("La stima è cambiata: premere «Verifica» per ricalcolare."));
}

void CCheckDlg::OnBrowseHull()
{
    CPathField::Browse(m_services, kTableDialog, *m_editHull);
}

void CCheckDlg::OnBrowseLimits()
{
    CPathField::Browse(m_services, kTableDialog, *m_editLimits);
}

void CCheckDlg::OnAddCondition()
{
    std::string strPath;
    if (!m_services.GetOpenFileName(kWeightDialog, strPath))
        return;
    m_conditions.push_back({strPath});
    UpdateConditions(static_cast<int>(m_conditions.size()));
}

void CCheckDlg::OnAddConditionFile()
{
    const int nRow = m_listConditions->currentRow();
    std::string strPath;
    // The open estimate is a condition of its own; files join the conditions added to it.
    if (nRow <= 0 || !m_services.GetOpenFileName(kWeightDialog, strPath))
        return;
    m_conditions[static_cast<size_t>(nRow - 1)].push_back(strPath);
    UpdateConditions(nRow);
}

void CCheckDlg::OnRemoveCondition()
{
    const int nRow = m_listConditions->currentRow();
    if (nRow <= 0)
        return;
    m_conditions.erase(m_conditions.begin() + (nRow - 1));
    UpdateConditions(std::min(nRow, static_cast<int>(m_conditions.size())));
}

bool CCheckDlg::ReadWave()
{
    m_pWave.reset();
    if (!m_checkWave->isChecked())
        return true;
    double values[4] = {0, 0, 0, 1};
    const QLineEdit* fields[4] = {m_editLength, m_editBeam, m_editBlock, m_editMaterial};
    const char* const names[4] = {"la lunghezza L", "la larghezza B", "il coefficiente di blocco Cb",
                                  "il fattore del materiale k"};
    for (int i = 0; i < 4; ++i)
    {
        if (!CEditNumber::ParseTyped(fields[i]->text().toStdString(), values[i]))
        {
            Refuse(std::string("Carichi d'onda: ") + names[i] + " deve essere un numero: «" +
                   fields[i]->text().toStdString() + "» non lo è.");
            return false;
        }
    }
    auto pWave = std::make_unique<CWaveLoads>(values[0], values[1], values[2], values[3]);
    if (!pWave->Fault().empty())
    {
        Refuse("Carichi d'onda non calcolabili: " + pWave->Fault() + ".");
        return false;
    }
    m_pWave = std::move(pWave);
    return true;
}

void CCheckDlg::OnCheck()
{
    m_pCheck.reset();
    UpdateResult();
    double dDensity = 0;
    if (!CEditNumber::ParseTyped(m_editDensity->text().toStdString(), dDensity) || !(dDensity > 0))
    {
        Refuse("La densità dell'acqua deve essere un numero positivo di t/m³: «" +
               m_editDensity->text().toStdString() + "» non lo è.");
        return;
    }
    if (!ReadWave())
        return;
    const std::string strHull = CPathField::Path(*m_editHull), strLimits = CPathField::Path(*m_editLimits);
    if (strHull.empty() || strLimits.empty())
    {
        Refuse("Scegliere la tavola di carena e il file dei limiti ammissibili.");
        (strHull.empty() ? m_editHull : m_editLimits)->setFocus();
        return;
    }

    CWaitCursor wait;
    try
    {
        CHullTableFile::Read(strHull, m_hull);
        CLimitsFile::Read(strLimits, m_limits);
    }
    catch (const CFileException& error)
    {
        Refuse(FileErrorText(error));
        return;
    }
    Settings().setValue(QString::fromLatin1(CStrengthDlg::kHullSetting), m_editHull->text().trimmed());
    Settings().setValue(QString::fromLatin1(kLimitsSetting), m_editLimits->text().trimmed());

    const std::string strEstimate =
        m_list.m_strFileName.empty() ? std::string("stima aperta") : m_list.m_strFileName + " (stima aperta)";
    m_inputs = SCheckInputs{strHull, strLimits, {{strEstimate}}, dDensity};
    auto pCheck = std::make_unique<CLoadingCheck>(m_hull, m_limits, dDensity, m_pWave.get());
    std::string strRefusal;
    if (!pCheck->Add(EstimateName(), m_list, strRefusal))
    {
        Refuse("Una condizione non trova l'equilibrio sulla tavola di carena.\n" + strRefusal);
        return;
    }
    for (const std::vector<std::string>& paths : m_conditions)
    {
        CLoadList list;
        try
        {
            CLoadingCondition::Read(paths, list);
        }
        catch (const CFileException& error)
        {
            Refuse(FileErrorText(error));
            return;
        }
        if (!pCheck->Add(CLoadingCondition::NameOf(paths), list, strRefusal))
        {
            Refuse("Una condizione non trova l'equilibrio sulla tavola di carena.\n" + strRefusal);
            return;
        }
        m_inputs.conditions.push_back(paths);
    }
    m_pCheck = std::move(pCheck);
    UpdateResult();
    m_labelMessage->setText(m_pCheck->Within()
                                ? QStringLiteral("Tutte le condizioni sono entro i limiti.")
                                : QStringLiteral("Almeno una condizione è fuori dai limiti (in rosso)."));
}

void CCheckDlg::UpdateResult()
{
    const bool bChecked = m_pCheck != nullptr;
    const bool bWave = bChecked && m_pCheck->Wave();
    QStringList header{
        QStringLiteral("Condizione"), QStringLiteral("W [t]"),       QStringLiteral("T_aft [m]"),
        QStringLiteral("T_fwd [m]"),  QStringLiteral("GMT [m]"),     QStringLiteral("Taglio [%]"),
        QStringLiteral("a x [m]"),    QStringLiteral("Momento [%]"), QStringLiteral("a x [m]")};
    if (bWave)
        header << QStringLiteral("Z_req [m³]") << QStringLiteral("a x [m]");
    header << QStringLiteral("Esito");
    m_gridResults->clear();
    m_gridResults->setColumnCount(header.size());
    m_gridResults->setHorizontalHeaderLabels(header);
    m_gridResults->setRowCount(bChecked ? static_cast<int>(m_pCheck->m_conditions.size()) : 0);
    for (int nRow = 0; nRow < m_gridResults->rowCount(); ++nRow)
    {
        const SConditionCheck& condition = m_pCheck->m_conditions[static_cast<size_t>(nRow)];
        const CStrengthResult& result = condition.m_result;
        std::vector<QTableWidgetItem*> cells{Cell(QString::fromStdString(condition.m_strName), false),
                                             Cell(Fixed(result.m_dWeight, 1)),
                                             Cell(Fixed(result.m_dAftDraft, 3)),
                                             Cell(Fixed(result.m_dFwdDraft, 3)),
                                             Cell(Fixed(condition.m_dGmt, 3)),
                                             UseCell(condition.m_shearUse.dValue),
                                             Cell(Fixed(condition.m_shearUse.x, 2)),
                                             UseCell(condition.m_momentUse.dValue),
                                             Cell(Fixed(condition.m_momentUse.x, 2))};
        if (bWave)
        {
            cells.push_back(Cell(Fixed(condition.m_modulus.dValue, 4)));
            cells.push_back(Cell(Fixed(condition.m_modulus.x, 2)));
        }
        QTableWidgetItem* pVerdict =
            Cell(condition.Within() ? QStringLiteral("entro i limiti") : QStringLiteral("fuori dai limiti"),
                 false);
        if (!condition.Within())
            pVerdict->setForeground(QColor(190, 0, 0));
        cells.push_back(pVerdict);
        for (size_t nColumn = 0; nColumn < cells.size(); ++nColumn)
            m_gridResults->setItem(nRow, static_cast<int>(nColumn), cells[nColumn]);
    }
    m_gridResults->resizeColumnsToContents();
    m_wndPlot->SetCheck(m_pCheck.get());
    for (QPushButton* pButton : {m_btnExportTable, m_btnPrint, m_btnSaveReport})
        pButton->setEnabled(bChecked);
}

void CCheckDlg::Refuse(const std::string& strText)
{
    m_labelMessage->setText(QString::fromUtf8(strText.c_str()));
    m_services.MessageBox(strText, CServices::MB_OK);
}

void CCheckDlg::OnExportCheckCsv()
{
    if (!m_pCheck)
        return;
    CFile file;
    m_services.ExportFile(kCsvDialog, file, [&] { CCheckTableFile::Write(file, *m_pCheck); });
}

void CCheckDlg::OnFilePrint()
{
    if (!m_pCheck || !m_services.PrintDialog(m_printer))
        return;
    CCheckReport report(*m_pCheck, m_inputs);
    report.m_nScreenDpiY = CQtSurface::PrimaryScreenDpiY();
    if (!report.Render(m_printer))
        m_services.PrintingFailed(m_printer);
}

void CCheckDlg::OnSaveReportPdf()
{
    std::string strPath;
    if (!m_pCheck || !m_services.GetSaveFileName(kPdfDialog, strPath))
        return;
    CWaitCursor wait;
    CCheckReport report(*m_pCheck, m_inputs);
    report.m_nScreenDpiY = CQtSurface::PrimaryScreenDpiY();
    std::string strError;
    if (!report.Write(strPath, strError))
        m_services.MessageBox("Impossibile salvare il rapporto: " + strError, CServices::MB_OK);
}
