// The strength window as a user meets it: opened from "Calcoli", the hull table chosen with
// "Sfoglia...", the density typed, "Calcola" clicked; its figures and files set against the batch
// tool's, its refusals, the remembered table, the panels on screen and on paper.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "AppFixture.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "dialogs/StrengthDlg.h"
#include "dialogs/StrengthPlotWnd.h"
#include "document/ScafometroDoc.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "view/ScafometroView.h"
#include "view/StrengthPlot.h"

using testsupport::ReadBytes;
using testsupport::SameBytes;
using testsupport::WriteBytes;

namespace
{
std::string Hull()
{
    return SCAFOMETRO_EXAMPLES "/motonave-bonjean.csv";
}

struct SCliRun
{
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

SCliRun Cli(const std::vector<std::string>& args)
{
    QStringList arguments;
    for (const std::string& strArg : args)
        arguments << QString::fromStdString(strArg);
    QProcess process;
    process.start(QStringLiteral(SCAFOMETRO_CLI), arguments);
    SCliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.nStatus = process.exitCode();
    run.strOut = process.readAllStandardOutput().toStdString();
    run.strErr = process.readAllStandardError().toStdString();
    return run;
}

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

// A value of the batch tool as the window shows it.
std::string Shown(const char* pszFormat, const std::string& strValue)
{
    return CNumberFormat::Format(pszFormat, std::strtod(strValue.c_str(), nullptr));
}

std::string Text(const QLineEdit* pEdit)
{
    return pEdit->text().toStdString();
}

// Pixels of the colour in the image.
int CountColour(const QImage& image, std::uint32_t cr)
{
    const QRgb rgb = qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
            nCount += (image.pixel(x, y) & 0xffffff) == (rgb & 0xffffff);
    }
    return nCount;
}

// The stroke colours a PDF's compressed page contents set ("r g b SCN"), as RGB().
std::set<std::uint32_t> PdfStrokeColours(const std::string& strPdf)
{
    std::set<std::uint32_t> colours;
    for (size_t nStart = strPdf.find("stream\n"); nStart != std::string::npos;
         nStart = strPdf.find("stream\n", nStart + 1))
    {
        const size_t nData = nStart + 7, nEnd = strPdf.find("endstream", nData);
        if (nEnd == std::string::npos)
            break;
        // qUncompress wants the length first; a guess is enough, it grows the buffer as needed.
        QByteArray data("\x00\x10\x00\x00", 4);
        data += QByteArray::fromStdString(strPdf.substr(nData, nEnd - nData));
        std::istringstream content(qUncompress(data).toStdString());
        std::string strLine;
        while (std::getline(content, strLine))
        {
            double r = 0, g = 0, b = 0;
            char szOp[8] = {};
            if (std::sscanf(strLine.c_str(), "%lf %lf %lf %7s", &r, &g, &b, szOp) == 4 &&
                std::string(szOp) == "SCN")
                colours.insert(RGB(static_cast<std::uint8_t>(std::lround(r * 255)),
                                   static_cast<std::uint8_t>(std::lround(g * 255)),
                                   static_cast<std::uint8_t>(std::lround(b * 255))));
        }
    }
    return colours;
}

const std::uint32_t kCurveColours[] = {CStrengthPlot::kWeightColour, CStrengthPlot::kBuoyancyColour,
                                       CStrengthPlot::kShearColour, CStrengthPlot::kMomentColour};
} // namespace

class StrengthDlgTest : public CAppFixture
{
protected:
    // Starts on the example and opens the window from its menu item.
    CStrengthDlg& Open(const std::string& strFile = "")
    {
        Start(strFile.empty() ? Example() : strFile);
        EXPECT_TRUE(Run(CScafometroView::ID_VIEW_STRENGTH));
        CStrengthDlg* pDlg = View().m_pStrengthDlg;
        EXPECT_NE(pDlg, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pDlg));
        return *pDlg;
    }

    // Chooses the table with "Sfoglia..." and types the density over the field's text.
    void Enter(CStrengthDlg& dlg, const std::string& strHull, const QString& strDensity)
    {
        m_services.m_paths = {strHull};
        QTest::mouseClick(dlg.m_btnBrowse, Qt::LeftButton);
        QTest::keyClick(dlg.m_editDensity, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(dlg.m_editDensity, Qt::Key_Delete);
        QTest::keyClicks(dlg.m_editDensity, strDensity);
    }

    void Compute(CStrengthDlg& dlg, const std::string& strHull, const QString& strDensity = "1.025")
    {
        Enter(dlg, strHull, strDensity);
        QTest::mouseClick(dlg.m_btnCompute, Qt::LeftButton);
    }

    // Types over a field's text.
    static void Retype(QLineEdit* pEdit, const QString& strText)
    {
        QTest::keyClick(pEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pEdit, strText);
    }

    // Clicks the button after forgetting what was asked before; the one message it gives, which
    // belongs to the strength window.
    std::string MessageOfClick(QPushButton* pButton)
    {
        m_services.m_asked.clear();
        QTest::mouseClick(pButton, Qt::LeftButton);
        const std::vector<std::string> messages = m_services.Messages();
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(m_services.m_asked.back().pParent, pButton->window());
        return messages.empty() ? std::string() : messages[0];
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

TEST_F(StrengthDlgTest, MenuItemFollowsTheResultsAndOpensTheWindow)
{
    Start(Example());
    QMenu* pView = nullptr;
    for (QAction* pAction : m_pApp->Frame().menuBar()->actions())
    {
        if (pAction->text() == "&Visualizza")
            pView = pAction->menu();
    }
    ASSERT_NE(pView, nullptr);
    QMenu* pCalc = nullptr;
    for (QAction* pAction : pView->actions())
    {
        if (pAction->menu() && pAction->text() == "Calcoli")
            pCalc = pAction->menu();
    }
    ASSERT_NE(pCalc, nullptr);
    QStringList items;
    for (QAction* pAction : pCalc->actions())
        items << pAction->text();
    EXPECT_EQ(items.mid(0, 2), QStringList({"Calcolo Risultante e Baricentro dei pesi",
                                            "Sollecitazioni della trave nave..."}));
    EXPECT_EQ(pCalc->actions()[1], m_pApp->Frame().Action(CScafometroView::ID_VIEW_STRENGTH));
    const SCommand* pCommand = CCommandTable::Find(CScafometroView::ID_VIEW_STRENGTH);
    ASSERT_NE(pCommand, nullptr);
    EXPECT_GT(std::string(pCommand->pszPrompt).size(), 10u);

    EXPECT_EQ(View().m_pStrengthDlg, nullptr);
    pCalc->actions()[1]->trigger();
    CStrengthDlg* pDlg = View().m_pStrengthDlg;
    ASSERT_NE(pDlg, nullptr);
    EXPECT_TRUE(pDlg->isVisible());
    EXPECT_EQ(pDlg->windowTitle(), "Sollecitazioni della trave nave");
    EXPECT_EQ(pDlg->m_editDensity->text(), "1.025");
    // Nothing is computed before "Calcola".
    ExpectNothingShown(*pDlg);
    // A second time it is the same window.
    EXPECT_TRUE(Run(CScafometroView::ID_VIEW_STRENGTH));
    EXPECT_EQ(View().m_pStrengthDlg, pDlg);
}

TEST_F(StrengthDlgTest, EveryFieldIsNamedByItsLabel)
{
    CStrengthDlg& dlg = Open();
    std::set<QWidget*> named;
    for (QLabel* pLabel : dlg.findChildren<QLabel*>())
    {
        if (pLabel->buddy())
            named.insert(pLabel->buddy());
    }
    const QList<QLineEdit*> edits = dlg.findChildren<QLineEdit*>();
    EXPECT_EQ(edits.size(), 21);
    for (QLineEdit* pEdit : edits)
        EXPECT_EQ(named.count(pEdit), 1u) << pEdit->text().toStdString();
}

TEST_F(StrengthDlgTest, ExampleShowsTheBatchToolsFiguresInBothWaters)
{
    CStrengthDlg& dlg = Open();
    for (const auto& [pszDensity, pszCli] : {std::pair("1.025", "1.025"), std::pair("1,000", "1")})
    {
        Compute(dlg, Hull(), pszDensity);
        EXPECT_EQ(dlg.m_editHull->text().toStdString(), Hull());
        EXPECT_EQ(m_services.Messages(), std::vector<std::string>());
        ASSERT_TRUE(dlg.Result().m_bFloats);
        const SCliRun run = Cli({"strength", Example(), Hull(), "--density", pszCli});
        ASSERT_EQ(run.nStatus, 0) << run.strErr;
        auto cli = Fields(run.strOut);
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
            EXPECT_EQ(Text(field.pEdit), Shown(field.pszFormat, cli[field.pszName].at(field.n)))
                << field.pszName;
        EXPECT_EQ(Text(dlg.m_editIterations), cli["iterations"].at(0));
        // The displacement is the weight, to the equilibrium's tolerance.
        EXPECT_EQ(Text(dlg.m_editDisplacement), CNumberFormat::Format("%.4f", dlg.Result().m_dDisplacement));
        EXPECT_NEAR(std::strtod(Text(dlg.m_editDisplacement).c_str(), nullptr),
                    std::strtod(cli["W"].at(0).c_str(), nullptr), 1e-3);
    }
    // Fresh water floats the ship deeper than sea water does.
    const double dFreshAft = dlg.Result().m_dAftDraft;
    Compute(dlg, Hull());
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
    EXPECT_TRUE(dlg.m_btnPrint->isEnabled());
    EXPECT_TRUE(dlg.m_btnExportCurves->isEnabled());
}

TEST_F(StrengthDlgTest, CurvesAndStationsAreTheBatchToolsBytes)
{
    CStrengthDlg& dlg = Open();
    Compute(dlg, Hull());
    const std::string strCurves = m_scratch.Path("finestra.csv"), strCli = m_scratch.Path("cli.csv");
    m_services.m_paths = {strCurves};
    QTest::mouseClick(dlg.m_btnExportCurves, Qt::LeftButton);
    ASSERT_EQ(m_services.Kinds().back(), "save");
    EXPECT_EQ(m_services.m_asked.back().dialog.strDefaultExt, "CSV");
    ASSERT_EQ(RunCli({"strength", Example(), Hull(), "--table", strCli}), 0);
    EXPECT_TRUE(SameBytes(ReadBytes(strCurves), ReadBytes(strCli)));

    // The proposed stations span the curves' whole extent, in 20 intervals.
    EXPECT_EQ(dlg.m_editStationsFrom->text().toDouble(), dlg.Result().m_rows.front().x);
    EXPECT_EQ(dlg.m_editStationsTo->text().toDouble(), dlg.Result().m_rows.back().x);
    EXPECT_EQ(dlg.m_editStationsCount->text(), "20");
    Retype(dlg.m_editStationsCount, "12");
    const std::string strStations = m_scratch.Path("stazioni.csv");
    m_services.m_paths = {strStations};
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

TEST_F(StrengthDlgTest, StationsOutOfOrderOrABadCountAreRefusedBeforeAskingForAFile)
{
    CStrengthDlg& dlg = Open();
    Compute(dlg, Hull());
    for (const char* pszCount : {"0", "2.5", "1e9", "nan", "x"})
    {
        Retype(dlg.m_editStationsCount, pszCount);
        EXPECT_NE(MessageOfClick(dlg.m_btnExportStations).find("numero di intervalli"), std::string::npos);
        ASSERT_EQ(m_services.Kinds(), std::vector<std::string>({"message"})) << pszCount;
    }
    Retype(dlg.m_editStationsCount, "20");
    Retype(dlg.m_editStationsTo, "-5");
    EXPECT_NE(MessageOfClick(dlg.m_btnExportStations).find("Le stazioni"), std::string::npos);
    ASSERT_EQ(m_services.Kinds(), std::vector<std::string>({"message"}));
}

TEST_F(StrengthDlgTest, BadDensitiesAreRefused)
{
    CStrengthDlg& dlg = Open();
    for (const char* pszDensity : {"-1", "0", "abc", "inf", "nan", "1e999", ""})
    {
        Enter(dlg, Hull(), pszDensity);
        const std::string strMessage = MessageOfClick(dlg.m_btnCompute);
        EXPECT_NE(strMessage.find("La densità dell'acqua deve essere un numero positivo"), std::string::npos);
        EXPECT_NE(strMessage.find("«" + std::string(pszDensity) + "»"), std::string::npos) << pszDensity;
        EXPECT_EQ(dlg.m_labelMessage->text().toStdString(), strMessage);
        ExpectNothingShown(dlg);
    }
    // A good calculation followed by a bad density forgets the figures it showed.
    Compute(dlg, Hull());
    ASSERT_FALSE(dlg.m_editAftDraft->text().isEmpty());
    Compute(dlg, Hull(), "-1.025");
    ExpectNothingShown(dlg);
}

TEST_F(StrengthDlgTest, AnEstimateThatCannotFloatIsRefusedWithTheReason)
{
    CStrengthDlg& dlg = Open();
    Compute(dlg, Hull());
    ASSERT_TRUE(dlg.m_wndPlot->grab().toImage().width() > 0 && dlg.m_wndPlot->m_bDrawn);

    // A slender hull that cannot hold the example's weight at its deepest draft.
    const std::string strSmall = m_scratch.Path("piccola.csv");
    WriteBytes(strSmall, "x,0,1\n0,0,0.1\n42,0,0.1\n");
    const SCliRun run = Cli({"strength", Example(), strSmall});
    ASSERT_EQ(run.nStatus, 1);
    const std::string strReason =
        run.strErr.substr(run.strErr.find(": ") + 2, run.strErr.size() - 1 - (run.strErr.find(": ") + 2));
    Enter(dlg, strSmall, "1.025");
    const std::string strMessage = MessageOfClick(dlg.m_btnCompute);
    EXPECT_NE(strMessage.find("equilibrio"), std::string::npos);
    EXPECT_NE(strMessage.find(strReason), std::string::npos) << strReason;
    EXPECT_NE(dlg.m_labelMessage->text().toStdString().find(strReason), std::string::npos);
    ExpectNothingShown(dlg);
}

TEST_F(StrengthDlgTest, ABadTableIsRefusedNamingTheFileRowAndColumn)
{
    CStrengthDlg& dlg = Open();
    const std::string strBad = m_scratch.Path("rotta.csv");
    WriteBytes(strBad, "x,0,1\n0,0,1\n21,abc,2\n42,0,1\n");
    const SCliRun run = Cli({"strength", Example(), strBad});
    ASSERT_EQ(run.nStatus, 1);
    Enter(dlg, strBad, "1.025");
    const std::string strMessage = MessageOfClick(dlg.m_btnCompute);
    EXPECT_NE(strMessage.find("«" + strBad + "»"), std::string::npos) << strMessage;
    EXPECT_NE(strMessage.find("row 3, column 2"), std::string::npos) << strMessage;
    EXPECT_NE(run.strErr.find("row 3, column 2"), std::string::npos) << run.strErr;
    ExpectNothingShown(dlg);

    // No table at all, and a table that is not there.
    QTest::keyClick(dlg.m_editHull, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dlg.m_editHull, Qt::Key_Delete);
    EXPECT_NE(MessageOfClick(dlg.m_btnCompute).find("Scegliere la tavola di carena"), std::string::npos);
    Enter(dlg, m_scratch.Path("manca.csv"), "1.025");
    EXPECT_NE(MessageOfClick(dlg.m_btnCompute).find("Il file o la cartella non esiste."), std::string::npos);
    ExpectNothingShown(dlg);
}

TEST_F(StrengthDlgTest, TheTableLastReadIsRemembered)
{
    {
        CStrengthDlg& dlg = Open();
        EXPECT_TRUE(dlg.m_editHull->text().isEmpty());
        Compute(dlg, Hull());
        // A table that cannot be read is not the one to remember; browsing alone is not a use.
        Compute(dlg, m_scratch.Path("manca.csv"));
        m_services.m_paths = {m_scratch.Path("altra.csv")};
        QTest::mouseClick(dlg.m_btnBrowse, Qt::LeftButton);
        EXPECT_EQ(m_services.m_asked.back().dialog.strInitialName, m_scratch.Path("manca.csv"));
    }
    EXPECT_EQ(QSettings("Ventaglio", "Scafometro").value(CStrengthDlg::kHullSetting).toString().toStdString(),
              Hull());
    m_pApp.reset();
    CStrengthDlg& dlg = Open();
    EXPECT_EQ(dlg.m_editHull->text().toStdString(), Hull());
    // Enter in the density field calculates with it.
    dlg.m_editDensity->setFocus();
    QTest::keyClick(dlg.m_editDensity, Qt::Key_Return);
    EXPECT_TRUE(dlg.Result().m_bFloats);
    EXPECT_FALSE(dlg.m_editAftDraft->text().isEmpty());
}

TEST_F(StrengthDlgTest, ThePanelsFollowTheWindowsSize)
{
    CStrengthDlg& dlg = Open();
    Compute(dlg, Hull());
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
    const QImage tight = dlg.m_wndPlot->grab().toImage();
    EXPECT_TRUE(dlg.m_wndPlot->m_bDrawn);
    EXPECT_GT(CountColour(tight, CStrengthPlot::kShearColour), 50);
}

TEST_F(StrengthDlgTest, PrintsThePanelsToPdf)
{
    CStrengthDlg& dlg = Open();
    EXPECT_FALSE(dlg.m_btnPrint->isEnabled());
    EXPECT_FALSE(dlg.PrintTo(m_pApp->Printer()));
    Compute(dlg, Hull());
    // Cancelling the print dialog prints nothing.
    QTest::mouseClick(dlg.m_btnPrint, Qt::LeftButton);
    EXPECT_EQ(m_services.Kinds().back(), "print");

    const std::string strPdf = m_scratch.Path("sollecitazioni.pdf");
    m_services.m_strPrintPdf = strPdf;
    QTest::mouseClick(dlg.m_btnPrint, Qt::LeftButton);
    const std::string strBytes = ReadBytes(strPdf);
    ASSERT_GT(strBytes.size(), 4u);
    EXPECT_EQ(strBytes.substr(0, 4), "%PDF");
    // The page strokes the four curves in their colours.
    const std::set<std::uint32_t> colours = PdfStrokeColours(strBytes);
    for (std::uint32_t cr : kCurveColours)
        EXPECT_EQ(colours.count(cr), 1u) << std::hex << cr;

    // A blank page of the same printer is much smaller than the panels and their figures.
    const std::string strBlank = m_scratch.Path("vuota.pdf");
    QPrinter& printer = m_pApp->Printer();
    printer.setOutputFileName(QString::fromStdString(strBlank));
    {
        QPainter painter(&printer);
    }
    EXPECT_GT(strBytes.size(), ReadBytes(strBlank).size() + 2000);
    EXPECT_TRUE(m_services.Messages().empty());
}

TEST_F(StrengthDlgTest, AFailedExportNamesTheFile)
{
    CStrengthDlg& dlg = Open();
    Compute(dlg, Hull());
    const std::string strPath = m_scratch.Path("manca/tabella.csv");
    m_services.m_paths = {strPath};
    QTest::mouseClick(dlg.m_btnExportCurves, Qt::LeftButton);
    ASSERT_EQ(m_services.Messages().size(), 1u);
    EXPECT_NE(m_services.Messages()[0].find("«" + strPath + "»"), std::string::npos);
    // Cancelling the save dialog writes nothing and says nothing.
    QTest::mouseClick(dlg.m_btnExportCurves, Qt::LeftButton);
    EXPECT_EQ(m_services.Kinds().back(), "save");
    EXPECT_EQ(m_services.Messages().size(), 1u);
    // Nothing is left in the folder but the estimate the test may have put there.
    std::vector<std::string> entries = testsupport::FolderEntries(m_scratch.Dir());
    entries.erase(std::remove(entries.begin(), entries.end(), "motonave.p3d"), entries.end());
    EXPECT_EQ(entries, std::vector<std::string>());
}

TEST_F(StrengthDlgTest, ANewEstimateForgetsTheFigures)
{
    CStrengthDlg& dlg = Open();
    Compute(dlg, Hull());
    ASSERT_FALSE(dlg.m_editAftDraft->text().isEmpty());
    ASSERT_TRUE(Run(CCommandTable::ID_FILE_NEW));
    ExpectNothingShown(dlg);
    EXPECT_EQ(dlg.m_editHull->text().toStdString(), Hull());
    // The empty estimate weighs nothing and cannot float.
    EXPECT_NE(MessageOfClick(dlg.m_btnCompute).find("equilibrio"), std::string::npos);
}
