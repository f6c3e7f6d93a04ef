// The state a command shows in the menus and on the toolbar, set by the target that handles it.
#pragma once

class CCmdUI
{
public:
    void Enable(bool bEnable = true) { m_bEnabled = bEnable; }
    void SetCheck(bool bCheck = true)
    {
        m_bCheckable = true;
        m_bChecked = bCheck;
    }

    bool m_bEnabled = true;
    bool m_bCheckable = false;
    bool m_bChecked = false;
};
