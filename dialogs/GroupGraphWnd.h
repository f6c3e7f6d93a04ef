// The weight graph of the groups window: every load stacked, the selected group's loads last, their
// strip filled green above the resultant of all the others, fitted to the window at every paint.
#pragma once

#include <QImage>
#include <QWidget>
#include <string>

#include "view/Viewport.h"

class CLoadList;

class CGroupGraphWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CGroupGraphWnd(CLoadList& list, QWidget* pParent = nullptr);

    // The group whose loads make the strip, named as the groups are at nLevel (1 to 9); level 0
    // takes every load, and an empty name none. The graph is drawn anew at the next paint.
    void SetGroup(const std::string& strName, int nLevel);

    // The mapping of the last paint, the automatic fit of the loads to the window.
    const CViewport& GetViewport() const { return m_viewport; }
    // Whether the last paint drew the graph (not for an empty estimate).
    bool IsDrawn() const { return m_bDrawn; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    CViewport m_viewport;
    bool m_bDrawn = false;
    // Drawn into an image, whose pixels the surface sets directly for the many outlines, and shown
    // from it until the group or the size changes.
    QImage m_buffer;
    bool m_bDirty = true;
    CLoadList& m_list;
    std::string m_strGroup;
    int m_nLevel = 0;
};
