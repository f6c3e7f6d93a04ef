// The user's answers in the GUI tests: file dialogs, message boxes and printer dialogs answered from
// queues the test fills, with a record of everything asked.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Services.h"

class CTestServices : public CServices
{
public:
    struct SAsked
    {
        // "open", "save", "message", "ask-save", "print", "page-setup", "preview".
        std::string strKind;
        std::string strText;
        SFileDialog dialog;
        // The window the dialog belonged to.
        QWidget* pParent = nullptr;
        // The buttons a message box offered (CServices::MB_...).
        int nButtons = -1;
    };

    bool GetOpenFileName(const SFileDialog& dialog, std::string& strPath) override;
    bool GetSaveFileName(const SFileDialog& dialog, std::string& strPath) override;
    int MessageBox(const std::string& strText, int nButtons) override;
    ESaveAnswer AskSaveChanges(const std::string& strTitle) override;
    bool PrintDialog(QPrinter& printer) override;
    void PageSetupDialog(QPrinter& printer) override;
    void PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    // Cancels the work at its m_nCancelAfter-th read or write, when that is above 0.
    std::unique_ptr<CFileProgress> BeginProgress(const std::string& strLabel) override;

    // The messages shown, in order.
    std::vector<std::string> Messages() const;
    std::vector<std::string> Kinds() const;

    // The next file dialogs' answers: a path, or "" for cancel. An empty queue cancels.
    std::deque<std::string> m_paths;
    // The next message boxes' answers; an empty queue answers IDOK.
    std::deque<int> m_answers;
    std::deque<ESaveAnswer> m_saveAnswers;
    // A print dialog sends the pages to this PDF file; none cancels it.
    std::string m_strPrintPdf;
    // The preview draws its pages into this PDF file.
    std::string m_strPreviewPdf;
    std::vector<SAsked> m_asked;
    int m_nCancelAfter = 0;
    // The reads and writes the last watched work made.
    int m_nProgressCalls = 0;
};
