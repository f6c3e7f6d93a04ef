// Long work on a file shows its progress and can be cancelled: the progress window's "Annulla", and
// what a cancel leaves behind in each file command.
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cerrno>

#include "AppFixture.h"
#include "document/FileException.h"
#include "document/ScafometroDoc.h"
#include "platform/ProgressMonitor.h"

using testsupport::ReadBytes;

TEST(ProgressMonitor, AnnullaStopsTheNextWrite)
{
    testsupport::CScratchDir scratch;
    CProgressMonitor monitor(nullptr, "Esportazione", 0);
    CFile file;
    file.SetProgress(&monitor);
    file.Open(scratch.Path("lungo.txt"), CFile::modeCreateWrite);
    file.Write("primo");
    ASSERT_NE(monitor.Dialog(), nullptr);
    EXPECT_TRUE(monitor.Dialog()->labelText().startsWith("Esportazione"));
    // "Annulla" is the progress window's only button.
    auto* pCancel = monitor.Dialog()->findChild<QPushButton*>();
    ASSERT_NE(pCancel, nullptr);
    EXPECT_EQ(pCancel->text(), "Annulla");
    QTest::mouseClick(pCancel, Qt::LeftButton);
    // The next update is due an interval later.
    QTest::qWait(CProgressMonitor::kIntervalMs + 10);
    try
    {
        file.Write("secondo");
        FAIL() << "the write went on after Annulla";
    }
    catch (const CFileException& error)
    {
        EXPECT_EQ(error.GetErrno(), ECANCELED);
    }
}

TEST(ProgressMonitor, ShortWorkShowsNothing)
{
    testsupport::CScratchDir scratch;
    CProgressMonitor monitor(nullptr, "Salvataggio");
    CFile file;
    file.SetProgress(&monitor);
    file.Open(scratch.Path("breve.txt"), CFile::modeCreateWrite);
    for (int i = 0; i < 1000; ++i)
        file.Write("riga\r\n");
    EXPECT_EQ(monitor.Dialog(), nullptr);
}

using ProgressTest = CAppFixture;

TEST_F(ProgressTest, CancelledWorkLeavesFilesAndDocumentAsTheyWere)
{
    Start(Example());
    const std::string strOld = m_scratch.Path("esistente.p3d");
    testsupport::WriteBytes(strOld, "contenuto precedente");

    // An export and a save cancelled half way: no new file, the old one intact, nothing to say.
    m_services.m_nCancelAfter = 2;
    m_services.m_answers = {CServices::IDYES};
    for (int nId : {32796, 57604})
    {
        m_services.m_paths = {nId == 32796 ? m_scratch.Path("disegno.dxf") : strOld};
        ASSERT_TRUE(Run(nId));
        EXPECT_EQ(m_services.m_nProgressCalls, 2);
    }
    std::vector<std::string> entries = testsupport::FolderEntries(m_scratch.Dir());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, std::vector<std::string>({"esistente.p3d", "motonave.p3d"}));
    EXPECT_EQ(ReadBytes(strOld), "contenuto precedente");
    EXPECT_EQ(m_pApp->Document().GetPathName(), Example());
    EXPECT_EQ(m_services.Messages(), std::vector<std::string>({strOld + " esiste già. Vuoi sostituirlo?"}));
    m_services.m_asked.clear();

    // A cancelled open keeps the document.
    m_pApp->Document().m_listLoads.GoTo(1);
    m_pApp->Document().m_listLoads.Remove(1);
    m_services.m_paths = {Example()};
    m_services.m_nCancelAfter = 3;
    ASSERT_TRUE(Run(57601));
    EXPECT_EQ(m_pApp->Document().m_listLoads.m_nCount, 41);
    EXPECT_TRUE(m_services.Messages().empty());

    // Uncancelled, the same commands are watched and do their work.
    m_services.m_nCancelAfter = 0;
    m_services.m_paths = {m_scratch.Path("disegno.dxf")};
    ASSERT_TRUE(Run(32796));
    EXPECT_GT(m_services.m_nProgressCalls, 2);
    EXPECT_TRUE(testsupport::DxfReadsBack(m_scratch.Path("disegno.dxf")));
}
