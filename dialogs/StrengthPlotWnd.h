// The two panels of the hull girder's strength in a window: the weight and buoyancy above, the
// shear force and bending moment below, painted through the abstract surface at the window's size.
#pragma once

#include <QWidget>

class CStrengthResult;

class CStrengthPlotWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CStrengthPlotWnd(QWidget* pParent = nullptr);

    // The result to draw, which must outlive the window or be replaced; none draws an empty window.
    void SetResult(const CStrengthResult* pResult);

    // Whether the last paint drew the panels (false without an equilibrium or without room).
    bool IsDrawn() const { return m_bDrawn; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bDrawn = false;
    const CStrengthResult* m_pResult = nullptr;
};
