// The program as the dialogs' tests meet it: the application started with a new document, its
// main window shown offscreen, message boxes answered by CRecordingServices, and helpers that
// act as a user with real mouse and key events.
#pragma once

#include <QImage>
#include <QPoint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "RecordingServices.h"
#include "app/ScafometroApp.h"

class CLoad;
class CLoadListDlg;
class CQtListBox;
class CScafometroDoc;
class CScafometroView;
class QAbstractButton;
class QLineEdit;
class QWidget;

class CDialogFixture : public ::testing::Test
{
public:
    static bool Activate(QWidget* pWindow);

protected:
    void SetUp() override;
    void TearDown() override;

    CScafometroDoc& Doc();
    CScafometroView& View();
    // Runs a command through its menu action, as the user's click on it would.
    void Run(int nId);
    // Appends a load to the document, as a file would have brought it.
    void AddLoad(const std::string& strName, double dWeight, double dX1, double dX2, double dXgRel,
                 double dYg = 0, double dZg = 0);
    CLoad& Load(int n);
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

    CRecordingServices m_services;
    std::unique_ptr<CScafometroApp> m_pApp;
};
