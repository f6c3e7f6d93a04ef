// The detailed graph on a raster image draws each outline only where its load raises it: the pixels
// must be those of every outline drawn whole, whatever the window, on random estimates.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>
#include <random>

#include "model/LoadList.h"
#include "platform/QtSurface.h"
#include "view/GraphPass.h"
#include "view/Viewport.h"

namespace
{
// The Qt surface with every line kept: what the drawing does where lines cannot be left out.
class CEveryLineSurface : public CQtSurface
{
public:
    using CQtSurface::CQtSurface;
    bool RedrawsLinesAlike() override { return false; }
};

QImage Render(CLoadList& list, const CWorldWindow& window, int nMode, bool bEveryLine)
{
    QImage image(500, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const std::unique_ptr<CQtSurface> pSurface(bEveryLine ? new CEveryLineSurface(painter, 96)
                                                          : new CQtSurface(painter, 96));
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, image.width(), image.height()};
    viewport.m_window = window;
    CGraphPass(list, viewport).Draw(*pSurface, nMode, 3, false);
    pSurface->Flush();
    return image;
}
} // namespace

TEST(DetailedPixels, OnlyTheRaisedPartsGiveEveryOutlinesPixels)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> along(0, 100);
    // The fitted window, one zoomed in so that lines leave the image, one far off.
    const double windows[][4] = {{-5, -20, 110, 400}, {30, 5, 45, 60}, {1e5, 1e5, 2e5, 3e5}};
    for (int nCase = 0; nCase < 6; ++nCase)
    {
        CLoadList list;
        for (int i = 0; i < 40 + 60 * nCase; ++i)
        {
            const double x = along(rng);
            const double dLength = nCase % 2 ? 0.5 + along(rng) / 20 : along(rng) / 2;
            const double dWeight = (i % 9 == 0 ? -1 : 1) * (1 + along(rng));
            list.Append("c", dLength * along(rng) / 100, x, x + dLength, dWeight);
        }
        list.RebuildAbscissae();
        for (const auto& w : windows)
        {
            CWorldWindow window;
            window.Set(w[0], w[1], w[2], w[3]);
            for (int nMode : {CGraphPass::modeDetailed, CGraphPass::modeLoadInWhole})
            {
                const QImage partial = Render(list, window, nMode, false);
                const QImage whole = Render(list, window, nMode, true);
                ASSERT_EQ(partial, whole) << "case " << nCase << ", window from x " << window.m_dXMin;
            }
        }
    }
}
