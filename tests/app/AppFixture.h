// The program as a test meets it: the application started on an optional file, its main window
// shown offscreen, the user's answers given by CTestServices, and a scratch folder.
#pragma once

#include <QImage>
#include <QPoint>
#include <QTest>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

#include "TestServices.h"
#include "TestSupport.h"
#include "app/MainFrame.h"
#include "app/ScafometroApp.h"
#include "view/ScafometroView.h"

class QAbstractButton;
class QLineEdit;

class CAppFixture : public ::testing::Test
{
public:
    // A colour the program draws with, as the image's pixels hold it.
    static QRgb Rgb(std::uint32_t crColour);

protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program as its command line would: no file, or the file given.
    void Start(const std::string& strFile = "");
    // Runs a command as the menu or toolbar would, through its action; false when it is disabled.
    bool Run(int nId);
    // Chooses the menu item of that text, in whatever menu it sits; false when none is enabled.
    bool RunMenuItem(const QString& strText);
    // Waits until the view has painted anew and returns its pixels.
    QImage Painted();
    CScafometroView& View();

    // Mouse drags on the view with real events; a move with the button held.
    void Drag(Qt::MouseButton button, QPoint from, QPoint to);
    void MoveHolding(Qt::MouseButton button, QPoint pt);
    // A turn of the mouse wheel over the view, 120 a notch.
    void Wheel(QPoint pt, int nDelta);

    // The bundled example, copied into the scratch folder: "Salva" writes back to the file that
    // was opened, and a test must never change the repository's example.
    std::string Example();
    // Runs the batch tool; returns its exit status, and its output when asked.
    static int RunCli(const std::vector<std::string>& args, std::string* pOut = nullptr,
                      std::string* pErr = nullptr);
    // Pixels of the colour within radius of a point of the picture.
    static int CountColour(const QImage& image, QRgb colour, QPoint pt = QPoint(), int nRadius = -1);
    // The first page of a PDF as pdftoppm draws it at 40 dpi, unsmoothed so that colours stay exact.
    static QImage PdfPage(const std::string& strPdf);
    // Fails when two visible labels, fields, buttons or lists of the window cover one another, as a
    // control put in a taken cell of a grid does, or when a field is no label's buddy.
    static void ExpectNoOverlaps(QWidget& window);
    // Chooses the menu item; the window it opens, shown, belonging to the main window, with no two
    // of its controls over one another and every field named by its label, for a screen reader.
    template <class TWindow>
    TWindow& OpenWindow(const QString& strItem, TWindow* (CScafometroView::*getter)() const)
    {
        EXPECT_TRUE(RunMenuItem(strItem));
        TWindow* pWindow = (View().*getter)();
        if (!pWindow)
            throw std::runtime_error("no window for " + strItem.toStdString());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pWindow));
        EXPECT_EQ(pWindow->parentWidget(), static_cast<QWidget*>(&m_pApp->Frame()));
        ExpectNoOverlaps(*pWindow);
        return *pWindow;
    }
    // Clicks the button with the next file dialog answered by the path.
    void Choose(QAbstractButton* pButton, const std::string& strPath);
    // Clicks the export button; the file written must be the batch tool's, run with those
    // arguments, "OUT" standing for its output file.
    void ExpectExportIsBatchTools(QAbstractButton* pExport, std::vector<std::string> args, int nExit = 0);
    // Clicks the print button with the printer writing a PDF; the PDF's path.
    std::string Printed(QAbstractButton* pPrint);
    // Widens the window from 900×600 to 1400×950: the panel must grow at least by that much.
    static void ExpectGrowsWithWindow(QWidget& window, QWidget& panel, QSize growth);
    // Types over a field's text.
    static void Retype(QLineEdit* pEdit, const QString& strText);
    // Clicks the button after forgetting what was asked before; the one message it gives, which
    // must belong to the button's window.
    std::string MessageOfClick(QAbstractButton* pButton);

    testsupport::CScratchDir m_scratch;
    CTestServices m_services;
    std::unique_ptr<CScafometroApp> m_pApp;
    std::string m_strExample;
};
