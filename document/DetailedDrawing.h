// The detailed DXF drawing: every load a band stacked on the loads before it, with a legend
// beside the ship and the load's number inside each piece of its band.
#pragma once

#include <string>
#include <vector>

#include "model/LoadOrdinate.h"
#include "view/Vector3.h"

class CDxfFile;
class CLoad;
class CLoadList;

class CDetailedDrawing
{
public:
    // The list's abscissae must be current: the drawing walks them as they stand.
    explicit CDetailedDrawing(CLoadList& list);
    virtual ~CDetailedDrawing();

    void WriteTo(CDxfFile& file);

private:
    CDetailedDrawing(const CDetailedDrawing&) = delete;
    CDetailedDrawing& operator=(const CDetailedDrawing&) = delete;

    struct SLabel;
    struct SBand;

    void Sweep();
    void Advance(SBand& band, size_t i);
    void StartBand(SBand& band, size_t i);
    void WalkBand(SBand& band, size_t i);
    void LabelPiece(SBand& band, size_t i);
    // Gives every label its place and height, once the sweep has found them all.
    void PlaceLabels();
    // Adds the line from (x1, y1) to (x2, y2) to the band's outline.
    void Line(SBand& band, double x1, double y1, double x2, double y2);

    CLoadList& m_list;
    std::vector<CLoad*> m_loads;
    std::vector<CLoadOrdinate> m_ordinates;
    std::vector<double> m_xs;
    std::vector<SBand> m_bands;
    // S_0 .. S_n just left and just right of the abscissa being swept.
    std::vector<double> m_left;
    std::vector<double> m_right;
    // Scratch points, so that the entities written need no points of their own.
    CVector3 m_start;
    CVector3 m_end;
};
