// The program's one document: its file, imports, merges and exports.
#include "document/ScafometroDoc.h"

#include <cmath>

#include "dialogs/ClipboardTable.h"
#include "dialogs/ClipboardText.h"
#include "dialogs/LoadTableImport.h"
#include "dialogs/LoadTableText.h"
#include "dialogs/Windows1252.h"
#include "document/DxfFile.h"
#include "document/File.h"
#include "document/FileException.h"

namespace
{
const SFileDialog kOldFileDialog{"File Pesi(*.p)|*.p|Tutti i file|*.*||", "p", "*.p"};
const SFileDialog kMergeDialog{"File Pesi(*.p3d)|*.p3d|", "p3d", "*.p3d"};
const SFileDialog kTextDialog{"File di testo(*.txt)|*.txt", "txt", "*.txt"};
const SFileDialog kCsvDialog{"File tabulato(*.CSV)|*.CSV", "CSV", "*.CSV"};
const SFileDialog kDxfDialog{"File grafico di scambio(*.DXF)|*.DXF", "DXF", "*.DXF"};

bool IsFinite(const CLoad& load)
{
    return std::isfinite(load.m_dWeight) && std::isfinite(load.m_dX1) && std::isfinite(load.m_dX2) &&
           std::isfinite(load.m_dXgRel) && std::isfinite(load.m_dYg) && std::isfinite(load.m_dZg);
}

std::string BaseName(const std::string& strPath)
{
    const std::string strName = CFile::BareName(strPath);
    const size_t nDot = strName.find_last_of('.');
    return nDot == std::string::npos || nDot == 0 ? strName : strName.substr(0, nDot);
}
} // namespace

CScafometroDoc::CScafometroDoc(CServices& services) : CDocument(services)
{
    m_fileType = SFileDialog{"File Pesi (*.p3d)|*.p3d|Tutti i file (*.*)|*.*||", "p3d", ""};
    m_strDefaultTitle = "Pondera";
    OnCommand(ID_EXPORT_LOADS_TXT, [this] { OnExportLoadsTxt(); });
    OnCommand(ID_EXPORT_RESULTANT_TXT, [this] { OnExportResultantTxt(); });
    OnCommand(ID_EXPORT_RESULTANT_CSV, [this] { OnExportResultantCsv(); });
    OnCommand(ID_EXPORT_RESULTANT_DXF, [this] { OnExportResultantDxf(); });
    OnCommand(ID_EXPORT_DETAILED_DXF, [this] { OnExportDetailedDxf(); });
    OnCommand(ID_IMPORT_OLD_FORMAT, [this] { OnImportOldFormat(); });
    OnCommand(ID_INSERT_ALL_LOADS, [this] { OnInsertAllLoads(); });
    OnCommand(ID_INSERT_EQUIVALENT_LOAD, [this] { OnInsertEquivalentLoad(); });
    OnCommand(ID_VIEW_BONJEAN, [this] { OnViewBonjean(); });
    OnCommand(ID_EDIT_UNDO, [this] { OnEditUndo(); });
    OnUpdateCommand(ID_EDIT_UNDO, [this](CCmdUI& ui) { ui.Enable(m_undoStack.canUndo()); });
    OnCommand(ID_EDIT_REDO, [this] { OnEditRedo(); });
    OnUpdateCommand(ID_EDIT_REDO, [this](CCmdUI& ui) { ui.Enable(m_undoStack.canRedo()); });
    OnCommand(ID_EDIT_COPY, [this] { OnEditCopy(); });
    OnUpdateCommand(ID_EDIT_COPY, [this](CCmdUI& ui) { ui.Enable(m_listLoads.m_nCount > 0); });
    OnCommand(ID_EDIT_PASTE, [this] { OnEditPaste(); });
    OnUpdateCommand(ID_EDIT_PASTE, [](CCmdUI& ui) { ui.Enable(CClipboardText().HasText()); });
}

CScafometroDoc::~CScafometroDoc() = default;

bool CScafometroDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    m_strImportedName.clear();
    m_listLoads.m_strHeader.clear();
    m_listLoads.m_strFileName.clear();
    m_listLoads.Clear();
    m_listLoads.m_abscissae.Clear();
    m_undoStack.clear();
    return true;
}

bool CScafometroDoc::OnOpenDocument(const std::string& strPath)
{
    if (!CDocument::OnOpenDocument(strPath))
        return false;
    m_strImportedName.clear();
    m_undoStack.clear();
    return true;
}

bool CScafometroDoc::OnSaveDocument(const std::string& strPath)
{
    if (!CheckFinite())
        return false;
    if (!CDocument::OnSaveDocument(strPath))
        return false;
    m_strImportedName.clear();
    return true;
}

void CScafometroDoc::Serialize(CFile& file, bool bStoring)
{
    if (bStoring)
        m_listLoads.WriteTo(file);
    else
        m_listLoads.ReadFrom(file);
}

int CScafometroDoc::FindNonFiniteLoad()
{
    int nPosition = 1;
    for (const CLoad* pLoad : m_listLoads.Loads())
    {
        if (!IsFinite(*pLoad))
            return nPosition;
        ++nPosition;
    }
    return 0;
}

bool CScafometroDoc::CheckFinite()
{
    const int nLoad = FindNonFiniteLoad();
    if (nLoad == 0)
        return true;
    // Names are the file's Windows-1252 bytes; the message is UTF-8.
    const std::string strName = CWindows1252::ToUtf8(m_listLoads.Loads()[nLoad - 1]->m_strName);
    GetServices().MessageBox("Il carico n. " + std::to_string(nLoad) + " «" + strName +
                                 "» contiene un valore non numerico o infinito.\n"
                                 "Correggerlo nell'elenco dei carichi: il file non è stato scritto.",
                             CServices::MB_OK);
    return false;
}

void CScafometroDoc::ChangeLoads(int nFirst, int nCount, CLoadsCommand::Loads_t after,
                                 const std::string& strText)
{
    CLoadsCommand::SState before = CLoadsCommand::Copy(m_listLoads, nFirst, nCount);
    CLoadsCommand::SState state{std::move(after), before.strHeader, before.strFileName};
    Push(std::make_unique<CLoadsCommand>(m_listLoads, nFirst, std::move(before), std::move(state), strText));
}

void CScafometroDoc::RecordChange(CLoadsCommand::SState before, const std::string& strText)
{
    CLoadsCommand::SState after = CLoadsCommand::Copy(m_listLoads, 1, m_listLoads.m_nCount);
    Push(std::make_unique<CLoadsCommand>(m_listLoads, 1, std::move(before), std::move(after), strText, true));
}

void CScafometroDoc::Push(std::unique_ptr<CLoadsCommand> pCommand)
{
    m_undoStack.push(pCommand.release());
    if (m_nChangeDepth == 0)
        LoadsChanged();
}

void CScafometroDoc::BeginChange(const std::string& strText)
{
    if (m_nChangeDepth++ == 0)
        m_undoStack.beginMacro(QString::fromUtf8(strText.c_str()));
}

void CScafometroDoc::EndChange()
{
    if (m_nChangeDepth <= 0 || --m_nChangeDepth > 0)
        return;
    m_undoStack.endMacro();
    LoadsChanged();
}

void CScafometroDoc::LoadsChanged()
{
    SetModifiedFlag(true);
    UpdateAllViews(hintLoads);
}

void CScafometroDoc::OnEditUndo()
{
    if (!m_undoStack.canUndo())
        return;
    m_undoStack.undo();
    LoadsChanged();
}

void CScafometroDoc::OnEditRedo()
{
    if (!m_undoStack.canRedo())
        return;
    m_undoStack.redo();
    LoadsChanged();
}

void CScafometroDoc::OnEditCopy()
{
    const std::vector<CLoad*> loads = m_listLoads.Loads();
    CClipboardText(GetServices().m_pParent)
        .SetText(CLoadTableText::Rows(std::vector<const CLoad*>(loads.begin(), loads.end())));
}

void CScafometroDoc::OnEditPaste()
{
    std::string strText;
    if (!CClipboardText(GetServices().m_pParent).GetText(strText))
        return;
    // The same table, and the same refusal, as the batch tool's import.
    CClipboardTable table;
    if (!table.Paste(strText))
    {
        GetServices().MessageBox(CClipboardTable::kBadFormat, CServices::MB_OK);
        return;
    }
    CLoadList pasted;
    const int nRows = CLoadTableImport::AppendRows(table.Rows(), pasted);
    if (nRows > 0)
        ChangeLoads(m_listLoads.m_nCount + 1, 0, std::move(CLoadsCommand::Copy(pasted, 1, nRows).loads),
                    "Incolla");
}

std::string CScafometroDoc::ProposedSaveName() const
{
    if (!m_strImportedName.empty())
        return m_strImportedName;
    return CDocument::ProposedSaveName();
}

bool CScafometroDoc::MustAskName() const
{
    return !m_strImportedName.empty() || CDocument::MustAskName();
}

void CScafometroDoc::OnImportOldFormat()
{
    std::string strPath;
    if (GetServices().GetOpenFileName(kOldFileDialog, strPath))
    {
        try
        {
            CLoadsCommand::SState before = CLoadsCommand::Copy(m_listLoads, 1, m_listLoads.m_nCount);
            CFile file(strPath, CFile::modeRead);
            m_listLoads.ReadOldFrom(file);
            file.Close();
            RecordChange(std::move(before), "Importazione da vecchio formato");
            // The loads are no longer those of the document's file: a plain save must not
            // overwrite it, and closing must not drop them silently.
            m_strImportedName = BaseName(strPath) + ".p3d";
            SetModifiedFlag(true);
            GetServices().MessageBox("Per salvare i dati nel nuovo formato usare 'Save As' dal menu 'File'",
                                     CServices::MB_OK);
        }
        catch (const CFileException& error)
        {
            ReportFileError(error);
        }
    }
    UpdateAllViews();
}

void CScafometroDoc::OnInsertAllLoads()
{
    InsertFrom(true);
}

void CScafometroDoc::OnInsertEquivalentLoad()
{
    InsertFrom(false);
}

void CScafometroDoc::InsertFrom(bool bAll)
{
    std::string strPath;
    if (GetServices().GetOpenFileName(kMergeDialog, strPath))
    {
        CLoadList other;
        try
        {
            CFile file(strPath, CFile::modeRead);
            other.ReadFrom(file);
            file.Close();
            CLoadsCommand::SState before = CLoadsCommand::Copy(m_listLoads, 1, m_listLoads.m_nCount);
            const bool bDone = bAll ? m_listLoads.InsertAll(other) : m_listLoads.InsertEquivalent(other);
            // The merged loads are not in any file yet: the step marks the document.
            if (bDone)
                RecordChange(std::move(before),
                             bAll ? "Inserimento dei carichi" : "Inserimento del carico equivalente");
            GetServices().MessageBox(bDone ? "Import eseguito" : "Import non eseguito", CServices::MB_OK);
        }
        catch (const CFileException& error)
        {
            ReportFileError(error);
        }
    }
    UpdateAllViews();
}

void CScafometroDoc::Export(const SFileDialog& dialog, CFile& file, const std::function<void()>& write)
{
    GetServices().ExportFile(dialog, file, write, [this] { return CheckFinite(); });
}

void CScafometroDoc::OnExportLoadsTxt()
{
    CFile file;
    Export(kTextDialog, file, [&] { m_listLoads.ExportLoadTable(file); });
}

void CScafometroDoc::OnExportResultantTxt()
{
    CFile file;
    Export(kTextDialog, file, [&] { m_listLoads.ExportResultantTable(file, '\t'); });
}

void CScafometroDoc::OnExportResultantCsv()
{
    CFile file;
    Export(kCsvDialog, file, [&] { m_listLoads.ExportResultantTable(file, ','); });
}

void CScafometroDoc::OnExportResultantDxf()
{
    CDxfFile file;
    Export(kDxfDialog, file, [&] { m_listLoads.ExportResultantDxf(file); });
}

void CScafometroDoc::OnExportDetailedDxf()
{
    CDxfFile file;
    Export(kDxfDialog, file, [&] { m_listLoads.ExportDetailedDxf(file); });
}

void CScafometroDoc::OnViewBonjean()
{
    // Built with the document, the dialog belongs to the main window while it shows: above it and
    // centred on it. It leaves it after, since the document outlives the window.
    const Qt::WindowFlags flags = m_dlgBonjean.windowFlags();
    m_dlgBonjean.setParent(GetServices().m_pParent, flags);
    m_dlgBonjean.exec();
    m_dlgBonjean.setParent(nullptr, flags);
}
