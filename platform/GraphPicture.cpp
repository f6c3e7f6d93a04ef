// The graph of a load list as a PNG, SVG or PDF picture.
#include "platform/GraphPicture.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "platform/QtSurface.h"
#include "view/CurvesOfFormPlot.h"
#include "view/StrengthPlot.h"
#include "view/Viewport.h"

namespace
{
// Pictures are laid out at the pixel size of a common screen; a PDF page is that size on paper and
// is drawn at a printer's resolution.
constexpr int kPictureDpi = 96;
constexpr int kPdfDpi = 300;

std::string Lowered(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return str;
}

bool EndsWith(const std::string& str, const std::string& strEnd)
{
    return str.size() >= strEnd.size() && str.compare(str.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
}
} // namespace

CGraphPicture::CGraphPicture(CLoadList& list) : m_list(list) {}

CGraphPicture::~CGraphPicture() = default;

CGraphPicture::EFormat CGraphPicture::FormatOf(const std::string& strPath)
{
    const std::string strLower = Lowered(strPath);
    if (EndsWith(strLower, ".png"))
        return formatPng;
    if (EndsWith(strLower, ".svg"))
        return formatSvg;
    if (EndsWith(strLower, ".pdf"))
        return formatPdf;
    return formatNone;
}

void CGraphPicture::Render(QPainter& painter, const SRect& rcDevice)
{
    CQtSurface surface(painter, m_nScreenDpiY);
    if (m_pStrength)
    {
        CStrengthPlot(*m_pStrength).Draw(surface, rcDevice);
        return;
    }
    if (m_pCurves)
    {
        CCurvesOfFormPlot(*m_pCurves).Draw(surface, rcDevice);
        return;
    }
    CViewport viewport;
    viewport.m_rcDevice = rcDevice;
    CGraphPass pass(m_list, viewport);
    int nMode = m_nMode;
    pass.Draw(surface, nMode, m_nSelected, true);
}

void CGraphPicture::Render(QImage& image)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(painter, SRect{0, 0, image.width(), image.height()});
}

bool CGraphPicture::Write(const std::string& strPath, std::string& strError)
{
    const EFormat format = FormatOf(strPath);
    if (format == formatNone)
    {
        strError = strPath + ": not a picture name (.png, .svg or .pdf)";
        return false;
    }
    if (m_nWidth <= 0 || m_nHeight <= 0)
    {
        strError = strPath + ": the picture has no size";
        return false;
    }
    QSaveFile file(QFile::decodeName(strPath.c_str()));
    if (!file.open(QIODevice::WriteOnly))
    {
        strError = strPath + ": " + file.errorString().toStdString();
        return false;
    }

    bool bDrawn = true;
    QString strCause;
    if (format == formatPng)
    {
        QImage image(m_nWidth, m_nHeight, QImage::Format_RGB32);
        if (image.isNull())
        {
            strError = strPath + ": not enough memory for a picture of that size";
            return false;
        }
        Render(image);
        QImageWriter writer(&file, "png");
        bDrawn = writer.write(image);
        strCause = writer.errorString();
    }
    else if (format == formatSvg)
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(QSize(m_nWidth, m_nHeight));
        generator.setViewBox(QRect(0, 0, m_nWidth, m_nHeight));
        generator.setResolution(kPictureDpi);
        generator.setTitle(QStringLiteral("Scafometro"));
        QPainter painter;
        bDrawn = painter.begin(&generator);
        if (bDrawn)
        {
            painter.fillRect(QRect(0, 0, m_nWidth, m_nHeight), Qt::white);
            Render(painter, SRect{0, 0, m_nWidth, m_nHeight});
            bDrawn = painter.end();
        }
    }
    else
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDpi);
        writer.setPageSize(QPageSize(QSizeF(m_nWidth * 25.4 / kPictureDpi, m_nHeight * 25.4 / kPictureDpi),
                                     QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("Scafometro"));
        QPainter painter;
        bDrawn = painter.begin(&writer);
        if (bDrawn)
        {
            // As when printing: the graph fills the page, measured in the device's own pixels.
            Render(painter, SRect{0, 0, writer.width(), writer.height()});
            bDrawn = painter.end();
        }
    }

    if (!bDrawn || file.error() != QFileDevice::NoError)
    {
        const QString strReason = file.error() != QFileDevice::NoError ? file.errorString() : strCause;
        strError =
            strPath + ": " +
            (strReason.isEmpty() ? std::string("the picture could not be drawn") : strReason.toStdString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
    {
        strError = strPath + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}
