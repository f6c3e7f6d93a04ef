// The graph view driven with the mouse: zoom box, wheel, pan, Zoom Out, Auto Zoom, resizing, the
// inverted drag figures, and printing and previewing to PDF.
#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "AppFixture.h"
#include "platform/QtSurface.h"

namespace
{
struct SWindow
{
    double dXMin, dXMax, dYMin, dYMax;
};

SWindow WindowOf(const CScafometroView& view)
{
    const CWorldWindow& w = view.GetViewport().m_window;
    return {w.m_dXMin, w.m_dXMax, w.m_dYMin, w.m_dYMax};
}

void ExpectWindow(const CScafometroView& view, const SWindow& expected, double dTolerance = 1e-9)
{
    const SWindow actual = WindowOf(view);
    EXPECT_NEAR(actual.dXMin, expected.dXMin, dTolerance);
    EXPECT_NEAR(actual.dXMax, expected.dXMax, dTolerance);
    EXPECT_NEAR(actual.dYMin, expected.dYMin, dTolerance);
    EXPECT_NEAR(actual.dYMax, expected.dYMax, dTolerance);
}

CVector3 World(const CScafometroView& view, QPoint pt)
{
    CVector3 world;
    view.GetViewport().DeviceToWorld(pt.x(), pt.y(), world);
    return world;
}

constexpr QRgb kBlack = 0xff000000;
} // namespace

using ViewTest = CAppFixture;

TEST_F(ViewTest, ZoomBoxWheelZoomOutPanAndAutoZoom)
{
    Start(Example());
    CScafometroView& view = View();
    Painted();
    const SWindow fitted = WindowOf(view);
    EXPECT_TRUE(view.IsAutoZoom());

    // A box dragged from bottom right to top left takes the corners' world ranges.
    const QPoint a(400, 300), b(150, 100);
    const CVector3 wa = World(view, a), wb = World(view, b);
    Drag(Qt::RightButton, a, b);
    EXPECT_FALSE(view.IsAutoZoom());
    ExpectWindow(view, {wb.GetX(), wa.GetX(), wa.GetY(), wb.GetY()});
    Painted();

    // One notch of the wheel takes 12 % of the width and height off each side, or adds it; a
    // high-resolution wheel's fraction of a notch zooms its share (the factor is a float). The first
    // turn follows Auto Zoom.
    ASSERT_TRUE(Run(32784));
    Painted();
    for (const int nDelta : {120, -120, 30})
    {
        const SWindow w = WindowOf(view);
        const double dX = (w.dXMax - w.dXMin) * nDelta / 1000, dY = (w.dYMax - w.dYMin) * nDelta / 1000;
        Wheel(QPoint(view.width() / 3, view.height() / 3), nDelta);
        ExpectWindow(view, {w.dXMin + dX, w.dXMax - dX, w.dYMin + dY, w.dYMax - dY},
                     1e-6 * (w.dXMax - w.dXMin));
        EXPECT_FALSE(view.IsAutoZoom());
    }
    // Zoom Out right after Auto Zoom widens the window as it stands, and the next pass keeps it.
    ASSERT_TRUE(Run(32784));
    const SWindow w = WindowOf(view);
    const double dX = (w.dXMax - w.dXMin) / 10, dY = (w.dYMax - w.dYMin) / 10;
    const SWindow widened{w.dXMin - dX, w.dXMax + dX, w.dYMin - dY, w.dYMax + dY};
    ASSERT_TRUE(Run(32783));
    ExpectWindow(view, widened, 1e-6 * (w.dXMax - w.dXMin));
    EXPECT_FALSE(view.IsAutoZoom());
    // Resizing keeps the world window and gives the graph the whole client area.
    m_pApp->Frame().resize(700, 500);
    QApplication::processEvents();
    Painted();
    ExpectWindow(view, widened, 1e-6 * (w.dXMax - w.dXMin));
    EXPECT_EQ(view.GetViewport().m_rcDevice.right, view.width());
    EXPECT_EQ(view.GetViewport().m_rcDevice.bottom, view.height());

    // A left drag moves the graph with the pointer.
    const SWindow before = WindowOf(view);
    const QPoint from(300, 300), to(400, 250);
    const CVector3 w0 = World(view, from), w1 = World(view, to);
    Drag(Qt::LeftButton, from, to);
    ExpectWindow(view, {before.dXMin + w0.GetX() - w1.GetX(), before.dXMax + w0.GetX() - w1.GetX(),
                        before.dYMin + w0.GetY() - w1.GetY(), before.dYMax + w0.GetY() - w1.GetY()});

    // Auto Zoom fits the resultant again at the next pass.
    ASSERT_TRUE(Run(32784));
    Painted();
    ExpectWindow(view, fitted);

    // A release that no press in the view began changes nothing.
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(view.IsAutoZoom());
}

TEST_F(ViewTest, DragFiguresInvertAndEraseThemselves)
{
    Start(Example());
    CScafometroView& view = View();
    const QImage clean = Painted();
    QSignalSpy passes(&view, &CScafometroView::Drawn);
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    MoveHolding(Qt::RightButton, QPoint(300, 200));
    QApplication::processEvents();
    const QImage dragging = view.grab().toImage();
    EXPECT_EQ(passes.count(), 0);
    // The box's corner pixel is inverted; the rest of the view is untouched.
    EXPECT_EQ(dragging.pixel(200, 100), ~clean.pixel(200, 100) | 0xff000000);
    EXPECT_EQ(dragging.pixel(200, 150), clean.pixel(200, 150));
    // Moving back to the press point erases the box.
    MoveHolding(Qt::RightButton, QPoint(100, 100));
    QApplication::processEvents();
    EXPECT_EQ(view.grab().toImage(), clean);

    // A wheel turn during the drag redraws the graph, before the next move or after it: the box
    // follows the pointer all the same and leaves nothing behind.
    for (const bool bPaintBetween : {true, false})
    {
        for (const QPoint& pt : {QPoint(300, 200), QPoint(100, 100)})
        {
            MoveHolding(Qt::RightButton, pt);
            Wheel(pt, pt.x() > 100 ? 120 : 0);
            if (bPaintBetween)
                view.repaint();
        }
        QImage fresh(view.size(), QImage::Format_RGB32);
        fresh.fill(view.palette().color(QPalette::Base));
        QPainter painter(&fresh);
        CQtSurface surface(painter, CQtSurface::PrimaryScreenDpiY());
        view.OnDraw(surface);
        EXPECT_EQ(Painted().convertToFormat(QImage::Format_RGB32), fresh) << bPaintBetween;
    }
}

TEST_F(ViewTest, SharpOnAHighDensityScreen)
{
    Start(Example());
    CScafometroView& view = View();
    const qreal dRatio = view.devicePixelRatioF();
    if (dRatio < 2)
        GTEST_SKIP() << "run again by its own test with QT_SCALE_FACTOR=2";
    // Lines a screen pixel wide, which a picture of the window's size scaled up would not have.
    const QImage image = Painted();
    int nThin = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2)
            nThin += image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1);
    EXPECT_GT(nThin, 100);
    // The mouse is read in the same pixels.
    const QPoint a(400, 300), b(150, 100);
    const CVector3 wa = World(view, a * dRatio), wb = World(view, b * dRatio);
    Drag(Qt::RightButton, a, b);
    ExpectWindow(view, {wb.GetX(), wa.GetX(), wa.GetY(), wb.GetY()});
}

TEST_F(ViewTest, PrintAndPreviewDrawTheGraphOnThePage)
{
    Start(Example());
    CScafometroView& view = View();
    Painted();
    m_services.m_strPrintPdf = m_scratch.Path("stampa.pdf");
    ASSERT_TRUE(Run(57607));
    const QImage page = PdfPage(m_services.m_strPrintPdf);
    ASSERT_FALSE(page.isNull());
    // The curve and the axes fill the page: ink in each half of it, and the page mostly paper.
    const int nDark = CountColour(page, kBlack);
    EXPECT_GT(CountColour(page.copy(0, 0, page.width() / 2, page.height()), kBlack), 100);
    EXPECT_GT(CountColour(page.copy(page.width() / 2, 0, page.width() / 2, page.height()), kBlack), 100);
    EXPECT_LT(nDark, page.width() * page.height() / 10);
    // Back on the screen the graph fills the client area again.
    EXPECT_EQ(view.GetViewport().m_rcDevice.right, view.width());
    EXPECT_EQ(view.GetViewport().m_rcDevice.bottom, view.height());

    m_services.m_strPreviewPdf = m_scratch.Path("anteprima.pdf");
    ASSERT_TRUE(Run(57609));
    EXPECT_GT(CountColour(PdfPage(m_services.m_strPreviewPdf), kBlack), 200);
}
