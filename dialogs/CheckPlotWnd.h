// The envelope of the loading conditions with the permissible limits in a window, painted through
// the abstract surface at the window's size.
#pragma once

#include <QWidget>

class CLoadingCheck;

class CCheckPlotWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CCheckPlotWnd(QWidget* pParent = nullptr);

    // The check to draw, which must outlive the window or be replaced; none draws an empty window.
    void SetCheck(const CLoadingCheck* pCheck);

    // Whether the last paint drew the panels.
    bool IsDrawn() const { return m_bDrawn; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bDrawn = false;
    const CLoadingCheck* m_pCheck = nullptr;
};
