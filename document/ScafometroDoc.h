// The program's one document: the weight estimate in a ".p3d" file, with the commands that import,
// merge and export it.
#pragma once

#include <functional>
#include <string>

#include "dialogs/BonjeanDlg.h"
#include "model/LoadList.h"
#include "platform/Document.h"

class CFile;

class CScafometroDoc : public CDocument
{
public:
    enum ECommand
    {
        ID_EXPORT_LOADS_TXT = 32790,
        ID_EXPORT_RESULTANT_TXT = 32792,
        ID_EXPORT_RESULTANT_DXF = 32793,
        ID_EXPORT_DETAILED_DXF = 32796,
        ID_IMPORT_OLD_FORMAT = 32797,
        ID_INSERT_ALL_LOADS = 32798,
        ID_INSERT_EQUIVALENT_LOAD = 32799,
        ID_EXPORT_RESULTANT_CSV = 32804,
        ID_VIEW_BONJEAN = 32807,
    };

    explicit CScafometroDoc(CServices& services);
    ~CScafometroDoc() override;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& strPath) override;
    bool OnSaveDocument(const std::string& strPath) override;
    void Serialize(CFile& file, bool bStoring) override;

    // The position of the first load holding a number that is not finite, 0 when there is none.
    int FindNonFiniteLoad();

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

    // Set by the ".p" import: the loads are no longer those of the document's file, so "Salva"
    // asks for a name, proposing this one.
    std::string m_strImportedName;
};
