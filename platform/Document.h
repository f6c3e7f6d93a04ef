// The document of a document/view program: title, path, modified flag, new, open, save and save as
// through its serialisation, and the update of its views.
#pragma once

#include <QObject>
#include <string>

#include "platform/CmdTarget.h"
#include "platform/CommandIds.h"
#include "platform/Services.h"

class CFile;

class CDocument : public QObject, public CCmdTarget
{
    Q_OBJECT

public:
    explicit CDocument(CServices& services);
    ~CDocument() override;

    // The framework's part of "new": the contents go, the path is forgotten, the title is the
    // default one and the flag is clear. Derived documents empty their own data after calling it.
    virtual bool OnNewDocument();
    // Reads the file through Serialize; a failure is reported naming the file and the cause, and
    // the document is left as it was (a derived Serialize must not touch it before success).
    virtual bool OnOpenDocument(const std::string& strPath);
    // Writes beside the target and renames over it; a failure is reported and the target is intact.
    virtual bool OnSaveDocument(const std::string& strPath);
    // Storing writes the document to file; loading reads it from file, and throws CFileException
    // on a file it cannot read.
    virtual void Serialize(CFile& file, bool bStoring) = 0;

    // Saves under strPath, or asks for a name when it is empty; false when cancelled or failed.
    bool DoSave(const std::string& strPath);
    // Before the document is closed or replaced: asks whether to save a modified document and saves
    // it if told to. False when the user cancels or the save fails.
    bool SaveModified();

    void SetModifiedFlag(bool bModified = true);
    bool IsModified() const { return m_bModified; }
    void SetPathName(const std::string& strPath);
    const std::string& GetPathName() const { return m_strPathName; }
    void SetTitle(const std::string& strTitle);
    const std::string& GetTitle() const { return m_strTitle; }
    // Every view's update runs with the hint, which says what changed: 0 for the whole document.
    void UpdateAllViews(int nHint = 0) { emit Update(nHint); }

    CServices& GetServices() { return m_services; }

    // The open and save dialogs' filter, default extension and the title of a new document.
    SFileDialog m_fileType;
    std::string m_strDefaultTitle;

signals:
    // The title, path or modified flag changed.
    void TitleChanged();
    // The views show the document again; the hint says what changed.
    void Update(int nHint);
    // A successful open or save, with its path (the recent-file list).
    void FileUsed(const std::string& strPath);

protected:
    void OnFileSave();
    void OnFileSaveAs();
    // The name a save dialog proposes.
    virtual std::string ProposedSaveName() const;
    // Whether "Salva" must ask for a name although the document has a path.
    virtual bool MustAskName() const { return m_strPathName.empty(); }
    // Reports a failure of file access in the standard message box.
    void ReportFileError(const std::exception& error);

private:
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The save dialog for the document's file, asking before it replaces one; false when cancelled.
    bool AskSaveName(std::string& strTarget);

    CServices& m_services;
    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
};
