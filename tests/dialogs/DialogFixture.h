// The program as the dialogs' tests meet it: the application started with a new document, its
// main window shown offscreen, message boxes answered from a queue, and helpers that act as a user
// with real mouse and key events.
#pragma once

#include <QImage>
#include <QPoint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "TestServices.h"
#include "app/ScafometroApp.h"
#include "document/ScafometroDoc.h"
#include "view/ScafometroView.h"

class CLoadListDlg;
class CMSFlexGrid;
class CQtListBox;
class QAbstractButton;
class QLineEdit;
class QWidget;

// Also keeps the buttons the last message box offered.
class CDialogServices : public CTestServices
{
public:
    int MessageBox(const std::string& strText, int nButtons) override
    {
        m_nLastButtons = nButtons;
        return CTestServices::MessageBox(strText, nButtons);
    }
    int m_nLastButtons = 0;
};

class CDialogFixture : public ::testing::Test
{
public:
    static bool Activate(QWidget* pWindow);
    static void ClickCell(CMSFlexGrid& grid, int nRow, int nCol, Qt::MouseButton button = Qt::LeftButton);

protected:
    void SetUp() override;
    void TearDown() override;

    CScafometroDoc& Doc() { return m_pApp->Document(); }
    CScafometroView& View() { return m_pApp->View(); }
    // Runs a command through its menu action, as the user's click on it would.
    void Run(int nId);
    // Appends a load to the document, as a file would have brought it.
    void AddLoad(const std::string& strName, double dWeight, double dX1, double dX2, double dXgRel,
                 double dYg = 0, double dZg = 0);
    CLoad& Load(int n) { return *Doc().m_listLoads.Loads().at(static_cast<size_t>(n - 1)); }
    std::vector<std::string> Names();
    // Opens the loads list and makes it the active window.
    CLoadListDlg& OpenLoadList(int nCommand = 32771);

    // The user's actions.
    static void Click(QAbstractButton* pButton);
    static void SelectLine(CQtListBox* pList, int nIndex);
    static std::vector<std::string> Lines(const CQtListBox* pList);
    // Clicks into the edit, replaces its text by typing and leaves it with Tab.
    static void Type(QLineEdit* pEdit, const std::string& strText, bool bLeave = true);
    // Runs answer on the next modal dialog as soon as start has opened it.
    static void WithModal(const std::function<void()>& start, const std::function<void(QWidget*)>& answer);

    // The view as it shows now, painted anew when it has been invalidated.
    QImage Painted();
    // Pixels of the colour within radius of a point of the picture.
    static int CountColour(const QImage& image, QRgb colour, QPoint pt = QPoint(), int nRadius = -1);
    QPoint DevicePoint(double x, double y);

    CDialogServices m_services;
    std::unique_ptr<CScafometroApp> m_pApp;
};
