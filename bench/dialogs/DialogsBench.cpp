// The dialogs' speed as a user feels it, offscreen: a 10,000-row spreadsheet table pasted into the
// import grid and taken with OK, the loads list filled with 10,000 loads, and a load picked with
// the mouse among 1,000 in the mode of one load within the whole; the groups window's tree filled
// from 10,000 coded loads, and its graph of a group among 1,000.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "app/ScafometroApp.h"
#include "bench/model/EstimateGenerator.h"
#include "dialogs/ClipboardImportDlg.h"
#include "dialogs/GroupGraphWnd.h"
#include "dialogs/LoadListDlg.h"
#include "dialogs/LoadTableImport.h"
#include "dialogs/MSFlexGrid.h"
#include "dialogs/QtListBox.h"
#include "dialogs/WeightGroupsDlg.h"
#include "document/File.h"
#include "document/ScafometroDoc.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "platform/Services.h"
#include "view/ScafometroView.h"

namespace
{
constexpr double kShipLength = 150;

// Nothing is asked of the user while the clock runs; a question would be a failure.
class CSilentServices : public CServices
{
public:
    bool GetOpenFileName(const SFileDialog&, std::string&) override { return false; }
    bool GetSaveFileName(const SFileDialog&, std::string&) override { return false; }
    int MessageBox(const std::string&, int) override
    {
        ++m_nAsked;
        return IDOK;
    }
    ESaveAnswer AskSaveChanges(const std::string&) override { return saveNo; }
    bool PrintDialog(QPrinter&) override { return false; }
    void PageSetupDialog(QPrinter&) override {}
    void PrintPreview(QPrinter&, const std::function<void(QPrinter&)>&) override {}
    std::unique_ptr<CFileProgress> BeginProgress(const std::string&) { return nullptr; }

    int m_nAsked = 0;
};

// A spreadsheet's selection of nRows loads with LF line ends, as it reaches the clipboard on Linux.
QString SpreadsheetTable(int nRows)
{
    CLoadList list;
    CEstimateGenerator::Fill(list, nRows, kShipLength);
    std::string strText;
    for (const CLoad* pLoad : list.Loads())
    {
        strText += pLoad->m_strName;
        for (double d :
             {pLoad->m_dWeight, pLoad->m_dX1, pLoad->m_dX2, pLoad->m_dXgRel, pLoad->m_dYg, pLoad->m_dZg})
            strText += "\t" + CNumberFormat::Format("%.8G", d);
        strText += "\n";
    }
    return QString::fromStdString(strText);
}

void BM_PasteAndOk10000(benchmark::State& state)
{
    CSilentServices services;
    QGuiApplication::clipboard()->setText(SpreadsheetTable(10000));
    for (auto _ : state)
    {
        CClipboardImportDlg dialog(services);
        dialog.show();
        QApplication::processEvents();
        QTest::keyClick(dialog.Grid(), Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
        dialog.accept();
        CLoadList list;
        if (CLoadTableImport::AppendRows(dialog.ImportText(), list) != 10000 || services.m_nAsked != 0)
            state.SkipWithError("the table was not imported whole");
    }
}

// The program on a new document, its main window shown offscreen.
struct SProgram
{
    explicit SProgram(int nLoads) : app(services)
    {
        app.InitInstance(CScafometroApp::SCommandLine());
        CEstimateGenerator::Fill(app.Document().m_listLoads, nLoads, kShipLength);
        app.Frame().resize(1280, 800);
        app.ShowMainWindow();
        QApplication::processEvents();
    }
    ~SProgram() { app.Document().SetModifiedFlag(false); }

    CSilentServices services;
    CScafometroApp app;
};

void BM_FillListBox10000(benchmark::State& state)
{
    SProgram program(10000);
    program.app.Frame().RouteCommand(ID_VIEW_LOADS);
    CLoadListDlg& dialog = *program.app.View().GetLoadListDlg();
    QApplication::processEvents();
    for (auto _ : state)
        program.app.Document().m_listLoads.FillListBox(*dialog.m_lbLoads);
    if (dialog.m_lbLoads->GetCount() != 10000)
        state.SkipWithError("the list box does not hold every load");
}

void BM_PickAmong1000(benchmark::State& state)
{
    SProgram program(1000);
    CScafometroView& view = program.app.View();
    program.app.Frame().RouteCommand(ID_VIEW_LOAD_IN_WHOLE);
    QApplication::processEvents();
    view.repaint();
    // Points within the weight curve at a third, a half and two thirds of the ship.
    CLoadList& list = program.app.Document().m_listLoads;
    std::vector<QPoint> points;
    for (double dShare : {1.0 / 3, 0.5, 2.0 / 3})
    {
        const double x = list.m_abscissae.Min() + dShare * (list.m_abscissae.Max() - list.m_abscissae.Min());
        SPoint pt;
        if (view.GetViewport().WorldToDevice(CVector3(x, 0.4 * list.ValueAt(x), 0), pt))
            points.emplace_back(pt.x, pt.y);
    }
    if (points.empty())
    {
        state.SkipWithError("the graph was not drawn");
        return;
    }
    int nPicked = 0;
    size_t i = 0;
    for (auto _ : state)
    {
        // The press and release only: the repaint waits for the event loop, outside the clock.
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, points[i++ % points.size()]);
        nPicked += view.SelectedLoad() > 0;
    }
    if (nPicked == 0)
        state.SkipWithError("no load was picked");
}
// The window's refresh: the sums at the tree's three levels and the tree filled anew.
void BM_GroupsTree10000(benchmark::State& state)
{
    SProgram program(10000);
    CEstimateGenerator::AddGroupCodes(program.app.Document().m_listLoads);
    program.app.Frame().RouteCommand(ID_VIEW_GROUPS);
    CWeightGroupsDlg& dialog = *program.app.View().GetGroupsDlg();
    QApplication::processEvents();
    for (auto _ : state)
        dialog.Refresh();
    state.counters["rows"] = dialog.m_treeGroups->topLevelItemCount();
    if (dialog.m_treeGroups->topLevelItemCount() < 10)
        state.SkipWithError("the tree does not hold the groups");
}

// The graph of a group's loads stacked above all the others, as a click on its row draws it.
void BM_GroupGraph1000(benchmark::State& state)
{
    SProgram program(1000);
    CEstimateGenerator::AddGroupCodes(program.app.Document().m_listLoads);
    program.app.Frame().RouteCommand(ID_VIEW_GROUPS);
    CWeightGroupsDlg& dialog = *program.app.View().GetGroupsDlg();
    dialog.m_treeGroups->topLevelItem(2)->setSelected(true);
    QApplication::processEvents();
    for (auto _ : state)
    {
        dialog.m_wndGraph->SetGroup(dialog.m_treeGroups->topLevelItem(2)->text(0).toStdString(), 1);
        dialog.m_wndGraph->repaint();
    }
    if (!dialog.m_wndGraph->IsDrawn())
        state.SkipWithError("the graph was not drawn");
}
} // namespace

BENCHMARK(BM_PasteAndOk10000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FillListBox10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickAmong1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GroupsTree10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupGraph1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
