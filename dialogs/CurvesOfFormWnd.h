// The curves of form in a window, painted through the abstract surface at the window's size.
#pragma once

#include <QWidget>

class CCurvesOfForm;

class CCurvesOfFormWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CCurvesOfFormWnd(QWidget* pParent = nullptr);

    // The curves to draw, which must outlive the window or be replaced; none draws an empty window.
    void SetCurves(const CCurvesOfForm* pCurves);

    // Whether the last paint drew the curves (false without them or without room).
    bool IsDrawn() const { return m_bDrawn; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bDrawn = false;
    const CCurvesOfForm* m_pCurves = nullptr;
};
