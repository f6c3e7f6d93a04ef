// What the load list needs of a list box to show the load names; the dialogs supply a real one.
#pragma once

#include <string>

class CListBox
{
public:
    virtual ~CListBox() = default;

    virtual void ResetContent() = 0;
    // Inserts text at index (0 = top); returns the index it took.
    virtual int InsertString(int nIndex, const std::string& strText) = 0;
    // -1 clears the selection.
    virtual void SetCurSel(int nIndex) = 0;
    virtual int GetCount() const = 0;
    virtual void SetRedraw(bool bRedraw) = 0;
    virtual void SetScrollRange(int nMin, int nMax, bool bRedraw) = 0;
};
