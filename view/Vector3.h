// A point (x, y, z): the point of all plotting and of the DXF drawings.
#pragma once

#include "view/Matrix.h"

class CVector3 : public CMatrix
{
public:
    CVector3();
    CVector3(double x, double y, double z = 0);
    // Copies are element by element: two vectors never share storage.
    CVector3(const CVector3& other);
    CVector3& operator=(const CVector3& other);

    int RowCount() const override { return 3; }
    int ColCount() const override { return 1; }

    void Set(double x, double y);
    void Set(double x, double y, double z);
    double GetX() const { return m_pElements[0]; }
    double GetY() const { return m_pElements[1]; }
    double GetZ() const { return m_pElements[2]; }
};
