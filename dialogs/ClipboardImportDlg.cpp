// The clipboard import dialog.
#include "dialogs/ClipboardImportDlg.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/AnsiText.h"
#include "dialogs/CellReader.h"
#include "dialogs/ClipboardTable.h"
#include "dialogs/ClipboardText.h"
#include "dialogs/MSFlexGrid.h"
#include "platform/Services.h"
#include "platform/WaitCursor.h"
#include "view/Surface.h"

const char* const CClipboardImportDlg::kInstructions[3] = {
    "E' di fondamentale importanza copiare i dati da Excel con le colonne in questa sequenza e senza "
    "omissioni.",
    "Si ricoda inoltre che vanno inseriti i numeri con il \"PUNTO\" decimale e non con la \"VIRGOLA\".",
    "Per risolvere il problema della compatibilità modificare le Impostazioni internazionali di Windows "
    "nella "
    "sezione numeri",
};

namespace
{
constexpr std::uint32_t kSelectedColour = RGB(240, 240, 0);
constexpr std::uint32_t kPlainColour = RGB(255, 255, 255);
} // namespace

CClipboardImportDlg::CClipboardImportDlg(CServices& services, QWidget* pParent)
    : QDialog(pParent), m_services(services)
{
    setWindowTitle(QStringLiteral("Impotazione carichi dalla ClipBoard"));
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    auto* pInstructions = new QVBoxLayout;
    for (const char* pszLine : kInstructions)
    {
        auto* pLine = new QLabel(QString::fromUtf8(pszLine));
        pLine->setWordWrap(true);
        pInstructions->addWidget(pLine);
    }
    auto* pOk = new QPushButton(QStringLiteral("OK"));
    auto* pCancel = new QPushButton(QStringLiteral("Cancel"));
    pOk->setDefault(true);
    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);
    pButtons->addStretch(1);
    auto* pTop = new QHBoxLayout;
    pTop->addLayout(pInstructions, 1);
    pTop->addLayout(pButtons);

    m_editCell = new QLineEdit;
    m_editCell->setAccessibleName(QStringLiteral("Cella selezionata"));
    m_btnConvert = new QPushButton(QStringLiteral("Converti virgole in punti"));
    auto* pCell = new QHBoxLayout;
    pCell->addWidget(m_editCell, 1);
    pCell->addWidget(m_btnConvert);

    m_grid = new CMSFlexGrid(2, 7, 1, 0);
    m_grid->setAccessibleName(QStringLiteral("Tabella dei carichi"));
    for (int nCol = 0; nCol < 7; ++nCol)
        m_grid->SetTextMatrix(0, nCol, QString::fromUtf8(CClipboardTable::kHeadings[nCol]));

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pTop);
    pLayout->addLayout(pCell);
    pLayout->addWidget(m_grid, 1);

    m_menuGrid = new QMenu(this);
    m_actionCopy = m_menuGrid->addAction(QStringLiteral("Copia"));
    m_actionCopy->setEnabled(false);
    m_actionPaste = m_menuGrid->addAction(QStringLiteral("Incolla"));
    m_menuGrid->addSeparator();
    m_actionConvert = m_menuGrid->addAction(QStringLiteral("Converti tutte le virgole in punti"));

    connect(pOk, &QPushButton::clicked, this, &CClipboardImportDlg::accept);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnConvert, &QPushButton::clicked, this, &CClipboardImportDlg::OnConvertCommas);
    connect(m_actionConvert, &QAction::triggered, this, &CClipboardImportDlg::OnConvertCommas);
    connect(m_actionPaste, &QAction::triggered, this, &CClipboardImportDlg::OnPaste);
    connect(m_actionCopy, &QAction::triggered, this, &CClipboardImportDlg::OnCopy);
    connect(m_grid, &CMSFlexGrid::SelChange, this, &CClipboardImportDlg::OnSelChangeGrid);
    connect(m_grid, &CMSFlexGrid::MouseDown, this, &CClipboardImportDlg::OnMouseDownGrid);
    connect(m_grid, &CMSFlexGrid::PasteKey, this, &CClipboardImportDlg::OnPaste);
    connect(m_grid, &CMSFlexGrid::MenuKey, this, &CClipboardImportDlg::TrackPopupMenu);
    connect(m_editCell, &QLineEdit::textChanged, this, &CClipboardImportDlg::OnChangeEditCell);
    resize(760, 460);
}

void CClipboardImportDlg::OnPaste()
{
    CWaitCursor wait;
    std::string strText;
    if (!CClipboardText(this).GetText(strText))
        return;
    if (!CClipboardTable::Accepts(strText, kMaxRows))
    {
        const CServices::CAskedBy asked(m_services, this);
        m_services.MessageBox(CClipboardTable::kBadFormat, CServices::MB_OK);
        return;
    }
    CCellReader reader;
    reader.Attach(strText);
    m_grid->SetGridText(reader);
    m_bPasted = true;
    // The grid's cells are all new: none of them is highlighted any more, and the cell edit
    // shows the current one, which typing there changes.
    m_nPrevRow = m_nPrevCol = -1;
    const QSignalBlocker blocker(m_editCell);
    m_editCell->setText(m_grid->GetTextMatrix(m_grid->GetRow(), m_grid->GetCol()));
}

void CClipboardImportDlg::OnCopy()
{
    CWaitCursor wait;
    std::string strText;
    m_grid->GetGridText(strText, 0, 0);
    CClipboardText(this).SetText(strText);
}

void CClipboardImportDlg::OnConvertCommas()
{
    for (int nRow = 1; nRow < m_grid->GetRows(); ++nRow)
    {
        for (int nCol = 1; nCol < m_grid->GetCols(); ++nCol)
        {
            std::string strCell = CAnsiText::FromQString(m_grid->GetTextMatrix(nRow, nCol));
            if (CClipboardTable::ConvertCommas(strCell))
                m_grid->SetTextMatrix(nRow, nCol, CAnsiText::ToQString(strCell));
        }
    }
}

void CClipboardImportDlg::OnSelChangeGrid()
{
    const int nRow = m_grid->GetRow();
    const int nCol = m_grid->GetCol();
    m_editCell->setText(m_grid->GetTextMatrix(nRow, nCol));
    m_editCell->setFocus(Qt::OtherFocusReason);
    m_grid->SetCellBackColor(kSelectedColour);
    if (m_nPrevRow >= 1 && m_nPrevCol >= 0 && (m_nPrevRow != nRow || m_nPrevCol != nCol))
    {
        m_grid->SetRow(m_nPrevRow);
        m_grid->SetCol(m_nPrevCol);
        m_grid->SetCellBackColor(kPlainColour);
        m_grid->SetRow(nRow);
        m_grid->SetCol(nCol);
    }
    m_nPrevRow = nRow;
    m_nPrevCol = nCol;
}

void CClipboardImportDlg::OnChangeEditCell()
{
    m_grid->SetTextMatrix(m_grid->GetRow(), m_grid->GetCol(), m_editCell->text());
}

void CClipboardImportDlg::OnMouseDownGrid(int nButton, int, int x, int y)
{
    if (nButton == 2)
        TrackPopupMenu(x, y);
}

void CClipboardImportDlg::TrackPopupMenu(int x, int y)
{
    m_menuGrid->exec(m_grid->mapToGlobal(QPoint(x + 5, y)));
}

void CClipboardImportDlg::accept()
{
    // The grid shows what the user pasted and corrected: that is what is imported, not the text
    // of the paste, which knows nothing of the corrections.
    if (m_bPasted)
        m_grid->GetGridText(m_strImport, 1, 0);
    QDialog::accept();
}
