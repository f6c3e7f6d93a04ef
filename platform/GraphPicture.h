// The graph of a load list as a picture (PNG, SVG or PDF), drawn by the view's drawing pass with the
// automatic fit: what the batch tool's plot command writes.
#pragma once

#include <string>

#include "view/GraphPass.h"
#include "view/Surface.h"

class CCurvesOfForm;
class CLoadList;
class CStrengthResult;
class QImage;
class QPainter;

class CGraphPicture
{
public:
    enum EFormat
    {
        formatNone,
        formatPng,
        formatSvg,
        formatPdf,
    };

    explicit CGraphPicture(CLoadList& list);
    virtual ~CGraphPicture();

    // The format named by the path's extension, in any case; formatNone for any other.
    static EFormat FormatOf(const std::string& strPath);

    // Clears the image to white and draws the graph over all of it.
    void Render(QImage& image);
    // Draws the graph over the device rectangle of an active painter.
    void Render(QPainter& painter, const SRect& rcDevice);
    // Writes the picture of m_nWidth x m_nHeight pixels to the path, in the format of its
    // extension, through a temporary file that replaces the target only once complete. False, with
    // the target untouched and strError naming the file and the cause, on failure.
    bool Write(const std::string& strPath, std::string& strError);

    int m_nMode = CGraphPass::modeResultant;
    // The selected load's position, 0 for none.
    int m_nSelected = 0;
    int m_nWidth = 1200;
    int m_nHeight = 800;
    // The screen on which the label font's point size is measured.
    int m_nScreenDpiY = 96;
    // When set, the picture shows the hull girder's strength panels instead of the list's graph.
    const CStrengthResult* m_pStrength = nullptr;
    // When set, the picture shows the curves of form instead.
    const CCurvesOfForm* m_pCurves = nullptr;

private:
    CGraphPicture(const CGraphPicture&) = delete;
    CGraphPicture& operator=(const CGraphPicture&) = delete;

    CLoadList& m_list;
};
