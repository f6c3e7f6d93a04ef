// Command handlers of one target.
#include "platform/CmdTarget.h"

#include <utility>

bool CCmdTarget::OnCmdMsg(int nId)
{
    const auto handler = m_handlers.find(nId);
    if (handler == m_handlers.end())
        return false;
    // The handler may replace the maps' entries (a dialog created on first use): run a copy.
    const std::function<void()> run = handler->second;
    run();
    return true;
}

bool CCmdTarget::OnUpdateCmdUI(int nId, CCmdUI& ui)
{
    if (!Handles(nId))
        return false;
    const auto update = m_updates.find(nId);
    if (update != m_updates.end())
        update->second(ui);
    return true;
}

void CCmdTarget::OnCommand(int nId, std::function<void()> handler)
{
    m_handlers[nId] = std::move(handler);
}

void CCmdTarget::OnUpdateCommand(int nId, std::function<void(CCmdUI&)> update)
{
    m_updates[nId] = std::move(update);
}
