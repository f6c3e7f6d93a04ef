// The plain exports: the set's cursor, p(x) from ValueAt and every S_k from PartialSumAt, step by step.
#include "LiteralExports.h"

#include <cmath>

#include "document/DxfFile.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "view/Vector3.h"

namespace
{
constexpr double e = 1e-6;

// Leaves the set's cursor on the start of band k and returns it.
double FindStart(CLoadList& list, int k)
{
    CAbscissaSet& set = list.m_abscissae;
    set.First();
    while (list.PartialSumAt(k, set.m_pCurrent->m_dX + e) ==
           list.PartialSumAt(k - 1, set.m_pCurrent->m_dX + e))
    {
        if (!set.Next())
            break;
    }
    return set.m_pCurrent->m_dX;
}

void DrawBand(CLoadList& list, CDxfFile& file, int k)
{
    CAbscissaSet& set = list.m_abscissae;
    auto S = [&](int n, double x) { return list.PartialSumAt(n, x); };
    const double s = FindStart(list, k);
    if (S(k - 1, s + e) > S(k, s - e))
        file.WriteLine(CVector3(s, S(k, s + e)), CVector3(s, S(k - 1, s + e)), k);
    else
        file.WriteLine(CVector3(s, S(k - 1, s + e)), CVector3(s, S(k, s + e)), k);
    for (double x = s; S(k, x + e) != S(k - 1, x + e) && set.Next();)
    {
        const double xn = set.m_pCurrent->m_dX;
        file.WriteLine(CVector3(x, S(k, x + e)), CVector3(xn, S(k, xn - e)), k);
        if (S(k - 1, xn + e) > S(k, xn - e))
            file.WriteLine(CVector3(xn, S(k, xn + e)), CVector3(xn, S(k - 1, xn + e)), k);
        else if (S(k - 1, xn - e) > S(k, xn + e))
            file.WriteLine(CVector3(xn, S(k, xn - e)), CVector3(xn, S(k - 1, xn - e)), k);
        else
            file.WriteLine(CVector3(xn, S(k, xn - e)), CVector3(xn, S(k, xn + e)), k);
        x = xn;
    }
}

void LabelBand(CLoadList& list, CDxfFile& file, int k, CVector3& anchor)
{
    CAbscissaSet& set = list.m_abscissae;
    auto S = [&](int n, double x) { return list.PartialSumAt(n, x); };
    double a = FindStart(list, k);
    list.GoTo(k);
    const double dEnd = list.m_pCurrent->m_dX2;
    for (double c = a; c < dEnd && set.Next();)
    {
        c = set.m_pCurrent->m_dX;
        if (c == dEnd || S(k - 1, c + e) >= S(k, c - e) || S(k - 1, c - e) >= S(k, c + e))
        {
            const double u = (c + a) * 0.5, lo = S(k - 1, u + e), hi = S(k, u + e);
            anchor.Set(u, lo + (hi - lo) * 0.3);
            file.WriteText(CNumberFormat::Format("%i", k), anchor,
                           Smaller(std::fabs((hi - lo) * 0.3), std::fabs((c - a) * 0.3)), k);
            a = c;
        }
    }
}
} // namespace

void CLiteralExports::ResultantTable(CLoadList& list, CFile& file, char chSeparator)
{
    list.RebuildAbscissae();
    const std::string strSeparator(1, chSeparator);
    file.Write(list.m_strFileName + "\r\nDati risultante tabulati con punti di discontinuit\xE0\r\nX[m]" +
               strSeparator + "P[t/m]\r\n");
    CAbscissaSet& set = list.m_abscissae;
    set.First();
    for (int i = 1; i <= set.m_nCount; ++i, set.Next())
    {
        const double x = set.m_pCurrent->m_dX;
        const std::string strX = CNumberFormat::Format("%.8G", x);
        file.Write(strX + strSeparator + CNumberFormat::Format("%.8G", list.ValueAt(x - e)) + "\r\n" + strX +
                   strSeparator + CNumberFormat::Format("%.8G", list.ValueAt(x + e)) + "\r\n");
    }
}

void CLiteralExports::ResultantDxf(CLoadList& list, CDxfFile& file)
{
    list.RebuildAbscissae();
    CAbscissaSet& set = list.m_abscissae;
    file.WriteHeader();
    if (set.m_nCount > 0)
    {
        set.First();
        CVector3 a(set.m_pCurrent->m_dX, list.ValueAt(set.m_pCurrent->m_dX - e)), b;
        for (int i = 1; i < set.m_nCount; ++i)
        {
            b.Set(set.m_pCurrent->m_dX, list.ValueAt(set.m_pCurrent->m_dX + e));
            file.WriteLine(a, b);
            set.Next();
            a.Set(set.m_pCurrent->m_dX, list.ValueAt(set.m_pCurrent->m_dX - e));
            file.WriteLine(a, b);
        }
        b.Set(set.m_pCurrent->m_dX, list.ValueAt(set.m_pCurrent->m_dX + e));
        file.WriteLine(a, b);
    }
    file.WriteFooter();
}

void CLiteralExports::DetailedDxf(CLoadList& list, CDxfFile& file)
{
    list.RebuildAbscissae();
    CAbscissaSet& set = list.m_abscissae;
    const double h = (set.Max() - set.Min()) / 40;
    CVector3 anchor(set.Max() + h, 0);
    file.WriteHeader();
    for (int k = 1; k <= list.m_nCount; ++k)
    {
        if (set.m_nCount > 0)
            DrawBand(list, file, k);
        list.GoTo(k);
        file.WriteText(CNumberFormat::Format("%i", k) + " - " + list.m_pCurrent->m_strName, anchor, h, k);
        anchor.Set(anchor.GetX(), anchor.GetY() + 1.5 * h);
    }
    for (int k = 1; set.m_nCount > 0 && k <= list.m_nCount; ++k)
        LabelBand(list, file, k, anchor);
    file.WriteFooter();
}
