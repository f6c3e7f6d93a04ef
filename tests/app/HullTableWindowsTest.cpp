// The windows that float the estimate on a hull table, as a user meets them: opened from "Calcoli",
// the files chosen with "Sfoglia...", the figures typed and the button clicked; their figures and
// files set against the batch tool's, their panels on screen and on paper, their refusals, and the
// choices remembered for the next time.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <cstdlib>
#include <map>
#include <sstream>
#include <tuple>

#include "AppFixture.h"
#include "app/CommandTable.h"
#include "dialogs/CheckDlg.h"
#include "dialogs/CheckPlotWnd.h"
#include "dialogs/CurvesOfFormWnd.h"
#include "dialogs/HydrostaticsDlg.h"
#include "dialogs/StrengthDlg.h"
#include "dialogs/StrengthPlotWnd.h"
#include "document/ScafometroDoc.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "view/StrengthPlot.h"

using testsupport::ReadBytes;

namespace
{
const std::string kExamples = SCAFOMETRO_EXAMPLES "/";
const std::string kHull = kExamples + "motonave-bonjean.csv";

// The batch tool's "name TAB value [TAB x]" lines.
std::map<std::string, std::vector<std::string>> Fields(const std::string& strOut)
{
    std::map<std::string, std::vector<std::string>> fields;
    std::istringstream lines(strOut);
    std::string strLine;
    while (std::getline(lines, strLine))
    {
        std::istringstream cells(strLine);
        std::string strName, strCell;
        std::getline(cells, strName, '\t');
        while (std::getline(cells, strCell, '\t'))
            fields[strName].push_back(strCell);
    }
    return fields;
}

std::string Text(const QLineEdit* pEdit)
{
    return pEdit->text().toStdString();
}

QString Cell(const QTableWidget* pGrid, int nRow, int nColumn)
{
    const QTableWidgetItem* pItem = pGrid->item(nRow, nColumn);
    return pItem ? pItem->text() : QString();
}

const std::uint32_t kCurveColours[] = {CStrengthPlot::kWeightColour, CStrengthPlot::kBuoyancyColour,
                                       CStrengthPlot::kShearColour, CStrengthPlot::kMomentColour};
} // namespace

class StrengthDlgTest : public CAppFixture
{
protected:
    // Starts on the example and opens the window from its menu item.
    CStrengthDlg& Open()
    {
        Start(Example());
        return OpenWindow("Sollecitazioni della trave nave...", &CScafometroView::GetStrengthDlg);
    }

    // Chooses the table with "Sfoglia...", types the density and clicks "Calcola".
    void Compute(CStrengthDlg& dlg, const std::string& strHull, const QString& strDensity = "1.025")
    {
        Choose(dlg.m_btnBrowse, strHull);
        Retype(dlg.m_editDensity, strDensity);
        QTest::mouseClick(dlg.m_btnCompute, Qt::LeftButton);
    }

    // The figures, the panels and the outputs are all empty after a refusal.
    void ExpectNothingShown(CStrengthDlg& dlg)
    {
        for (QLineEdit* pEdit :
             {dlg.m_editAftDraft, dlg.m_editFwdDraft, dlg.m_editDisplacement, dlg.m_editLcb,
              dlg.m_editMaxShear, dlg.m_editMaxMoment, dlg.m_editClosureMoment})
            EXPECT_TRUE(pEdit->text().isEmpty());
        const QImage image = dlg.m_wndPlot->grab().toImage();
        EXPECT_FALSE(dlg.m_wndPlot->IsDrawn());
        for (std::uint32_t cr : kCurveColours)
            EXPECT_EQ(CountColour(image, Rgb(cr)), 0);
        EXPECT_FALSE(dlg.m_btnPrint->isEnabled());
        EXPECT_FALSE(dlg.m_btnExportCurves->isEnabled());
        EXPECT_FALSE(dlg.m_btnExportStations->isEnabled());
    }
};

TEST_F(StrengthDlgTest, FiguresFilesAndPanelsAreTheBatchTools)
{
    CStrengthDlg& dlg = Open();
    EXPECT_EQ(dlg.windowTitle(), "Sollecitazioni della trave nave");
    EXPECT_EQ(dlg.m_editDensity->text(), "1.025");
    // Nothing is computed or printed before "Calcola"; a second time the menu brings up the same window.
    ExpectNothingShown(dlg);
    EXPECT_FALSE(dlg.PrintTo(m_pApp->Printer()));
    EXPECT_TRUE(RunMenuItem("Sollecitazioni della trave nave..."));
    EXPECT_EQ(View().GetStrengthDlg(), &dlg);

    // Fresh water, then sea water, which the batch tool takes when given no density.
    for (const auto& [pszDensity, pszCli] : {std::pair("1,000", "1"), std::pair("1.025", "1.025")})
    {
        Compute(dlg, kHull, pszDensity);
        EXPECT_EQ(Text(dlg.m_editHull), kHull);
        EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
        ASSERT_TRUE(dlg.Result().m_bFloats);
        std::string strOut, strErr;
        ASSERT_EQ(RunCli({"strength", Example(), kHull, "--density", pszCli}, &strOut, &strErr), 0) << strErr;
        auto cli = Fields(strOut);
        // The field, the batch tool's name and which of its values; closures are shown in %.3E.
        const std::tuple<QLineEdit*, const char*, size_t> shown[] = {
            {dlg.m_editAftDraft, "T_aft", 0},
            {dlg.m_editFwdDraft, "T_fwd", 0},
            {dlg.m_editLcb, "LCB", 0},
            {dlg.m_editMaxShear, "V_max", 0},
            {dlg.m_editMaxShearX, "V_max", 1},
            {dlg.m_editMaxMoment, "M_max", 0},
            {dlg.m_editMaxMomentX, "M_max", 1},
            {dlg.m_editClosureShear, "closure_V", 0},
            {dlg.m_editClosureMoment, "closure_M", 0},
            {dlg.m_editKg, "KG", 0},
            {dlg.m_editKb, "KB", 0},
            {dlg.m_editBmt, "BMT", 0},
            {dlg.m_editKmt, "KMT", 0},
            {dlg.m_editGmt, "GMT", 0}};
        for (const auto& [pEdit, pszName, n] : shown)
        {
            const char* pszFormat = std::string(pszName).rfind("closure", 0) == 0 ? "%.3E" : "%.4f";
            EXPECT_EQ(Text(pEdit),
                      CNumberFormat::Format(pszFormat, std::strtod(cli[pszName].at(n).c_str(), nullptr)))
                << pszName;
        }
        EXPECT_EQ(Text(dlg.m_editIterations), cli["iterations"].at(0));
        // The displacement is the weight, to the equilibrium's tolerance, shown to 4 decimals.
        EXPECT_EQ(Text(dlg.m_editDisplacement), CNumberFormat::Format("%.4f", dlg.Result().m_dDisplacement));
        EXPECT_NEAR(std::strtod(Text(dlg.m_editDisplacement).c_str(), nullptr),
                    std::strtod(cli["W"].at(0).c_str(), nullptr), 1e-3);
    }

    // A failed export names the file; a cancelled save dialog says nothing.
    const std::string strMissing = m_scratch.Path("manca/tabella.csv");
    m_services.m_paths = {strMissing};
    EXPECT_NE(MessageOfClick(dlg.m_btnExportCurves).find("«" + strMissing + "»"), std::string::npos);
    QTest::mouseClick(dlg.m_btnExportCurves, Qt::LeftButton);
    EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"save", "message", "save"}));
    ExpectExportIsBatchTools(dlg.m_btnExportCurves, {"strength", Example(), kHull, "--table", "OUT"});
    EXPECT_EQ(m_services.m_asked.back().dialog.strDefaultExt, "CSV");

    // The proposed stations span the curves' whole extent, in 20 intervals.
    EXPECT_EQ(dlg.m_editStationsFrom->text().toDouble(), dlg.Result().m_rows.front().x);
    EXPECT_EQ(dlg.m_editStationsTo->text().toDouble(), dlg.Result().m_rows.back().x);
    EXPECT_EQ(dlg.m_editStationsCount->text(), "20");
    Retype(dlg.m_editStationsCount, "12");
    m_services.m_asked.clear();
    ExpectExportIsBatchTools(dlg.m_btnExportStations,
                             {"export-stations", Example(), "OUT", "--from", Text(dlg.m_editStationsFrom),
                              "--to", Text(dlg.m_editStationsTo), "--count", "12"});
    EXPECT_TRUE(m_services.Messages().empty());
    // Stations that leave weight out say how much.
    Retype(dlg.m_editStationsTo, "10");
    const std::string strStern = m_scratch.Path("poppa.csv");
    m_services.m_paths = {strStern};
    EXPECT_NE(MessageOfClick(dlg.m_btnExportStations).find("fuori dalle stazioni"), std::string::npos);
    EXPECT_FALSE(ReadBytes(strStern).empty());

    // A heavy weight high up leaves no metacentric height: GMT shows in red.
    EXPECT_NE(dlg.m_editGmt->palette().color(QPalette::Text), QColor(Qt::red));
    CLoadList& list = View().GetDocument().m_listLoads;
    list.Append("gru", 0.5, 20, 21, 20);
    list.m_pCurrent->m_dZg = 40;
    QTest::mouseClick(dlg.m_btnCompute, Qt::LeftButton);
    ASSERT_TRUE(dlg.Result().m_bFloats);
    EXPECT_LT(dlg.Result().m_dGmt, 0);
    EXPECT_EQ(dlg.m_editGmt->palette().color(QPalette::Text), QColor(Qt::red));

    // The four curves are drawn in their colours, and reach into the room a wider window adds: the
    // moment's colour shows in the right-hand third.
    ExpectGrowsWithWindow(dlg, *dlg.m_wndPlot, QSize(300, 200));
    const QImage image = dlg.m_wndPlot->grab().toImage();
    EXPECT_TRUE(dlg.m_wndPlot->IsDrawn());
    EXPECT_EQ(image.size(), dlg.m_wndPlot->size());
    for (std::uint32_t cr : kCurveColours)
        EXPECT_GT(CountColour(image, Rgb(cr)), 50) << std::hex << cr;
    EXPECT_GT(CountColour(image.copy(image.width() * 2 / 3, 0, image.width() / 3, image.height()),
                          Rgb(CStrengthPlot::kMomentColour)),
              10);
    // At the smallest size the layout allows, the window fits a small laptop's screen and the
    // panels still have room to be drawn.
    const QSize smallest = dlg.minimumSizeHint();
    EXPECT_LE(smallest.width(), 1000);
    EXPECT_LE(smallest.height(), 700);
    dlg.resize(smallest);
    QTest::qWait(20);
    EXPECT_GT(CountColour(dlg.m_wndPlot->grab().toImage(), Rgb(CStrengthPlot::kShearColour)), 50);
    // A printed page draws the four curves in their colours.
    const QImage page = PdfPage(Printed(dlg.m_btnPrint));
    for (std::uint32_t cr : kCurveColours)
        EXPECT_GT(CountColour(page, Rgb(cr)), 20) << std::hex << cr;
    EXPECT_EQ(m_services.Messages().size(), 1u) << "the stations' warning alone";
}

TEST_F(StrengthDlgTest, RefusalsSayWhyAndTheTableLastReadIsRemembered)
{
    CStrengthDlg& dlg = Open();
    EXPECT_TRUE(dlg.m_editHull->text().isEmpty());
    const std::map<std::string, QLineEdit*> fields = {{"density", dlg.m_editDensity},
                                                      {"hull", dlg.m_editHull},
                                                      {"stations-count", dlg.m_editStationsCount},
                                                      {"stations-to", dlg.m_editStationsTo}};
    const QString strTables = QString::fromStdString(testsupport::DataPath("app"));
    for (const auto& [strField, strCase] : testsupport::CaseTable("app/strength-refusals.txt"))
    {
        // The text typed and the reason the message must give.
        const QStringList typed = QString::fromStdString(strCase).replace('@', strTables).split('\t');
        ASSERT_EQ(typed.size(), 2) << strCase;
        SCOPED_TRACE(strField + " «" + typed[0].toStdString() + "»");
        QPushButton* const pButton =
            strField.rfind("stations", 0) == 0 ? dlg.m_btnExportStations : dlg.m_btnCompute;
        Compute(dlg, kHull);
        ASSERT_FALSE(dlg.m_editAftDraft->text().isEmpty());
        EXPECT_EQ(dlg.m_editStationsCount->text(), "20");
        Retype(fields.at(strField), typed[0]);
        const std::string strMessage = MessageOfClick(pButton);
        EXPECT_NE(strMessage.find(typed[1].toStdString()), std::string::npos) << strMessage;
        EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"message"}));
        EXPECT_EQ(dlg.m_labelMessage->text().toStdString(), strMessage);
        if (pButton == dlg.m_btnCompute)
            ExpectNothingShown(dlg);
    }
    // A new estimate forgets the figures but keeps the table; empty, it weighs nothing and cannot float.
    Compute(dlg, kHull);
    ASSERT_TRUE(Run(ID_FILE_NEW));
    ExpectNothingShown(dlg);
    EXPECT_EQ(Text(dlg.m_editHull), kHull);
    EXPECT_NE(MessageOfClick(dlg.m_btnCompute).find("equilibrio"), std::string::npos);

    // A table that cannot be read is not the one to remember; browsing alone is not a use.
    Compute(dlg, m_scratch.Path("manca.csv"));
    Choose(dlg.m_btnBrowse, m_scratch.Path("altra.csv"));
    EXPECT_EQ(m_services.m_asked.back().dialog.strInitialName, m_scratch.Path("manca.csv"));
    EXPECT_EQ(QSettings("Ventaglio", "Scafometro").value(CStrengthDlg::kHullSetting).toString().toStdString(),
              kHull);
    m_pApp.reset();
    CStrengthDlg& reopened = Open();
    EXPECT_EQ(Text(reopened.m_editHull), kHull);
    // Enter in the density field calculates with it.
    reopened.m_editDensity->setFocus();
    QTest::keyClick(reopened.m_editDensity, Qt::Key_Return);
    EXPECT_TRUE(reopened.Result().m_bFloats);
    EXPECT_FALSE(reopened.m_editAftDraft->text().isEmpty());
}

using CheckDlgTest = CAppFixture;

TEST_F(CheckDlgTest, ChecksTheExampleConditionsAsTheBatchToolDoes)
{
    Start(Example());
    CCheckDlg* pDlg = &OpenWindow("Verifica condizioni di carico...", &CScafometroView::GetCheckDlg);
    EXPECT_FALSE(pDlg->m_btnExportTable->isEnabled());

    Choose(pDlg->m_btnBrowseHull, kHull);
    Choose(pDlg->m_btnBrowseLimits, kExamples + "motonave-limiti.csv");
    // The arrival: the example with the voyage's consumption joined to it; then the ballast.
    for (const char* pszJoined : {"motonave-arrivo.p3d", "motonave-zavorra.p3d"})
    {
        Choose(pDlg->m_btnAddCondition, kExamples + "motonave.p3d");
        Choose(pDlg->m_btnAddFile, kExamples + pszJoined);
    }
    // A third condition added and removed again leaves the three.
    Choose(pDlg->m_btnAddCondition, kExamples + "motonave.p3d");
    QTest::mouseClick(pDlg->m_btnRemove, Qt::LeftButton);
    ASSERT_EQ(pDlg->m_listConditions->count(), 3);
    EXPECT_TRUE(pDlg->m_listConditions->isVisible());
    EXPECT_EQ(pDlg->m_listConditions->item(1)->text(), "motonave+motonave-arrivo");

    // A density that is not a number is refused before anything is read.
    Retype(pDlg->m_editDensity, "abc");
    EXPECT_NE(MessageOfClick(pDlg->m_btnCheck).find("abc"), std::string::npos);
    EXPECT_EQ(m_services.m_pParent, &m_pApp->Frame());
    EXPECT_EQ(pDlg->Check(), nullptr);
    Retype(pDlg->m_editDensity, "1,025");
    m_services.m_asked.clear();
    QTest::mouseClick(pDlg->m_btnCheck, Qt::LeftButton);
    EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
    ASSERT_NE(pDlg->Check(), nullptr);

    // The rows: the arrival exceeds the sagging limit at 25.2 m, in red; the departure is amber.
    const QTableWidget* pGrid = pDlg->m_gridResults;
    ASSERT_EQ(pGrid->rowCount(), 3);
    EXPECT_EQ(Cell(pGrid, 0, 0), "motonave");
    const int nMoment = 7, nVerdict = pGrid->columnCount() - 1;
    EXPECT_EQ(Cell(pGrid, 1, nMoment), "102.0");
    EXPECT_EQ(Cell(pGrid, 1, nMoment + 1), "25.20");
    EXPECT_EQ(Cell(pGrid, 1, nVerdict), "fuori dai limiti");
    EXPECT_EQ(Cell(pGrid, 2, nVerdict), "entro i limiti");
    EXPECT_EQ(pGrid->item(1, nMoment)->background().color(), QColor(240, 130, 130));
    EXPECT_EQ(pGrid->item(0, nMoment)->background().color(), QColor(250, 205, 110));
    EXPECT_EQ(pGrid->item(2, nMoment)->background().color(), QColor(170, 225, 170));
    pDlg->m_wndPlot->grab();
    EXPECT_TRUE(pDlg->m_wndPlot->IsDrawn());

    // The table is the batch tool's, byte for byte, the open estimate named after its file; the
    // report is saved and printed.
    ExpectExportIsBatchTools(pDlg->m_btnExportTable,
                             {"check", kHull, kExamples + "motonave-limiti.csv", Example(),
                              kExamples + "motonave.p3d+" + kExamples + "motonave-arrivo.p3d",
                              kExamples + "motonave.p3d+" + kExamples + "motonave-zavorra.p3d", "--table",
                              "OUT"},
                             3);
    const std::string strReport = m_scratch.Path("rapporto.pdf");
    Choose(pDlg->m_btnSaveReport, strReport);
    EXPECT_EQ(ReadBytes(strReport).substr(0, 5), "%PDF-");
    Printed(pDlg->m_btnPrint);
    // A change to the estimate forgets the results and says so.
    m_pApp->Document().UpdateAllViews();
    EXPECT_EQ(pDlg->Check(), nullptr);
    EXPECT_EQ(pDlg->m_labelMessage->text(), "La stima è cambiata: premere «Verifica» per ricalcolare.");

    // Closed and opened again, the window remembers the files chosen.
    pDlg->close();
    delete pDlg;
    ASSERT_TRUE(RunMenuItem("Verifica condizioni di carico..."));
    EXPECT_EQ(View().GetCheckDlg()->m_editLimits->text().toStdString(), kExamples + "motonave-limiti.csv");
    EXPECT_EQ(View().GetCheckDlg()->m_editHull->text().toStdString(), kHull);
}

using HydrostaticsDlgTest = CAppFixture;

TEST_F(HydrostaticsDlgTest, CurvesOfTheExampleAsTheBatchToolWritesThem)
{
    Start(Example());
    CHydrostaticsDlg& dlg = OpenWindow("Curve idrostatiche...", &CScafometroView::GetHydrostaticsDlg);
    EXPECT_FALSE(dlg.m_btnExport->isEnabled());

    // The table's own drafts: the grid and the exported file are the batch tool's.
    Choose(dlg.m_btnBrowse, kHull);
    QTest::mouseClick(dlg.m_btnCompute, Qt::LeftButton);
    EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
    ASSERT_EQ(dlg.m_gridCurves->rowCount(), 8);
    EXPECT_EQ(dlg.m_gridCurves->item(0, 0)->text(), "0.5000");
    EXPECT_EQ(dlg.m_gridCurves->item(7, 1)->text(), "1029.8206");
    ExpectExportIsBatchTools(dlg.m_btnExport, {"hydrostatics", kHull, "OUT"});

    // A range typed with a decimal comma, in fresh water.
    Retype(dlg.m_editDensity, "1");
    Retype(dlg.m_editFrom, "1");
    Retype(dlg.m_editTo, "2");
    Retype(dlg.m_editStep, "0,25");
    QTest::keyClick(dlg.m_editStep, Qt::Key_Return);
    ASSERT_EQ(dlg.m_gridCurves->rowCount(), 5);
    ExpectExportIsBatchTools(dlg.m_btnExport,
                             {"hydrostatics", kHull, "OUT", "--drafts", "1:2:0.25", "--density", "1"});

    // The curves follow the window's size, and go on paper.
    ExpectGrowsWithWindow(dlg, *dlg.m_wndCurves, QSize(200, 200));
    dlg.m_wndCurves->grab();
    EXPECT_TRUE(dlg.m_wndCurves->IsDrawn());
    Printed(dlg.m_btnPrint);

    // Refusals say why and leave nothing to export or print.
    const std::pair<const char*, const char*> refusals[] = {{"9", "outside the hull table's 0..4 m"},
                                                            {"", "oppure nessuna"}};
    for (const auto& [pszTo, pszWhy] : refusals)
    {
        Retype(dlg.m_editTo, pszTo);
        EXPECT_NE(MessageOfClick(dlg.m_btnCompute).find(pszWhy), std::string::npos);
        EXPECT_EQ(dlg.m_gridCurves->rowCount(), 0);
        EXPECT_FALSE(dlg.m_btnExport->isEnabled());
        EXPECT_FALSE(dlg.m_btnPrint->isEnabled());
    }
}
