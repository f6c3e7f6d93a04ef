// The window of the curves of form: it reads its fields, has the core compute the hydrostatics,
// and shows, prints and exports what the core found.
#include "dialogs/HydrostaticsDlg.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/BuddyLabel.h"
#include "dialogs/CurvesOfFormWnd.h"
#include "dialogs/EditNumber.h"
#include "dialogs/PathField.h"
#include "dialogs/StrengthDlg.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/HullTableFile.h"
#include "document/StrengthTableFile.h"
#include "model/HullTable.h"
#include "model/NumberFormat.h"
#include "platform/FileErrorText.h"
#include "platform/QtSurface.h"
#include "platform/Services.h"
#include "platform/WaitCursor.h"
#include "view/CurvesOfFormPlot.h"
#include "view/PanelPainter.h"

namespace
{
const SFileDialog kHullDialog{"Tavole di carena|*.csv;*.txt|Tutti i file|*.*||", "csv", ""};
const SFileDialog kCsvDialog{"File tabulato(*.CSV)|*.CSV", "CSV", "*.CSV"};
constexpr int kPrintPointSize = 180;
constexpr int kPrintLine = 45;

// The grid's columns: the heading and the figure of a row, in the batch tool's order.
struct SColumn
{
    const char* pszHeading;
    double SHydrostatics::*pValue;
};
const SColumn kColumns[] = {
    {"Dislocamento [t]", &SHydrostatics::dDisplacement},
    {"Volume [m³]", &SHydrostatics::dVolume},
    {"LCB [m]", &SHydrostatics::dLcb},
    {"KB [m]", &SHydrostatics::dKb},
    {"Aw [m²]", &SHydrostatics::dAw},
    {"LCF [m]", &SHydrostatics::dLcf},
    {"TPC [t/cm]", &SHydrostatics::dTpc},
    {"MCT1cm [t·m/cm]", &SHydrostatics::dMct1cm},
    {"BMT [m]", &SHydrostatics::dBmt},
    {"KMT [m]", &SHydrostatics::dKmt},
    {"BML [m]", &SHydrostatics::dBml},
    {"KML [m]", &SHydrostatics::dKml},
    {"Cb", &SHydrostatics::dCb},
};

// A figure as the grid shows it; none where it does not exist.
QString Figure(double dValue)
{
    return std::isfinite(dValue) ? QString::fromStdString(CNumberFormat::Format("%.4f", dValue)) : QString();
}

QLineEdit* NumberField(const char* pszText = "")
{
    auto* pEdit = new QLineEdit(QString::fromUtf8(pszText));
    pEdit->setMaximumWidth(90);
    return pEdit;
}

} // namespace

CHydrostaticsDlg::CHydrostaticsDlg(CServices& services, QPrinter& printer, QWidget* pParent)
    : QDialog(pParent), m_services(services), m_printer(printer)
{
    setWindowTitle(QStringLiteral("Curve idrostatiche"));

    // The table last read by this window or by the strength window.
    m_editHull = new QLineEdit(CStrengthDlg::LastHullTable());
    m_btnBrowse = new QPushButton(QStringLiteral("S&foglia..."));
    m_btnBrowse->setAccessibleName(QStringLiteral("Sfoglia tavola di carena"));
    auto* pInput = new QGridLayout;
    CBuddyLabel::AddRow(pInput, 0, "&Tavola di carena (aree delle sezioni):", m_editHull);
    pInput->addWidget(m_btnBrowse, 0, 2);

    m_editDensity = NumberField(CStrengthDlg::kDefaultDensity);
    m_editFrom = NumberField();
    m_editTo = NumberField();
    m_editStep = NumberField();
    for (QLineEdit* pEdit : {m_editFrom, m_editTo, m_editStep})
        pEdit->setPlaceholderText(QStringLiteral("tavola"));
    auto* pRow = new QHBoxLayout;
    CBuddyLabel::AddField(pRow, "&Densità dell'acqua [t/m³]:", m_editDensity);
    pRow->addSpacing(16);
    CBuddyLabel::AddField(pRow, "&Immersioni da T [m]:", m_editFrom);
    CBuddyLabel::AddField(pRow, "&a T [m]:", m_editTo);
    CBuddyLabel::AddField(pRow, "pa&sso [m]:", m_editStep);
    pRow->addStretch(1);
    m_btnCompute = new QPushButton(QStringLiteral("&Calcola"));
    m_btnCompute->setDefault(true);
    pInput->addLayout(pRow, 1, 0, 1, 2);
    pInput->addWidget(m_btnCompute, 1, 2);
    pInput->setColumnStretch(1, 1);

    m_labelMessage = new QLabel(QStringLiteral(
        "Scegliere la tavola di carena e premere «Calcola»; senza immersioni, quelle della tavola."));
    m_labelMessage->setWordWrap(true);
    m_labelMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_gridCurves = new QTableWidget(0, 1 + static_cast<int>(std::size(kColumns)));
    m_gridCurves->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_gridCurves->setAccessibleName(QStringLiteral("Tabella delle curve idrostatiche"));
    QStringList headings{QStringLiteral("T [m]")};
    for (const SColumn& column : kColumns)
        headings << QString::fromUtf8(column.pszHeading);
    m_gridCurves->setHorizontalHeaderLabels(headings);
    m_gridCurves->verticalHeader()->setVisible(false);
    m_gridCurves->verticalHeader()->setDefaultSectionSize(m_gridCurves->fontMetrics().height() + 6);
    m_wndCurves = new CCurvesOfFormWnd;
    auto* pSplitter = new QSplitter(Qt::Horizontal);
    pSplitter->addWidget(m_gridCurves);
    pSplitter->addWidget(m_wndCurves);
    pSplitter->setStretchFactor(0, 1);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setChildrenCollapsible(false);
    pSplitter->setSizes({560, 560});

    m_btnPrint = new QPushButton(QStringLiteral("Stam&pa..."));
    m_btnExport = new QPushButton(QStringLiteral("&Esporta tabella (CSV)..."));
    auto* pClose = new QPushButton(QStringLiteral("Chiudi"));
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(m_btnPrint);
    pButtons->addWidget(m_btnExport);
    pButtons->addStretch(1);
    pButtons->addWidget(pClose);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pInput);
    pLayout->addWidget(m_labelMessage);
    pLayout->addWidget(pSplitter, 1);
    pLayout->addLayout(pButtons);

    // Only the calculation is the default: Enter in any field runs it, not an export.
    for (QPushButton* pButton : {m_btnBrowse, m_btnPrint, m_btnExport, pClose})
        pButton->setAutoDefault(false);
    // What a button asks belongs to this window, so that the message stacks over it and the focus
    // comes back here.
    const auto asking = [this](void (CHydrostaticsDlg::*pHandler)()) {
        return [this, pHandler] {
            const CServices::CAskedBy asked(m_services, this);
            (this->*pHandler)();
        };
    };
    connect(m_btnBrowse, &QPushButton::clicked, this, asking(&CHydrostaticsDlg::OnBrowseHull));
    connect(m_btnCompute, &QPushButton::clicked, this, asking(&CHydrostaticsDlg::OnCompute));
    connect(m_btnPrint, &QPushButton::clicked, this, asking(&CHydrostaticsDlg::OnFilePrint));
    connect(m_btnExport, &QPushButton::clicked, this, asking(&CHydrostaticsDlg::OnExportCurvesCsv));
    connect(pClose, &QPushButton::clicked, this, &QDialog::close);

    resize(1150, 700);
    UpdateCurves();
}

CHydrostaticsDlg::~CHydrostaticsDlg() = default;

void CHydrostaticsDlg::OnBrowseHull()
{
    CPathField::Browse(m_services, kHullDialog, *m_editHull);
}

void CHydrostaticsDlg::OnCompute()
{
    m_curves = CCurvesOfForm();
    UpdateCurves();
    double dDensity = 0;
    if (!CEditNumber::ParseTyped(m_editDensity->text().toStdString(), dDensity))
    {
        Refuse("La densità dell'acqua deve essere un numero di t/m³: «" +
               m_editDensity->text().toStdString() + "» non lo è.");
        m_editDensity->setFocus();
        return;
    }
    // The range is all three drafts or none of them.
    double dRange[3] = {0, 0, 0};
    int nGiven = 0;
    QLineEdit* const range[3] = {m_editFrom, m_editTo, m_editStep};
    for (int i = 0; i < 3; ++i)
    {
        if (range[i]->text().trimmed().isEmpty())
            continue;
        ++nGiven;
        if (!CEditNumber::ParseTyped(range[i]->text().toStdString(), dRange[i]))
        {
            Refuse("«" + range[i]->text().toStdString() + "» non è un numero di metri.");
            range[i]->setFocus();
            return;
        }
    }
    if (nGiven != 0 && nGiven != 3)
    {
        Refuse(
            "Indicare le immersioni con «da», «a» e «passo», oppure nessuna per usare quelle della tavola.");
        return;
    }
    CHullTable hull;
    std::string strRefusal;
    if (!CStrengthDlg::ReadHullTable(*m_editHull, hull, strRefusal))
    {
        Refuse(strRefusal);
        if (m_editHull->text().trimmed().isEmpty())
            m_editHull->setFocus();
        return;
    }
    CWaitCursor wait;
    const bool bDone = nGiven == 3 ? m_curves.Compute(hull, dDensity, dRange[0], dRange[1], dRange[2])
                                   : m_curves.Compute(hull, dDensity);
    if (!bDone)
    {
        const std::string strWhy = m_curves.m_strRefusal;
        m_curves = CCurvesOfForm();
        Refuse("Impossibile calcolare le curve idrostatiche.\n" + strWhy);
        return;
    }
    const std::string strHull = CPathField::Path(*m_editHull);
    const size_t nSlash = strHull.find_last_of('/'); // npos + 1 is 0: the whole path
    // The printed title goes through the surface, which takes Latin-1 text.
    m_strTitle = (QStringLiteral("Curve idrostatiche di ") +
                  QFile::decodeName(strHull.substr(nSlash + 1).c_str()) + QStringLiteral(", densità ") +
                  QString::fromStdString(CNumberFormat::Format("%.4G", dDensity)) + QStringLiteral(" t/m³"))
                     .toLatin1()
                     .toStdString();
    UpdateCurves();
    m_labelMessage->setText(
        QString::fromUtf8((std::to_string(m_curves.m_rows.size()) + " immersioni da " +
                           CNumberFormat::Format("%.4G", m_curves.m_rows.front().dDraft) + " a " +
                           CNumberFormat::Format("%.4G", m_curves.m_rows.back().dDraft) + " m.")
                              .c_str()));
}

void CHydrostaticsDlg::UpdateCurves()
{
    const std::vector<SCurvesOfFormRow>& rows = m_curves.m_rows;
    m_gridCurves->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    {
        const auto set = [&](int c, double dValue) {
            auto* pItem = new QTableWidgetItem(Figure(dValue));
            pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_gridCurves->setItem(r, c, pItem);
        };
        set(0, rows[static_cast<size_t>(r)].dDraft);
        for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c)
            set(c + 1, rows[static_cast<size_t>(r)].hydrostatics.*kColumns[c].pValue);
    }
    m_gridCurves->resizeColumnsToContents();
    m_wndCurves->SetCurves(rows.empty() ? nullptr : &m_curves);
    m_btnPrint->setEnabled(!rows.empty());
    m_btnExport->setEnabled(!rows.empty());
}

void CHydrostaticsDlg::Refuse(const std::string& strText)
{
    m_labelMessage->setText(QString::fromUtf8(strText.c_str()));
    m_services.MessageBox(strText, CServices::MB_OK);
}

void CHydrostaticsDlg::OnFilePrint()
{
    if (m_services.PrintDialog(m_printer))
        PrintTo(m_printer);
}

bool CHydrostaticsDlg::PrintTo(QPrinter& printer)
{
    if (m_curves.m_rows.empty())
        return false;
    QPainter painter;
    if (!m_services.BeginPrinting(painter, printer))
        return false;
    const QRect rcPage = printer.pageLayout().paintRectPixels(printer.resolution());
    CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
    // The title heads the page; the curves take the rest of it.
    surface.SetMapMode(MM_LOMETRIC);
    const CFont fontOld =
        surface.SelectObject(CFont::CreatePointFont(kPrintPointSize, "Arial", surface.GetScreenDpiY()));
    surface.TextOut(0, 0, m_strTitle);
    surface.SelectObject(fontOld);
    surface.SetMapMode(MM_TEXT);
    const int nTop = CPanelPainter(surface).Pixels(2 * kPrintLine);
    CCurvesOfFormPlot(m_curves).Draw(surface, SRect{0, nTop, rcPage.width(), rcPage.height()});
    surface.Flush();
    painter.end();
    return true;
}

void CHydrostaticsDlg::OnExportCurvesCsv()
{
    if (m_curves.m_rows.empty())
        return;
    CFile file;
    m_services.ExportFile(kCsvDialog, file, [&] { CStrengthTableFile::WriteCurvesOfForm(file, m_curves); });
}
