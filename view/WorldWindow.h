// The rectangle of the world that the graph shows: x in metres, y in tonnes per metre.
#pragma once

class CWorldWindow
{
public:
    CWorldWindow() = default;
    virtual ~CWorldWindow();

    // Note the order: the two minima first.
    void Set(double dXMin, double dYMin, double dXMax, double dYMax);
    void Translate(double dx, double dy);

    double m_dXMin = 0;
    double m_dXMax = 0;
    double m_dYMin = 0;
    double m_dYMax = 0;
};
