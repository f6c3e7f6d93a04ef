// Every file command end to end through the real window: new, open, save, save as, ask to save,
// the ".p" import, both merges and the five exports, with the bytes the batch tool writes, every
// failure reported and every cancelled piece of work leaving the files as they were; the progress
// window.
#include <QAction>
#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AppFixture.h"
#include "document/FileException.h"
#include "document/ScafometroDoc.h"
#include "platform/ProgressMonitor.h"

using testsupport::ReadBytes;
using testsupport::SameBytes;

namespace
{
std::string Merge(const std::string& strName)
{
    return testsupport::DataPath("merge/" + strName);
}
} // namespace

class FileCommandsTest : public CAppFixture
{
protected:
    CScafometroDoc& Doc() { return m_pApp->Document(); }
    CLoadList& Loads() { return Doc().m_listLoads; }
};

TEST_F(FileCommandsTest, OpenImportSaveAndSaveOverAFile)
{
    Start();
    m_services.m_paths = {Example()};
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    EXPECT_EQ(Loads().m_nCount, 42);
    EXPECT_EQ(Doc().GetTitle(), "motonave.p3d");
    // A refused open leaves the document as it was, and names the file and the cause.
    Doc().SetModifiedFlag(true);
    const std::string strBroken = m_scratch.Path("rotto.p3d");
    testsupport::WriteBytes(strBroken, ReadBytes(Example()).substr(0, 100));
    const std::pair<std::string, const char*> refusals[] = {{strBroken, "danneggiato"},
                                                            {m_scratch.Path("manca.p3d"), "non esiste"}};
    for (const auto& [strPath, pszCause] : refusals)
    {
        m_services.m_paths = {strPath};
        m_services.m_saveAnswers = {CServices::saveNo};
        ASSERT_TRUE(Run(ID_FILE_OPEN));
        EXPECT_EQ(Loads().m_nCount, 42);
        EXPECT_EQ(Doc().GetPathName(), Example());
        EXPECT_EQ(Doc().GetTitle(), "motonave.p3d");
        ASSERT_FALSE(m_services.Messages().empty());
        EXPECT_NE(m_services.Messages().back().find(strPath), std::string::npos);
        EXPECT_NE(m_services.Messages().back().find(pszCause), std::string::npos);
    }
    m_services.m_asked.clear();

    // The old format's import keeps the example's path; "Salva" must not overwrite the example with
    // the imported loads, and proposes a name after the imported file.
    const std::string strOld = m_scratch.Path("vecchio.p");
    testsupport::WriteBytes(strOld, ReadBytes(testsupport::DataPath("old-two-loads/estimate.p")));
    m_services.m_paths = {strOld};
    ASSERT_TRUE(Run(ID_IMPORT_OLD_FORMAT));
    EXPECT_EQ(
        m_services.Messages(),
        std::vector<std::string>({"Per salvare i dati nel nuovo formato usare 'Save As' dal menu 'File'"}));
    EXPECT_EQ(Loads().m_nCount, 2);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().GetPathName(), Example());
    const std::string strNew = m_scratch.Path("vecchio.p3d"),
                      strExpected = testsupport::DataPath("old-two-loads/expected.p3d");
    m_services.m_paths = {strNew};
    ASSERT_TRUE(Run(ID_FILE_SAVE));
    EXPECT_EQ(m_services.m_asked.back().strKind, "save");
    EXPECT_EQ(m_services.m_asked.back().dialog.strInitialName, "vecchio.p3d");
    EXPECT_TRUE(SameBytes(ReadBytes(strNew), ReadBytes(strExpected)));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().GetPathName(), strNew);
    EXPECT_EQ(m_pApp->Frame().windowTitle(), "vecchio.p3d[*] - Scafometro");
    EXPECT_EQ(m_pApp->RecentFiles().first(), QString::fromStdString(strNew));

    // "Sa&lva con nome..." and the first "&Salva" of a new document ask before they replace a file:
    // No goes back to the dialog, which may be cancelled with nothing written; Yes replaces the file.
    const std::string strTaken = m_scratch.Path("esistente.p3d");
    for (int nId : {ID_FILE_SAVE_AS, ID_FILE_SAVE})
    {
        ASSERT_TRUE(Run(ID_FILE_NEW));
        testsupport::WriteBytes(strTaken, "contenuto precedente");
        m_services.m_asked.clear();
        m_services.m_paths = {strTaken, ""};
        m_services.m_answers = {CServices::IDNO};
        ASSERT_TRUE(Run(nId));
        EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"save", "message", "save"}));
        EXPECT_EQ(m_services.Messages(),
                  std::vector<std::string>({strTaken + " esiste già. Vuoi sostituirlo?"}));
        EXPECT_EQ(m_services.m_asked[1].pParent, &m_pApp->Frame());
        // A new document is proposed as "Pondera.p3d" and saved as its empty 8 bytes.
        EXPECT_EQ(m_services.m_asked[0].dialog.strInitialName, "Pondera.p3d");
        EXPECT_EQ(ReadBytes(strTaken), "contenuto precedente");
        m_services.m_paths = {strTaken};
        m_services.m_answers = {CServices::IDYES};
        ASSERT_TRUE(Run(nId));
        EXPECT_EQ(ReadBytes(strTaken), std::string(8, '\0'));
    }
}

TEST_F(FileCommandsTest, AskToSaveBeforeANewEstimateAndOnExit)
{
    // Opening the loads list marks the document, even without an edit. Cancel keeps everything;
    // Yes writes the file back and closes.
    Start(Example());
    ASSERT_TRUE(Run(ID_VIEW_LOADS));
    EXPECT_TRUE(Doc().IsModified());
    m_services.m_saveAnswers = {CServices::saveCancel};
    ASSERT_TRUE(Run(ID_APP_EXIT));
    EXPECT_TRUE(m_pApp->Frame().isVisible());
    EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"ask-save"}));
    const std::string strBefore = ReadBytes(Example());
    m_services.m_saveAnswers = {CServices::saveYes};
    ASSERT_TRUE(Run(ID_APP_EXIT));
    EXPECT_FALSE(m_pApp->Frame().isVisible());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(ReadBytes(Example()), strBefore);
    m_pApp->Frame().show();

    // After a merge: Cancel keeps it; Yes saves through the dialog, then the new document comes.
    m_services.m_paths = {Merge("altro.p3d")};
    ASSERT_TRUE(Run(ID_INSERT_ALL_LOADS));
    EXPECT_EQ(m_services.Messages(), std::vector<std::string>({"Import eseguito"}));
    const int nMerged = Loads().m_nCount;
    m_services.m_saveAnswers = {CServices::saveCancel};
    ASSERT_TRUE(Run(ID_FILE_NEW));
    EXPECT_EQ(Loads().m_nCount, nMerged);
    const std::string strSaved = m_scratch.Path("unito.p3d"), strExpected = m_scratch.Path("atteso.p3d");
    ASSERT_EQ(RunCli({"merge-all", Example(), Merge("altro.p3d"), strExpected}), 0);
    m_services.m_saveAnswers = {CServices::saveYes};
    m_services.m_paths = {strSaved};
    m_services.m_asked.clear();
    // "Salva" proposes the file's own path, so save-as it elsewhere.
    Doc().SetPathName("");
    ASSERT_TRUE(Run(ID_FILE_NEW));
    EXPECT_EQ(Doc().GetTitle(), "Pondera");
    EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"ask-save", "save"}));
    EXPECT_TRUE(SameBytes(ReadBytes(strSaved), ReadBytes(strExpected)));
    EXPECT_EQ(Loads().m_nCount, 0);

    // A merge of an empty file says so and changes nothing.
    m_services.m_paths = {Merge("nothing.p3d")};
    ASSERT_TRUE(Run(ID_INSERT_EQUIVALENT_LOAD));
    EXPECT_EQ(m_services.Messages().back(), "Import non eseguito");
    EXPECT_FALSE(Doc().IsModified());
    // Don't save closes without writing, and the windows the main window owns go with it.
    m_services.m_paths = {Merge("altro.p3d")};
    ASSERT_TRUE(Run(ID_INSERT_EQUIVALENT_LOAD));
    EXPECT_EQ(Loads().m_nCount, 1);
    ASSERT_TRUE(Run(ID_VIEW_LOADS));
    ASSERT_TRUE(Run(ID_VIEW_DISCONTINUITIES));
    m_services.m_asked.clear();
    m_services.m_saveAnswers = {CServices::saveNo};
    ASSERT_TRUE(Run(ID_APP_EXIT));
    EXPECT_EQ(m_services.Kinds(), std::vector<std::string>({"ask-save"}));
    for (QWidget* pWindow : QApplication::topLevelWidgets())
        EXPECT_FALSE(pWindow->isVisible()) << pWindow->windowTitle().toStdString();
}

TEST_F(FileCommandsTest, ExportsAreTheBatchToolsAndWriteFaultsLeaveTheOldFileIntact)
{
    Start(Example());
    Painted();
    const int commands[] = {ID_FILE_SAVE_AS,         ID_EXPORT_LOADS_TXT,     ID_EXPORT_RESULTANT_TXT,
                            ID_EXPORT_RESULTANT_CSV, ID_EXPORT_RESULTANT_DXF, ID_EXPORT_DETAILED_DXF};
    // The five exports of the example write the batch tool's bytes; the drawings read back.
    const std::pair<const char*, const char*> exports[] = {{"export-loads", "txt"},
                                                           {"export-resultant", "txt"},
                                                           {"export-csv", "CSV"},
                                                           {"export-dxf", "DXF"},
                                                           {"export-detailed-dxf", "DXF"}};
    const std::string strShown = m_scratch.Path("finestra"), strBatch = m_scratch.Path("batch");
    for (size_t i = 0; i < std::size(exports); ++i)
    {
        const auto& [pszCommand, pszExt] = exports[i];
        m_services.m_paths = {strShown};
        ASSERT_TRUE(Run(commands[i + 1]));
        EXPECT_EQ(m_services.m_asked.back().dialog.strDefaultExt, pszExt);
        ASSERT_EQ(RunCli({pszCommand, Example(), strBatch}), 0);
        EXPECT_TRUE(SameBytes(ReadBytes(strShown), ReadBytes(strBatch))) << pszCommand;
        EXPECT_TRUE(std::string(pszExt) != "DXF" || testsupport::DxfReadsBack(strShown)) << pszCommand;
    }
    // A cancelled dialog says nothing; the folder is checked for stray files at the end.
    m_services.m_paths = {""};
    ASSERT_TRUE(Run(ID_EXPORT_LOADS_TXT));
    EXPECT_TRUE(m_services.Messages().empty());

    // "Sa&lva con nome..." and the five exports, each against every fault and a load that is not
    // finite. The loads' export is the smallest file: more loads make it pass the size limit below.
    m_services.m_paths = {Merge("altro.p3d")};
    ASSERT_TRUE(Run(ID_INSERT_ALL_LOADS));
    const std::string strOld = m_scratch.Path("esistente.p3d");
    testsupport::WriteBytes(strOld, "contenuto precedente");
    const std::string strFolder = m_scratch.Path("cartella");
    ASSERT_EQ(mkdir(strFolder.c_str(), 0755), 0);
    const auto expectReported = [&](int nId, const std::string& strTarget, const char* pszCause) {
        const size_t nMessages = m_services.Messages().size();
        m_services.m_paths = {strTarget};
        // "Sa&lva con nome..." asks first before it replaces a file; the exports do not.
        const bool bAsks = nId == ID_FILE_SAVE_AS && access(strTarget.c_str(), F_OK) == 0;
        m_services.m_answers = {CServices::IDYES};
        ASSERT_TRUE(Run(nId));
        ASSERT_EQ(m_services.Messages().size(), nMessages + 1 + bAsks) << nId << " on " << strTarget;
        const std::string& strMessage = m_services.Messages().back();
        EXPECT_NE(strMessage.find("«" + strTarget + "»"), std::string::npos) << strMessage;
        EXPECT_NE(strMessage.find(pszCause), std::string::npos) << strMessage;
    };

    // A file-size limit: each write fails half way.
    struct rlimit previous;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = previous;
    limit.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    for (int nId : commands)
        expectReported(nId, strOld, "dimensione massima");
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    // A device that refuses to grow, written directly and never replaced; a target that is a folder.
    for (int nId : commands)
    {
        expectReported(nId, "/dev/full", "Spazio esaurito");
        expectReported(nId, strFolder, "cartella");
    }

    // A folder without write permission holds for anyone but root.
    if (geteuid() != 0)
    {
        ASSERT_EQ(chmod(strFolder.c_str(), 0555), 0);
        for (int nId : commands)
            expectReported(nId, strFolder + "/nuovo", "Accesso negato");
        chmod(strFolder.c_str(), 0755);
    }

    // Work cancelled after its first write says nothing and leaves no file; a cancelled open keeps
    // the document.
    m_services.m_nCancelAfter = 1;
    for (int nId : commands)
    {
        const size_t nMessages = m_services.Messages().size();
        m_services.m_paths = {nId == ID_FILE_SAVE_AS ? strOld : m_scratch.Path("nuovo")};
        m_services.m_answers = {CServices::IDYES};
        ASSERT_TRUE(Run(nId));
        EXPECT_EQ(m_services.m_nProgressCalls, 1) << nId;
        EXPECT_EQ(m_services.Messages().size(), nMessages + (nId == ID_FILE_SAVE_AS)) << nId;
    }
    const int nLoads = Loads().m_nCount;
    m_services.m_paths = {Example()};
    m_services.m_saveAnswers = {CServices::saveNo};
    ASSERT_TRUE(Run(ID_FILE_OPEN));
    EXPECT_EQ(m_services.m_nProgressCalls, 1);
    EXPECT_EQ(Loads().m_nCount, nLoads);
    m_services.m_nCancelAfter = 0;

    // A load that is not finite is never written; the message names it, in UTF-8 although the
    // name is the file's Windows-1252 bytes.
    Loads().GoTo(3);
    Loads().m_pCurrent->m_dX2 = std::nan("");
    Loads().m_pCurrent->m_strName = "Zavorra \xe0 prua";
    for (int nId : commands)
    {
        const size_t nMessages = m_services.Messages().size();
        m_services.m_paths = {m_scratch.Path("nuovo")};
        ASSERT_TRUE(Run(nId));
        ASSERT_EQ(m_services.Messages().size(), nMessages + 1) << nId;
        EXPECT_NE(m_services.Messages().back().find("n. 3 «Zavorra \xc3\xa0 prua»"), std::string::npos);
    }

    EXPECT_EQ(ReadBytes(strOld), "contenuto precedente");
    EXPECT_TRUE(testsupport::FolderEntries(strFolder).empty());
    std::vector<std::string> left = testsupport::FolderEntries(m_scratch.Dir());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              std::vector<std::string>({"batch", "cartella", "esistente.p3d", "finestra", "motonave.p3d"}));
    EXPECT_EQ(Doc().GetPathName(), Example());
}

// Long work on a file shows its progress window, whose "Annulla" stops it; short work shows none.
TEST(ProgressMonitor, ShortWorkShowsNothingAndAnnullaStopsTheNextWrite)
{
    testsupport::CScratchDir scratch;
    CFile file;
    CProgressMonitor quiet(nullptr, "Salvataggio");
    file.SetProgress(&quiet);
    file.Open(scratch.Path("breve.txt"), CFile::modeCreateWrite);
    for (int i = 0; i < 1000; ++i)
        file.Write("riga\r\n");
    EXPECT_EQ(quiet.Dialog(), nullptr);
    file.Close();

    CProgressMonitor monitor(nullptr, "Esportazione", 0);
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
