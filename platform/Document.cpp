// The document of a document/view program.
#include "platform/Document.h"

#include <cerrno>
#include <filesystem>
#include <new>

#include "document/File.h"
#include "document/FileException.h"
#include "document/SafeOutput.h"
#include "platform/FileErrorText.h"

CDocument::CDocument(CServices& services) : m_services(services)
{
    OnCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    OnCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
}

CDocument::~CDocument() = default;

bool CDocument::OnNewDocument()
{
    m_strPathName.clear();
    m_strTitle = m_strDefaultTitle;
    m_bModified = false;
    emit TitleChanged();
    return true;
}

bool CDocument::OnOpenDocument(const std::string& strPath)
{
    try
    {
        const std::unique_ptr<CFileProgress> pProgress =
            m_services.BeginProgress("Lettura di «" + CFile::BareName(strPath) + "»");
        CFile file;
        file.SetProgress(pProgress.get());
        file.Open(strPath, CFile::modeRead);
        Serialize(file, false);
        file.Close();
    }
    catch (const CFileException& error)
    {
        ReportFileError(error);
        return false;
    }
    catch (const std::bad_alloc&)
    {
        ReportFileError(CFileException(strPath, "", ENOMEM));
        return false;
    }
    SetPathName(strPath);
    SetModifiedFlag(false);
    emit FileUsed(strPath);
    return true;
}

bool CDocument::OnSaveDocument(const std::string& strPath)
{
    try
    {
        const std::unique_ptr<CFileProgress> pProgress =
            m_services.BeginProgress("Salvataggio di «" + CFile::BareName(strPath) + "»");
        CFile file;
        file.SetProgress(pProgress.get());
        CSafeOutput::Write(strPath, file, [&] { Serialize(file, true); });
    }
    catch (const CFileException& error)
    {
        ReportFileError(error);
        return false;
    }
    SetModifiedFlag(false);
    emit FileUsed(strPath);
    return true;
}

bool CDocument::DoSave(const std::string& strPath)
{
    std::string strTarget = strPath;
    if (strTarget.empty() && !AskSaveName(strTarget))
        return false;
    if (!OnSaveDocument(strTarget))
        return false;
    SetPathName(strTarget);
    return true;
}

bool CDocument::AskSaveName(std::string& strTarget)
{
    SFileDialog dialog = m_fileType;
    dialog.strInitialName = ProposedSaveName();
    // Only the exports replace a file silently: the document's own replaces one when told to.
    for (;;)
    {
        if (!m_services.GetSaveFileName(dialog, strTarget))
            return false;
        std::error_code error;
        if (!std::filesystem::exists(strTarget, error) ||
            m_services.MessageBox(strTarget + " esiste già. Vuoi sostituirlo?", CServices::MB_YESNO) ==
                CServices::IDYES)
            return true;
        dialog.strInitialName = strTarget;
    }
}

bool CDocument::SaveModified()
{
    if (!m_bModified)
        return true;
    switch (m_services.AskSaveChanges(m_strTitle))
    {
    case CServices::saveCancel:
        return false;
    case CServices::saveNo:
        return true;
    case CServices::saveYes:
        break;
    }
    return DoSave(MustAskName() ? std::string() : m_strPathName);
}

void CDocument::SetModifiedFlag(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    emit TitleChanged();
}

void CDocument::SetPathName(const std::string& strPath)
{
    m_strPathName = strPath;
    m_strTitle = CFile::BareName(strPath);
    emit TitleChanged();
}

void CDocument::SetTitle(const std::string& strTitle)
{
    m_strTitle = strTitle;
    emit TitleChanged();
}

void CDocument::OnFileSave()
{
    DoSave(MustAskName() ? std::string() : m_strPathName);
}

void CDocument::OnFileSaveAs()
{
    DoSave(std::string());
}

std::string CDocument::ProposedSaveName() const
{
    if (!m_strPathName.empty())
        return m_strPathName;
    return m_strTitle + "." + m_fileType.strDefaultExt;
}

void CDocument::ReportFileError(const std::exception& error)
{
    const auto* pFileError = dynamic_cast<const CFileException*>(&error);
    // The user stopped the work: nothing to tell.
    if (pFileError && pFileError->GetErrno() == ECANCELED)
        return;
    m_services.MessageBox(pFileError ? FileErrorText(*pFileError) : std::string(error.what()),
                          CServices::MB_OK);
}
