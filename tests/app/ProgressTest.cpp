// Long work on a file shows its progress window, whose "Annulla" stops it; short work shows none.
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <cerrno>

#include "TestSupport.h"
#include "document/FileException.h"
#include "platform/ProgressMonitor.h"

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
