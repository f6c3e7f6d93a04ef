// An object that carries out numbered commands. The frame offers each command to the view, the
// document, itself and the application in turn; a command that none of them maps is disabled.
#pragma once

#include <functional>
#include <map>

#include "platform/CmdUI.h"

class CCmdTarget
{
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of nId; false when this target has none.
    bool OnCmdMsg(int nId);
    // Whether this target handles nId; if so, ui holds the state its update handler sets (enabled
    // and unchecked when it has none).
    bool OnUpdateCmdUI(int nId, CCmdUI& ui);
    bool Handles(int nId) const { return m_handlers.count(nId) != 0; }

protected:
    void OnCommand(int nId, std::function<void()> handler);
    void OnUpdateCommand(int nId, std::function<void(CCmdUI&)> update);

private:
    std::map<int, std::function<void()>> m_handlers;
    std::map<int, std::function<void(CCmdUI&)>> m_updates;
};
