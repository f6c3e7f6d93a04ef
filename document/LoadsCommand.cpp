// One change to the loads on the document's undo stack.
#include "document/LoadsCommand.h"

#include <QString>

#include "model/LoadList.h"

CLoadsCommand::SState CLoadsCommand::Copy(CLoadList& list, int nFirst, int nCount)
{
    SState state{{}, list.m_strHeader, list.m_strFileName};
    if (nCount <= 0 || !list.GoTo(nFirst))
        return state;
    state.loads.reserve(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
    {
        state.loads.push_back(Copy(*list.m_pCurrent));
        if (!list.Next())
            break;
    }
    return state;
}

std::unique_ptr<CLoad> CLoadsCommand::Copy(const CLoad& load)
{
    auto pCopy = std::make_unique<CLoad>();
    pCopy->CopyFrom(load);
    return pCopy;
}

CLoadsCommand::CLoadsCommand(CLoadList& list, int nFirst, SState before, SState after,
                             const std::string& strText, bool bDone)
    : QUndoCommand(QString::fromUtf8(strText.c_str())), m_list(list), m_nFirst(nFirst),
      m_before(std::move(before)), m_after(std::move(after)), m_bDone(bDone)
{
}

CLoadsCommand::~CLoadsCommand() = default;

void CLoadsCommand::undo()
{
    Put(m_before, m_after.loads.size());
}

void CLoadsCommand::redo()
{
    if (m_bDone)
    {
        m_bDone = false;
        return;
    }
    Put(m_after, m_before.loads.size());
}

void CLoadsCommand::Put(const SState& state, size_t nReplaced)
{
    std::vector<const CLoad*> loads;
    loads.reserve(state.loads.size());
    for (const std::unique_ptr<CLoad>& pLoad : state.loads)
        loads.push_back(pLoad.get());
    m_list.Replace(m_nFirst, static_cast<int>(nReplaced), loads);
    m_list.m_strHeader = state.strHeader;
    m_list.m_strFileName = state.strFileName;
}
