// The program as the dialogs' tests meet it: the application started with a new document, and
// helpers that act as a user with real mouse and key events.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <functional>
#include <string>

#include "AppFixture.h"
#include "document/ScafometroDoc.h"
#include "view/ScafometroView.h"

using Texts_t = std::vector<std::string>;

class CLoadListDlg;
class CMSFlexGrid;
class CQtListBox;
class QWidget;

class CDialogFixture : public CAppFixture
{
public:
    static bool Activate(QWidget* pWindow);
    static void ClickCell(CMSFlexGrid& grid, int nRow, int nCol, Qt::MouseButton button = Qt::LeftButton);

protected:
    void SetUp() override;

    CScafometroDoc& Doc() { return m_pApp->Document(); }
    // Appends a load to the document, as a file would have brought it.
    void AddLoad(const std::string& strName, double dWeight, double dX1, double dX2, double dXgRel,
                 double dYg = 0, double dZg = 0);
    CLoad& Load(int n) { return *Doc().m_listLoads.Loads().at(static_cast<size_t>(n - 1)); }
    // Weight, X1, X2, Xg, Yg and Zg.
    static std::vector<double> Numbers(const CLoad& load)
    {
        return {load.m_dWeight, load.m_dX1, load.m_dX2, load.m_dXgRel, load.m_dYg, load.m_dZg};
    }
    Texts_t Names();
    // Opens the loads list, its controls laid out apart, and makes it the active window.
    CLoadListDlg& OpenLoadList(int nCommand = 32771);
    // The window belongs to the main window and sits centred on it.
    void ExpectOwnedAndCentred(QWidget& window);

    // The user's actions.
    static void Click(QAbstractButton* pButton);
    static void SelectLine(CQtListBox* pList, int nIndex);
    static std::vector<std::string> Lines(const CQtListBox* pList);
    static void SetClipboard(const QString& strText) { QGuiApplication::clipboard()->setText(strText); }
    // Clicks into the edit, replaces its text by typing and leaves it with Tab.
    static void Type(QLineEdit* pEdit, const std::string& strText, bool bLeave = true);
    // Runs answer on the next modal dialog as soon as start has opened it.
    static void WithModal(const std::function<void()>& start, const std::function<void(QWidget*)>& answer);

    QPoint DevicePoint(double x, double y);
};
