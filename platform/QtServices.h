// The platform's answers: Qt's file dialogs, message boxes and printer dialogs.
#pragma once

#include <QString>

#include "platform/Services.h"

class CQtServices : public CServices
{
public:
    bool GetOpenFileName(const SFileDialog& dialog, std::string& strPath) override;
    bool GetSaveFileName(const SFileDialog& dialog, std::string& strPath) override;
    int MessageBox(const std::string& strText, int nButtons) override;
    ESaveAnswer AskSaveChanges(const std::string& strTitle) override;
    bool PrintDialog(QPrinter& printer) override;
    void PageSetupDialog(QPrinter& printer) override;
    void PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    std::unique_ptr<CFileProgress> BeginProgress(const std::string& strLabel) override;

    // "File Pesi (*.p3d)|*.p3d|Tutti i file|*.*||" as Qt's name filters: each display name followed
    // by its patterns in parentheses, unless the name already shows them.
    static QString NameFilters(const std::string& strFilter);
    // The initial name to propose: a pattern such as "*.p3d" proposes nothing.
    static QString InitialName(const std::string& strInitialName);
};
