// The strength window as a user meets it: opened from "Calcoli", the hull table chosen with
// "Sfoglia...", the density typed, "Calcola" clicked; its figures and files set against the batch
// tool's, its refusals, the remembered table, the panels on screen and on paper.
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "AppFixture.h"
#include "app/CommandTable.h"
#include "dialogs/StrengthDlg.h"
#include "dialogs/StrengthPlotWnd.h"
#include "document/ScafometroDoc.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "view/ScafometroView.h"
#include "view/StrengthPlot.h"

using testsupport::ReadBytes;
using testsupport::SameBytes;

namespace
{
const std::string kHull = SCAFOMETRO_EXAMPLES "/motonave-bonjean.csv";

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

// Pixels of the colour in the image.
int CountColour(const QImage& image, std::uint32_t cr)
{
    const QRgb rgb = qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)) & 0xffffff;
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
            nCount += (image.pixel(x, y) & 0xffffff) == rgb;
    }
    return nCount;
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
        EXPECT_TRUE(RunMenuItem("Sollecitazioni della trave nave..."));
        CStrengthDlg* pDlg = View().GetStrengthDlg();
        EXPECT_TRUE(pDlg && QTest::qWaitForWindowExposed(pDlg));
        return *pDlg;
    }

    // Chooses the table with "Sfoglia...", types the density and clicks "Calcola".
    void Compute(CStrengthDlg& dlg, const std::string& strHull, const QString& strDensity = "1.025")
    {
        m_services.m_paths = {strHull};
        QTest::mouseClick(dlg.m_btnBrowse, Qt::LeftButton);
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
        EXPECT_FALSE(dlg.m_wndPlot->m_bDrawn);
        for (std::uint32_t cr : kCurveColours)
            EXPECT_EQ(CountColour(image, cr), 0);
        EXPECT_FALSE(dlg.m_btnPrint->isEnabled());
        EXPECT_FALSE(dlg.m_btnExportCurves->isEnabled());
        EXPECT_FALSE(dlg.m_btnExportStations->isEnabled());
    }
};

TEST_F(StrengthDlgTest, ShowsTheBatchToolsFiguresInBothWaters)
{
    CStrengthDlg& dlg = Open();
    EXPECT_EQ(dlg.windowTitle(), "Sollecitazioni della trave nave");
    EXPECT_EQ(dlg.m_editDensity->text(), "1.025");
    // Nothing is computed before "Calcola"; a second time the menu brings up the same window.
    ExpectNothingShown(dlg);
    EXPECT_TRUE(RunMenuItem("Sollecitazioni della trave nave..."));
    EXPECT_EQ(View().GetStrengthDlg(), &dlg);
    // Every field is named by its label, for a screen reader.
    std::set<QWidget*> named;
    for (QLabel* pLabel : dlg.findChildren<QLabel*>())
        named.insert(pLabel->buddy());
    const QList<QLineEdit*> edits = dlg.findChildren<QLineEdit*>();
    EXPECT_EQ(edits.size(), 21);
    ExpectNoOverlaps(dlg);
    for (QLineEdit* pEdit : edits)
        EXPECT_EQ(named.count(pEdit), 1u) << pEdit->text().toStdString();

    for (const auto& [pszDensity, pszCli] : {std::pair("1.025", "1.025"), std::pair("1,000", "1")})
    {
        Compute(dlg, kHull, pszDensity);
        EXPECT_EQ(Text(dlg.m_editHull), kHull);
        EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
        ASSERT_TRUE(dlg.Result().m_bFloats);
        std::string strOut, strErr;
        ASSERT_EQ(RunCli({"strength", Example(), kHull, "--density", pszCli}, &strOut, &strErr), 0) << strErr;
        auto cli = Fields(strOut);
        ASSERT_EQ(cli["M_max"].size(), 2u);
        const struct
        {
            QLineEdit* pEdit;
            const char *pszName, *pszFormat;
            size_t n;
        } shown[] = {{dlg.m_editAftDraft, "T_aft", "%.4f", 0},
                     {dlg.m_editFwdDraft, "T_fwd", "%.4f", 0},
                     {dlg.m_editLcb, "LCB", "%.4f", 0},
                     {dlg.m_editMaxShear, "V_max", "%.4f", 0},
                     {dlg.m_editMaxShearX, "V_max", "%.4f", 1},
                     {dlg.m_editMaxMoment, "M_max", "%.4f", 0},
                     {dlg.m_editMaxMomentX, "M_max", "%.4f", 1},
                     {dlg.m_editClosureShear, "closure_V", "%.3E", 0},
                     {dlg.m_editClosureMoment, "closure_M", "%.3E", 0},
                     {dlg.m_editKg, "KG", "%.4f", 0},
                     {dlg.m_editKb, "KB", "%.4f", 0},
                     {dlg.m_editBmt, "BMT", "%.4f", 0},
                     {dlg.m_editKmt, "KMT", "%.4f", 0},
                     {dlg.m_editGmt, "GMT", "%.4f", 0}};
        for (const auto& field : shown)
            EXPECT_EQ(Text(field.pEdit),
                      CNumberFormat::Format(field.pszFormat,
                                            std::strtod(cli[field.pszName].at(field.n).c_str(), nullptr)))
                << field.pszName;
        EXPECT_EQ(Text(dlg.m_editIterations), cli["iterations"].at(0));
        // The displacement is the weight, to the equilibrium's tolerance, shown to 4 decimals.
        EXPECT_EQ(Text(dlg.m_editDisplacement), CNumberFormat::Format("%.4f", dlg.Result().m_dDisplacement));
        EXPECT_NEAR(std::strtod(Text(dlg.m_editDisplacement).c_str(), nullptr),
                    std::strtod(cli["W"].at(0).c_str(), nullptr), 1e-3);
    }
    // Fresh water floats the ship deeper than sea water does.
    const double dFreshAft = dlg.Result().m_dAftDraft;
    Compute(dlg, kHull);
    EXPECT_GT(dFreshAft, dlg.Result().m_dAftDraft);
    EXPECT_NE(dlg.m_editGmt->palette().color(QPalette::Text), QColor(Qt::red));
    // A heavy weight high up leaves no metacentric height: GMT shows in red.
    CLoadList& list = View().GetDocument().m_listLoads;
    list.Append("gru", 0.5, 20, 21, 20);
    list.m_pCurrent->m_dZg = 40;
    QTest::mouseClick(dlg.m_btnCompute, Qt::LeftButton);
    ASSERT_TRUE(dlg.Result().m_bFloats);
    EXPECT_LT(dlg.Result().m_dGmt, 0);
    EXPECT_EQ(dlg.m_editGmt->palette().color(QPalette::Text), QColor(Qt::red));

    // The four curves are drawn in their colours.
    const QImage image = dlg.m_wndPlot->grab().toImage();
    EXPECT_TRUE(dlg.m_wndPlot->m_bDrawn);
    for (std::uint32_t cr : kCurveColours)
        EXPECT_GT(CountColour(image, cr), 50) << std::hex << cr;
}

TEST_F(StrengthDlgTest, CurvesAndStationsAreTheBatchToolsBytes)
{
    CStrengthDlg& dlg = Open();
    Compute(dlg, kHull);
    // A failed export names the file; a cancelled save dialog writes nothing and says nothing.
    const std::string strMissing = m_scratch.Path("manca/tabella.csv");
    m_services.m_paths = {strMissing};
    EXPECT_NE(MessageOfClick(dlg.m_btnExportCurves).find("«" + strMissing + "»"), std::string::npos);
    QTest::mouseClick(dlg.m_btnExportCurves, Qt::LeftButton);
    EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"save", "message", "save"}));

    const std::string strCurves = m_scratch.Path("finestra.csv"), strCli = m_scratch.Path("cli.csv");
    m_services.m_paths = {strCurves};
    QTest::mouseClick(dlg.m_btnExportCurves, Qt::LeftButton);
    EXPECT_EQ(m_services.m_asked.back().dialog.strDefaultExt, "CSV");
    ASSERT_EQ(RunCli({"strength", Example(), kHull, "--table", strCli}), 0);
    EXPECT_TRUE(SameBytes(ReadBytes(strCurves), ReadBytes(strCli)));

    // The proposed stations span the curves' whole extent, in 20 intervals.
    EXPECT_EQ(dlg.m_editStationsFrom->text().toDouble(), dlg.Result().m_rows.front().x);
    EXPECT_EQ(dlg.m_editStationsTo->text().toDouble(), dlg.Result().m_rows.back().x);
    EXPECT_EQ(dlg.m_editStationsCount->text(), "20");
    Retype(dlg.m_editStationsCount, "12");
    const std::string strStations = m_scratch.Path("stazioni.csv");
    m_services.m_paths = {strStations};
    m_services.m_asked.clear();
    QTest::mouseClick(dlg.m_btnExportStations, Qt::LeftButton);
    EXPECT_TRUE(m_services.Messages().empty());
    ASSERT_EQ(RunCli({"export-stations", Example(), strCli, "--from", Text(dlg.m_editStationsFrom), "--to",
                      Text(dlg.m_editStationsTo), "--count", "12"}),
              0);
    EXPECT_TRUE(SameBytes(ReadBytes(strStations), ReadBytes(strCli)));

    // Stations that leave weight out say how much.
    Retype(dlg.m_editStationsTo, "10");
    const std::string strStern = m_scratch.Path("poppa.csv");
    m_services.m_paths = {strStern};
    EXPECT_NE(MessageOfClick(dlg.m_btnExportStations).find("fuori dalle stazioni"), std::string::npos);
    EXPECT_FALSE(ReadBytes(strStern).empty());
}

TEST_F(StrengthDlgTest, RefusalsSayWhyAndForgetTheFigures)
{
    CStrengthDlg& dlg = Open();
    const std::string strBad = m_scratch.Path("rotta.csv"), strSmall = m_scratch.Path("piccola.csv");
    testsupport::WriteBytes(strBad, "x,0,1\n0,0,1\n21,abc,2\n42,0,1\n");
    // A slender hull that cannot hold the example's weight at its deepest draft.
    testsupport::WriteBytes(strSmall, "x,0,1\n0,0,0.1\n42,0,0.1\n");
    QPushButton* const pCompute = dlg.m_btnCompute;
    QPushButton* const pStations = dlg.m_btnExportStations;
    // Each row's texts typed in turn into the field after a good calculation.
    const struct
    {
        QLineEdit* pEdit;
        std::vector<std::string> texts;
        QPushButton* pButton;
        std::string strWhy;
    } refusals[] = {
        {dlg.m_editDensity,
         {"-1"},
         pCompute,
         "La densità dell'acqua deve essere un numero positivo di t/m³: «-1»"},
        {dlg.m_editDensity, {"0", "abc", "inf", "nan", "1e999", ""}, pCompute, "positivo di t/m³: «"},
        {dlg.m_editHull, {""}, pCompute, "Scegliere la tavola di carena"},
        {dlg.m_editHull, {m_scratch.Path("manca.csv")}, pCompute, "Il file o la cartella non esiste."},
        {dlg.m_editHull, {strBad}, pCompute, "«" + strBad + "»"},
        {dlg.m_editHull, {strBad}, pCompute, "row 3, column 2"},
        {dlg.m_editHull,
         {strSmall},
         pCompute,
         "equilibrio sulla tavola di carena.\nno equilibrium: the estimate weighs 591.3 t"},
        // Stations are refused before a file is asked for.
        {dlg.m_editStationsCount, {"0", "2.5", "1e9", "nan", "x"}, pStations, "numero di intervalli"},
        {dlg.m_editStationsTo, {"-5"}, pStations, "Le stazioni"},
    };
    for (const auto& refusal : refusals)
    {
        for (const std::string& strText : refusal.texts)
        {
            Compute(dlg, kHull);
            ASSERT_FALSE(dlg.m_editAftDraft->text().isEmpty());
            EXPECT_EQ(dlg.m_editStationsCount->text(), "20");
            Retype(refusal.pEdit, QString::fromStdString(strText));
            const std::string strMessage = MessageOfClick(refusal.pButton);
            EXPECT_NE(strMessage.find(refusal.strWhy), std::string::npos) << strMessage;
            EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"message"}));
            EXPECT_EQ(dlg.m_labelMessage->text().toStdString(), strMessage);
            if (refusal.pButton == pCompute)
                ExpectNothingShown(dlg);
        }
    }
    // A new estimate forgets the figures but keeps the table; empty, it weighs nothing and cannot float.
    Compute(dlg, kHull);
    ASSERT_TRUE(Run(ID_FILE_NEW));
    ExpectNothingShown(dlg);
    EXPECT_EQ(Text(dlg.m_editHull), kHull);
    EXPECT_NE(MessageOfClick(pCompute).find("equilibrio"), std::string::npos);
}

TEST_F(StrengthDlgTest, TheTableLastReadIsRemembered)
{
    {
        CStrengthDlg& dlg = Open();
        EXPECT_TRUE(dlg.m_editHull->text().isEmpty());
        Compute(dlg, kHull);
        // A table that cannot be read is not the one to remember; browsing alone is not a use.
        Compute(dlg, m_scratch.Path("manca.csv"));
        m_services.m_paths = {m_scratch.Path("altra.csv")};
        QTest::mouseClick(dlg.m_btnBrowse, Qt::LeftButton);
        EXPECT_EQ(m_services.m_asked.back().dialog.strInitialName, m_scratch.Path("manca.csv"));
    }
    EXPECT_EQ(QSettings("Ventaglio", "Scafometro").value(CStrengthDlg::kHullSetting).toString().toStdString(),
              kHull);
    m_pApp.reset();
    CStrengthDlg& dlg = Open();
    EXPECT_EQ(Text(dlg.m_editHull), kHull);
    // Enter in the density field calculates with it.
    dlg.m_editDensity->setFocus();
    QTest::keyClick(dlg.m_editDensity, Qt::Key_Return);
    EXPECT_TRUE(dlg.Result().m_bFloats);
    EXPECT_FALSE(dlg.m_editAftDraft->text().isEmpty());
}

TEST_F(StrengthDlgTest, ThePanelsFollowTheWindowsSizeAndPrintToPdf)
{
    CStrengthDlg& dlg = Open();
    EXPECT_FALSE(dlg.PrintTo(m_pApp->Printer()));
    Compute(dlg, kHull);
    dlg.resize(900, 600);
    QTest::qWait(20);
    const QSize small = dlg.m_wndPlot->size();
    dlg.resize(1400, 950);
    QTest::qWait(20);
    const QSize large = dlg.m_wndPlot->size();
    EXPECT_GT(large.width(), small.width() + 300);
    EXPECT_GT(large.height(), small.height() + 200);
    const QImage image = dlg.m_wndPlot->grab().toImage();
    EXPECT_EQ(image.size(), large);
    // The curves reach into the added room: the moment's colour shows in the right-hand third.
    EXPECT_GT(CountColour(image.copy(image.width() * 2 / 3, 0, image.width() / 3, image.height()),
                          CStrengthPlot::kMomentColour),
              10);
    // At the smallest size the layout allows, the window fits a small laptop's screen and the
    // panels still have room to be drawn.
    const QSize smallest = dlg.minimumSizeHint();
    EXPECT_LE(smallest.width(), 1000);
    EXPECT_LE(smallest.height(), 700);
    dlg.resize(smallest);
    QTest::qWait(20);
    EXPECT_GT(CountColour(dlg.m_wndPlot->grab().toImage(), CStrengthPlot::kShearColour), 50);

    // Cancelling the print dialog prints nothing; a printed page draws the four curves in their
    // colours, and holds much more than a blank page of the same printer.
    QTest::mouseClick(dlg.m_btnPrint, Qt::LeftButton);
    EXPECT_EQ(m_services.Kinds().back(), "print");
    const std::string strPdf = m_scratch.Path("sollecitazioni.pdf");
    m_services.m_strPrintPdf = strPdf;
    QTest::mouseClick(dlg.m_btnPrint, Qt::LeftButton);
    const std::string strBytes = ReadBytes(strPdf);
    EXPECT_EQ(strBytes.substr(0, 4), "%PDF");
    const QImage page = PdfPage(strPdf);
    for (std::uint32_t cr : kCurveColours)
        EXPECT_GT(CountColour(page, cr), 20) << std::hex << cr;
    const std::string strBlank = m_scratch.Path("vuota.pdf");
    m_pApp->Printer().setOutputFileName(QString::fromStdString(strBlank));
    QPainter(&m_pApp->Printer()).end();
    EXPECT_GT(strBytes.size(), ReadBytes(strBlank).size() + 2000);
    EXPECT_TRUE(m_services.Messages().empty());
}
