// The loads list: a modeless window beside the graph that adds, deletes, renames, edits and
// reorders the document's loads, imports them from a spreadsheet, and sets the graph's mode.
// Every edit is a step the document keeps on its undo stack; the list box's selection is the
// view's selected load.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "document/LoadsCommand.h"

class CLoad;
class CLoadList;
class CQtListBox;
class CScafometroDoc;
class CScafometroView;
class CServices;
class QButtonGroup;
class QLineEdit;
class QPushButton;

class CLoadListDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CLoadListDlg(QWidget* pParent = nullptr);
    ~CLoadListDlg() override;

    void SetLoadList(CLoadList* pLoadList) { m_pLoadList = pLoadList; }
    void SetView(CScafometroView* pView) { m_pView = pView; }
    // The same as the user's change of selection: the selected load's fields show and the view
    // redraws.
    void ShowSelectedLoad();
    // Reads the fields into the members (false when one held no number) or shows the members.
    bool UpdateData(bool bSaveAndValidate = true);
    // The document changed: the list names the loads as they now are, none selected, the
    // fields empty. The dialog's own changes keep the selection they work on.
    void OnDocumentUpdate();
    // The view's mode, changed elsewhere, shows on the buttons.
    void ShowViewMode(int nMode);

    int* m_pViewMode = nullptr;
    int m_nViewMode = 0;
    CQtListBox* m_lbLoads;

    QPushButton* m_btnAddNew;
    QPushButton* m_btnDelete;
    QPushButton* m_btnMoveUp;
    QPushButton* m_btnMoveDown;
    QLineEdit* m_editName;
    QLineEdit* m_editX1;
    QLineEdit* m_editX2;
    QLineEdit* m_editWeight;
    QLineEdit* m_editXgRel;
    QLineEdit* m_editYg;
    QLineEdit* m_editZg;
    QButtonGroup* m_radioMode;
    QPushButton* m_btnApply;
    QPushButton* m_btnImport;

    static const char* const kNewLoadName;
    static const char* const kDeleteQuestion;

protected:
    void showEvent(QShowEvent* pEvent) override;
    // Leaving an edit runs its handler, as the user's move to any other control or window does.
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void OnShowWindow();
    // The loads' names in the list, none selected, the fields empty.
    void ShowNoLoad();
    void OnSelchangeListLoads();
    void OnKillfocusName();
    void OnKillfocusValue(QLineEdit* pEdit);
    void OnAddNew();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnApply();
    void OnViewMode();
    void OnImportFromClipboard();
    void OnEditCopy();

    QLineEdit* AddEdit(const char* pszLabel, const char* pszUnit);
    // The selected load with the list's cursor on it, or none when nothing is selected or the
    // selection no longer names a load.
    CLoad* SelectedLoad();
    void ShowLoad(const CLoad& load);
    CScafometroDoc* Document();
    // Hands a change of the loads to the document, which keeps it on its undo stack: the nCount
    // loads from nFirst become after. The dialog then shows the change itself.
    void Change(int nFirst, int nCount, CLoadsCommand::Loads_t after, const char* pszText);
    void Change(int nPosition, std::unique_ptr<CLoad> pAfter, const char* pszText);
    // The loads at nFirst and nFirst + 1 change places; false when there are not two.
    bool Swap(int nFirst);
    void InvalidateView();
    CServices* Services();

    CLoadList* m_pLoadList = nullptr;
    CScafometroView* m_pView = nullptr;
    // The fields as the last exchange read or showed them.
    double m_dWeight = 0;
    double m_dX1 = 0;
    double m_dX2 = 0;
    double m_dXgRel = 0;
    std::string m_strName;
    double m_dZg = 0;
    double m_dYg = 0;

    // Set while a handler runs: the focus moves it makes (to the field with no number) must not
    // run another edit's handler in the middle of it.
    bool m_bBusy = false;
    // Set while the dialog hands a change of the loads to the document.
    bool m_bChanging = false;
};
