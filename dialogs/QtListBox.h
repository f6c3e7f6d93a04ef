// A Qt list box that the load list fills through the model's list-box interface. Selections set
// from code raise no notification, as only the user's choices should run the dialog's handlers.
#pragma once

#include <QListWidget>
#include <QStringList>

#include "model/ListBox.h"

class CQtListBox : public QListWidget, public CListBox
{
    Q_OBJECT

public:
    explicit CQtListBox(QWidget* pParent = nullptr);

    void ResetContent() override;
    int InsertString(int nIndex, const std::string& strText) override;
    void SetCurSel(int nIndex) override;
    int GetCount() const override;
    // While redraw is off the lines gather outside the widget and go in at once when it comes
    // back on: inserting thousands of lines one by one at the top would cost quadratic time.
    void SetRedraw(bool bRedraw) override;
    void SetScrollRange(int nMin, int nMax, bool bRedraw) override;

    // The selected line, -1 when none.
    int GetCurSel() const;
    // The text of a line, as the model holds it.
    std::string GetText(int nIndex) const;

signals:
    // The user changed the selection.
    void SelChange();

private:
    bool m_bBatch = false;
    QStringList m_batch;
    int m_nBatchSel = -1;
};
