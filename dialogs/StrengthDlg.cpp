// The window of the hull girder's strength: it reads its fields, has the core float the estimate
// and integrate its curves, and shows, prints and exports what the core found.
#include "dialogs/StrengthDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "dialogs/BuddyLabel.h"
#include "dialogs/EditNumber.h"
#include "dialogs/PathField.h"
#include "dialogs/StrengthPlotWnd.h"
#include "document/File.h"
#include "document/FileException.h"
#include "document/HullTableFile.h"
#include "document/StrengthTableFile.h"
#include "model/HullGirder.h"
#include "model/HullTable.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/StationCurve.h"
#include "platform/FileErrorText.h"
#include "platform/QtSurface.h"
#include "platform/Services.h"
#include "platform/WaitCursor.h"
#include "view/StrengthPlot.h"

const char* const CStrengthDlg::kHullSetting = "Sollecitazioni/TavolaCarena";
const char* const CStrengthDlg::kDefaultDensity = "1.025";

namespace
{
const SFileDialog kHullDialog{"Tavole di carena|*.csv;*.txt|Tutti i file|*.*||", "csv", ""};
const SFileDialog kCsvDialog{"File tabulato(*.CSV)|*.CSV", "CSV", "*.CSV"};

// Printed text, on screen the labels' size, placed in tenths of a millimetre.
constexpr int kPrintPointSize = 180;
constexpr int kPrintLine = 45;

std::string Fixed(double dValue)
{
    return CNumberFormat::Format("%.4f", dValue);
}

// The closure is rounding noise at equilibrium: its order of magnitude is what tells.
std::string Small(double dValue)
{
    return CNumberFormat::Format("%.3E", dValue);
}

// A field's number, with a decimal comma read as a point as an Italian keyboard types it.
bool ReadNumber(const QLineEdit* pEdit, double& dValue)
{
    return CEditNumber::ParseTyped(pEdit->text().toStdString(), dValue);
}

QLineEdit* ReadOnlyField()
{
    auto* pEdit = new QLineEdit;
    pEdit->setReadOnly(true);
    pEdit->setAlignment(Qt::AlignRight);
    pEdit->setMinimumWidth(90);
    return pEdit;
}

} // namespace

CStrengthDlg::CStrengthDlg(CLoadList& list, CServices& services, QPrinter& printer, QWidget* pParent)
    : QDialog(pParent), m_list(list), m_services(services), m_printer(printer)
{
    setWindowTitle(QStringLiteral("Sollecitazioni della trave nave"));

    auto* pInput = new QGroupBox(QStringLiteral("Dati"));
    auto* pInputGrid = new QGridLayout(pInput);
    m_editHull = new QLineEdit(LastHullTable());
    m_btnBrowse = new QPushButton(QStringLiteral("S&foglia..."));
    m_btnBrowse->setAccessibleName(QStringLiteral("Sfoglia tavola di carena"));
    CBuddyLabel::AddRow(pInputGrid, 0, "&Tavola di carena (aree delle sezioni):", m_editHull);
    pInputGrid->addWidget(m_btnBrowse, 0, 2);
    m_editDensity = new QLineEdit(QString::fromLatin1(kDefaultDensity));
    m_editDensity->setMaximumWidth(120);
    auto* pDensityRow = new QHBoxLayout;
    pDensityRow->addWidget(m_editDensity);
    pDensityRow->addStretch(1);
    pInputGrid->addWidget(CBuddyLabel::For("&Densità dell'acqua [t/m³]:", m_editDensity), 1, 0);
    pInputGrid->addLayout(pDensityRow, 1, 1);
    m_btnCompute = new QPushButton(QStringLiteral("&Calcola"));
    m_btnCompute->setDefault(true);
    pInputGrid->addWidget(m_btnCompute, 1, 2);
    pInputGrid->setColumnStretch(1, 1);

    m_labelMessage = new QLabel(QStringLiteral("Scegliere la tavola di carena e premere «Calcola»."));
    m_labelMessage->setWordWrap(true);
    m_labelMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* pFigures = new QGroupBox(QStringLiteral("Equilibrio e sollecitazioni"));
    auto* pFigureGrid = new QGridLayout(pFigures);
    m_editAftDraft = ReadOnlyField();
    m_editFwdDraft = ReadOnlyField();
    m_editKg = ReadOnlyField();
    m_editKb = ReadOnlyField();
    m_editBmt = ReadOnlyField();
    m_editKmt = ReadOnlyField();
    m_editGmt = ReadOnlyField();
    m_editDisplacement = ReadOnlyField();
    m_editLcb = ReadOnlyField();
    m_editIterations = ReadOnlyField();
    m_editMaxShear = ReadOnlyField();
    m_editMaxShearX = ReadOnlyField();
    m_editMaxMoment = ReadOnlyField();
    m_editMaxMomentX = ReadOnlyField();
    m_editClosureShear = ReadOnlyField();
    m_editClosureMoment = ReadOnlyField();
    // Rows close together, so that the window still fits a small screen's height.
    pFigureGrid->setVerticalSpacing(1);
    int nRow = 0;
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Immersione a poppa T_aft [m]:", m_editAftDraft);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Immersione a prua T_fwd [m]:", m_editFwdDraft);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Baricentro dei pesi KG [m]:", m_editKg);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Centro di carena KB [m]:", m_editKb);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Raggio metacentrico BMT [m]:", m_editBmt);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Metacentro trasversale KMT [m]:", m_editKmt);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Altezza metacentrica GMT [m]:", m_editGmt);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Dislocamento [t]:", m_editDisplacement);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Centro di carena LCB [m]:", m_editLcb);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Iterazioni:", m_editIterations);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Taglio massimo V_max [t]:", m_editMaxShear);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Ascissa di V_max [m]:", m_editMaxShearX);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Momento flettente massimo M_max [t m]:", m_editMaxMoment);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Ascissa di M_max [m]:", m_editMaxMomentX);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Chiusura del taglio V / W:", m_editClosureShear);
    CBuddyLabel::AddRow(pFigureGrid, nRow++, "Chiusura del momento M / (W L):", m_editClosureMoment);
    auto* pSign = new QLabel(QStringLiteral("M positivo: inarcamento; M negativo: insellamento."));
    pSign->setWordWrap(true);
    pFigureGrid->addWidget(pSign, nRow, 0, 1, 2);
    pFigureGrid->setRowStretch(nRow + 1, 1);

    // The stations in one row under the panels, so that the window fits a small screen's height.
    auto* pStations = new QGroupBox(QStringLiteral("Curva dei pesi per stazioni"));
    auto* pStationRow = new QHBoxLayout(pStations);
    m_editStationsFrom = new QLineEdit;
    m_editStationsTo = new QLineEdit;
    m_editStationsCount = new QLineEdit(QString::number(kDefaultStations));
    const auto addStationField = [&](const char* pszLabel, QLineEdit* pEdit) {
        pEdit->setMaximumWidth(110);
        CBuddyLabel::AddField(pStationRow, pszLabel, pEdit, 1);
    };
    addStationField("Da &x [m]:", m_editStationsFrom);
    addStationField("&A x [m]:", m_editStationsTo);
    addStationField("&Numero di intervalli:", m_editStationsCount);
    m_btnExportStations = new QPushButton(QStringLiteral("Esporta curva per &stazioni (CSV)..."));
    pStationRow->addSpacing(12);
    pStationRow->addWidget(m_btnExportStations);
    pStationRow->addStretch(1);

    m_wndPlot = new CStrengthPlotWnd;
    auto* pMiddle = new QHBoxLayout;
    pMiddle->addWidget(pFigures);
    pMiddle->addWidget(m_wndPlot, 1);

    m_btnPrint = new QPushButton(QStringLiteral("Stam&pa..."));
    m_btnExportCurves = new QPushButton(QStringLiteral("&Esporta tabella (CSV)..."));
    auto* pClose = new QPushButton(QStringLiteral("Chiudi"));
    pClose->setAutoDefault(false);
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(m_btnPrint);
    pButtons->addWidget(m_btnExportCurves);
    pButtons->addStretch(1);
    pButtons->addWidget(pClose);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pInput);
    pLayout->addWidget(m_labelMessage);
    pLayout->addLayout(pMiddle, 1);
    pLayout->addWidget(pStations);
    pLayout->addLayout(pButtons);

    // Only the calculation is the default: Enter in any field runs it, not an export. What a
    // button asks belongs to this window, so that the focus comes back here.
    for (QPushButton* pButton : {m_btnBrowse, m_btnPrint, m_btnExportCurves, m_btnExportStations})
        pButton->setAutoDefault(false);
    connect(m_btnBrowse, &QPushButton::clicked, this, [this] {
        const CServices::CAskedBy asked(m_services, this);
        OnBrowseHull();
    });
    connect(m_btnCompute, &QPushButton::clicked, this, [this] {
        const CServices::CAskedBy asked(m_services, this);
        OnCompute();
    });
    connect(m_btnPrint, &QPushButton::clicked, this, [this] {
        const CServices::CAskedBy asked(m_services, this);
        OnFilePrint();
    });
    connect(m_btnExportCurves, &QPushButton::clicked, this, [this] {
        const CServices::CAskedBy asked(m_services, this);
        OnExportCurvesCsv();
    });
    connect(m_btnExportStations, &QPushButton::clicked, this, [this] {
        const CServices::CAskedBy asked(m_services, this);
        OnExportStationsCsv();
    });
    connect(pClose, &QPushButton::clicked, this, &QDialog::close);

    resize(1050, 680);
    UpdateResult();
}

CStrengthDlg::~CStrengthDlg() = default;

void CStrengthDlg::ResetResult()
{
    m_result = CStrengthResult();
    UpdateResult();
    m_labelMessage->setText(QStringLiteral("La stima è cambiata: premere «Calcola» per ricalcolare."));
}

QString CStrengthDlg::LastHullTable()
{
    return QSettings(QStringLiteral("Ventaglio"), QStringLiteral("Scafometro"))
        .value(QString::fromLatin1(kHullSetting))
        .toString();
}

bool CStrengthDlg::ReadHullTable(const QLineEdit& edit, CHullTable& hull, std::string& strRefusal)
{
    const std::string strHull = CPathField::Path(edit);
    if (strHull.empty())
    {
        strRefusal = "Scegliere la tavola di carena: il file delle aree delle sezioni alle immersioni.";
        return false;
    }
    CWaitCursor wait;
    try
    {
        CHullTableFile::Read(strHull, hull);
    }
    catch (const CFileException& error)
    {
        strRefusal = FileErrorText(error);
        return false;
    }
    QSettings(QStringLiteral("Ventaglio"), QStringLiteral("Scafometro"))
        .setValue(QString::fromLatin1(kHullSetting), edit.text().trimmed());
    return true;
}

void CStrengthDlg::OnBrowseHull()
{
    CPathField::Browse(m_services, kHullDialog, *m_editHull);
}

void CStrengthDlg::OnCompute()
{
    m_result = CStrengthResult();
    UpdateResult();
    double dDensity = 0;
    if (!ReadNumber(m_editDensity, dDensity) || !(dDensity > 0))
    {
        Refuse("La densità dell'acqua deve essere un numero positivo di t/m³: «" +
               m_editDensity->text().toStdString() + "» non lo è.");
        m_editDensity->setFocus();
        m_editDensity->selectAll();
        return;
    }
    CHullTable hull;
    std::string strRefusal;
    if (!ReadHullTable(*m_editHull, hull, strRefusal))
    {
        Refuse(strRefusal);
        if (m_editHull->text().trimmed().isEmpty())
            m_editHull->setFocus();
        return;
    }
    CWaitCursor wait;

    m_result = CHullGirder(hull, dDensity).Compute(m_list);
    UpdateResult();
    if (!m_result.m_bFloats)
    {
        Refuse("La nave non trova l'equilibrio sulla tavola di carena.\n" + m_result.m_strRefusal);
        return;
    }
    m_labelMessage->setText(QString::fromUtf8(
        ("Equilibrio trovato in " + std::to_string(m_result.m_nIterations) + " iterazioni: peso " +
         Fixed(m_result.m_dWeight) + " t, XG " + Fixed(m_result.m_dXg) + " m.")
            .c_str()));
    // The stations proposed span everything that weighs or floats, so that none of it is lost.
    m_editStationsFrom->setText(QString::fromStdString(CEditNumber::Format(m_result.m_rows.front().x)));
    m_editStationsTo->setText(QString::fromStdString(CEditNumber::Format(m_result.m_rows.back().x)));
    m_editStationsCount->setText(QString::number(kDefaultStations));
}

void CStrengthDlg::UpdateResult()
{
    const bool bFloats = m_result.m_bFloats && !m_result.m_rows.empty();
    const auto show = [bFloats](QLineEdit* pEdit, const std::string& strText) {
        pEdit->setText(bFloats ? QString::fromStdString(strText) : QString());
    };
    show(m_editAftDraft, Fixed(m_result.m_dAftDraft));
    show(m_editFwdDraft, Fixed(m_result.m_dFwdDraft));
    show(m_editKg, Fixed(m_result.m_dKg));
    show(m_editKb, Fixed(m_result.m_dKb));
    show(m_editBmt, Fixed(m_result.m_dBmt));
    show(m_editKmt, Fixed(m_result.m_dKmt));
    show(m_editGmt, Fixed(m_result.m_dGmt));
    // A ship without positive metacentric height is not stable upright: the figure says so in red.
    QPalette palette;
    if (bFloats && !(m_result.m_dGmt > 0))
        palette.setColor(QPalette::Text, Qt::red);
    m_editGmt->setPalette(palette);
    show(m_editDisplacement, Fixed(m_result.m_dDisplacement));
    show(m_editLcb, Fixed(m_result.m_dLcb));
    show(m_editIterations, std::to_string(m_result.m_nIterations));
    show(m_editMaxShear, Fixed(m_result.m_dMaxShear));
    show(m_editMaxShearX, Fixed(m_result.m_dMaxShearX));
    show(m_editMaxMoment, Fixed(m_result.m_dMaxMoment));
    show(m_editMaxMomentX, Fixed(m_result.m_dMaxMomentX));
    show(m_editClosureShear, Small(m_result.m_dClosureShear));
    show(m_editClosureMoment, Small(m_result.m_dClosureMoment));
    m_wndPlot->SetResult(bFloats ? &m_result : nullptr);
    m_btnPrint->setEnabled(bFloats);
    m_btnExportCurves->setEnabled(bFloats);
    m_btnExportStations->setEnabled(bFloats);
}

void CStrengthDlg::Refuse(const std::string& strText)
{
    m_labelMessage->setText(QString::fromUtf8(strText.c_str()));
    m_services.MessageBox(strText, CServices::MB_OK);
}

void CStrengthDlg::OnFilePrint()
{
    if (m_services.PrintDialog(m_printer))
        PrintTo(m_printer);
}

bool CStrengthDlg::PrintTo(QPrinter& printer)
{
    if (!m_result.m_bFloats)
        return false;
    QPainter painter;
    if (!m_services.BeginPrinting(painter, printer))
        return false;
    const QRect rcPage = printer.pageLayout().paintRectPixels(printer.resolution());
    CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
    // The figures head the page in two lines; the panels take the rest of it.
    surface.SetMapMode(MM_LOMETRIC);
    const CFont fontOld =
        surface.SelectObject(CFont::CreatePointFont(kPrintPointSize, "Arial", surface.GetScreenDpiY()));
    surface.TextOut(0, 0,
                    "Sollecitazioni della trave nave:  T_aft " + Fixed(m_result.m_dAftDraft) + " m,  T_fwd " +
                        Fixed(m_result.m_dFwdDraft) + " m,  dislocamento " + Fixed(m_result.m_dDisplacement) +
                        " t,  LCB " + Fixed(m_result.m_dLcb) + " m");
    surface.TextOut(0, -kPrintLine,
                    "V_max " + Fixed(m_result.m_dMaxShear) + " t a x = " + Fixed(m_result.m_dMaxShearX) +
                        " m,  M_max " + Fixed(m_result.m_dMaxMoment) +
                        " t m a x = " + Fixed(m_result.m_dMaxMomentX) + " m  (M positivo: inarcamento)");
    // The panels start below the figures: their top in pixels, from the pixels in a known length.
    SPoint probe[2] = {{0, 0}, {10000, 0}};
    surface.DPtoLP(probe, 2);
    const int nTenths = std::abs(probe[1].x - probe[0].x);
    const int nTop = nTenths > 0 ? static_cast<int>(std::lround(3.0 * kPrintLine * 10000 / nTenths)) : 0;
    surface.SelectObject(fontOld);
    surface.SetMapMode(MM_TEXT);
    CStrengthPlot(m_result).Draw(surface, SRect{0, nTop, rcPage.width(), rcPage.height()});
    surface.Flush();
    painter.end();
    return true;
}

void CStrengthDlg::OnExportCurvesCsv()
{
    if (!m_result.m_bFloats)
        return;
    CFile file;
    m_services.ExportFile(kCsvDialog, file, [&] { CStrengthTableFile::WriteCurves(file, m_result); });
}

void CStrengthDlg::OnExportStationsCsv()
{
    double dFrom = 0, dTo = 0, dCount = 0;
    if (!ReadNumber(m_editStationsFrom, dFrom) || !ReadNumber(m_editStationsTo, dTo) || !(dTo > dFrom))
    {
        Refuse("Le stazioni vanno da un'ascissa a una maggiore: indicare «Da x» e «A x» in metri.");
        return;
    }
    // The count is checked as a double, so that no huge or fractional number reaches an integer.
    if (!ReadNumber(m_editStationsCount, dCount) || dCount != std::floor(dCount) || dCount < 1 ||
        dCount > CStationCurve::kMaxCount)
    {
        Refuse("Il numero di intervalli deve essere un intero da 1 a " +
               std::to_string(CStationCurve::kMaxCount) + ".");
        return;
    }
    CStationCurve curve;
    if (!curve.Build(m_list, dFrom, dTo, static_cast<long>(dCount)))
    {
        Refuse("Impossibile calcolare la curva per stazioni.\n" + curve.m_strRefusal);
        return;
    }
    CFile file;
    if (!m_services.ExportFile(kCsvDialog, file, [&] { CStrengthTableFile::WriteStations(file, curve); }))
        return;
    // Weight beyond the stations is not lost without a word; rounding alone is not reported.
    if (std::fabs(curve.m_dOutside) > 1e-9 * std::fabs(m_list.TotalWeight()))
        Refuse("Attenzione: " + Fixed(curve.m_dOutside) + " t del carico cadono fuori dalle stazioni da " +
               Fixed(dFrom) + " a " + Fixed(dTo) + " m e non sono nel file.");
}
