// One load of the weight estimate: a weight spread linearly between two abscissae.
#pragma once

#include <string>

class CFile;
class CViewport;

class CLoad
{
public:
    CLoad();
    virtual ~CLoad();

    // Brings the load to its trapezoid: X1 < X2, 0 < XG relativa < X2 - X1, and derives Y1, Y2.
    void Normalize();
    // The ordinate [t/m] at x from the stored X1, X2, Y1, Y2; both ends included.
    double ValueAt(double x) const;
    // Copies every value but the links.
    void CopyFrom(const CLoad& other);

    // ".p3d" record (document/LoadFile.cpp).
    void WriteTo(CFile& file) const;
    void ReadFrom(CFile& file);
    // Old ".p" record, without YG (document/LoadOldFile.cpp).
    void ReadOldFrom(CFile& file);
    // One line of the load table export; normalises first (document/LoadExport.cpp).
    void WriteTextLine(CFile& file);
    // The load's trapezoid standing on the axis (view/LoadDraw.cpp).
    void DrawOutline(CViewport& viewport);

    double m_dZg;
    double m_dYg;
    double m_dXgRel;
    double m_dX1;
    double m_dY1;
    double m_dX2;
    double m_dY2;
    double m_dWeight;
    std::string m_strName;
    CLoad* m_pNext;
    CLoad* m_pPrev;

private:
    CLoad(const CLoad&) = delete;
    void NormalizeBeyondLargestLength();
    void NormalizeScaled(double dTwiceMean, double dShare);
    CLoad& operator=(const CLoad&) = delete;
};
