// One change to the loads on the document's undo stack: the loads of a range, and the list's
// texts, as they were before and as they are after, so that it can go either way.
#pragma once

#include <QUndoCommand>
#include <memory>
#include <string>
#include <vector>

#include "model/Load.h"

class CLoadList;

class CLoadsCommand : public QUndoCommand
{
public:
    using Loads_t = std::vector<std::unique_ptr<CLoad>>;
    // Loads of a range, with the header text and file name of the list they stand in.
    struct SState
    {
        Loads_t loads;
        std::string strHeader;
        std::string strFileName;
    };

    // Copies of the nCount loads from position nFirst, with the list's texts.
    static SState Copy(CLoadList& list, int nFirst, int nCount);
    static std::unique_ptr<CLoad> Copy(const CLoad& load);

    // The loads from nFirst were before and become after. bDone: the list already holds after,
    // and the first redo, which the stack runs on the push, leaves it as it is.
    CLoadsCommand(CLoadList& list, int nFirst, SState before, SState after, const std::string& strText,
                  bool bDone = false);
    ~CLoadsCommand() override;

    void undo() override;
    void redo() override;

private:
    // Puts state in place of the nReplaced loads from m_nFirst.
    void Put(const SState& state, size_t nReplaced);

    CLoadList& m_list;
    int m_nFirst;
    SState m_before;
    SState m_after;
    bool m_bDone;
};
