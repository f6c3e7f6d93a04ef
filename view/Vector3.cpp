// A point (x, y, z).
#include "view/Vector3.h"

CVector3::CVector3()
{
    m_pElements = new double[3]{0, 0, 0};
}

CVector3::CVector3(double x, double y, double z)
{
    m_pElements = new double[3]{x, y, z};
}

CVector3::CVector3(const CVector3& other) : CVector3()
{
    AssignPoint(*this, other);
}

CVector3& CVector3::operator=(const CVector3& other)
{
    AssignPoint(*this, other);
    return *this;
}

void CVector3::Set(double x, double y)
{
    Set(x, y, 0);
}

void CVector3::Set(double x, double y, double z)
{
    m_pElements[0] = x;
    m_pElements[1] = y;
    m_pElements[2] = z;
}
