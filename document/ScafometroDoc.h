// The program's one document: the weight estimate in a ".p3d" file, with the commands that import,
// merge and export it.
#pragma once

#include <QUndoStack>
#include <functional>
#include <string>

#include "dialogs/BonjeanDlg.h"
#include "document/LoadsCommand.h"
#include "model/LoadList.h"
#include "platform/CommandIds.h"
#include "platform/Document.h"

class CFile;

class CScafometroDoc : public CDocument
{
public:
    // The views' update hint of a change of the loads, after which the dialogs stay open; 0 is a
    // change of the whole document.
    static constexpr int hintLoads = 1;

    explicit CScafometroDoc(CServices& services);
    ~CScafometroDoc() override;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& strPath) override;
    bool OnSaveDocument(const std::string& strPath) override;
    void Serialize(CFile& file, bool bStoring) override;

    // The position of the first load holding a number that is not finite, 0 when there is none.
    int FindNonFiniteLoad();

    // Every change to the loads is a step on the undo stack: the nCount loads from nFirst become
    // those of after. The document is marked modified and the views are updated with hintLoads.
    void ChangeLoads(int nFirst, int nCount, CLoadsCommand::Loads_t after, const std::string& strText);
    // The changes made between these two are one step, and the views are updated once, at the end.
    void BeginChange(const std::string& strText);
    void EndChange();

    void OnEditUndo();
    void OnEditRedo();
    // The estimate's loads to the clipboard as a spreadsheet's table, and rows of such a table
    // appended as loads.
    void OnEditCopy();
    void OnEditPaste();

    void OnImportOldFormat();
    void OnInsertAllLoads();
    void OnInsertEquivalentLoad();
    void OnExportLoadsTxt();
    void OnExportResultantTxt();
    void OnExportResultantCsv();
    void OnExportResultantDxf();
    void OnExportDetailedDxf();
    void OnViewBonjean();

    CLoadList m_listLoads;
    CBonjeanDlg m_dlgBonjean;
    QUndoStack m_undoStack;

protected:
    std::string ProposedSaveName() const override;
    bool MustAskName() const override;

private:
    // Asks for the target with a save dialog and writes it through write; nothing is written
    // when the user cancels, when a load is not finite or when the file fails.
    void Export(const SFileDialog& dialog, CFile& file, const std::function<void()>& write);
    void InsertFrom(bool bAll);
    // False, after saying which load and that nothing was written, when a load is not finite.
    bool CheckFinite();
    // Puts the change on the undo stack, marks the document and, outside a step of several
    // changes, updates the views.
    void Push(std::unique_ptr<CLoadsCommand> pCommand);
    // The whole list changed in place from before: the change goes on the undo stack.
    void RecordChange(CLoadsCommand::SState before, const std::string& strText);
    void LoadsChanged();

    int m_nChangeDepth = 0;

    // Set by the ".p" import: the loads are no longer those of the document's file, so "Salva"
    // asks for a name, proposing this one.
    std::string m_strImportedName;
};
