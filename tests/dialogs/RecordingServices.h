// The user's answers in the dialogs' tests: message boxes answered from a queue, with a record
// of every question; no file is chosen and nothing is printed.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "document/File.h"
#include "platform/Services.h"

class CRecordingServices : public CServices
{
public:
    struct SMessage
    {
        std::string strText;
        int nButtons;
    };

    bool GetOpenFileName(const SFileDialog&, std::string&) override { return false; }
    bool GetSaveFileName(const SFileDialog&, std::string&) override { return false; }
    int MessageBox(const std::string& strText, int nButtons) override
    {
        m_messages.push_back(SMessage{strText, nButtons});
        if (m_answers.empty())
            return IDOK;
        const int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    }
    ESaveAnswer AskSaveChanges(const std::string&) override { return saveNo; }
    bool PrintDialog(QPrinter&) override { return false; }
    void PageSetupDialog(QPrinter&) override {}
    void PrintPreview(QPrinter&, const std::function<void(QPrinter&)>&) override {}
    // Nothing here runs long enough to show progress.
    std::unique_ptr<CFileProgress> BeginProgress(const std::string&) { return nullptr; }

    // The next answers; an empty queue answers IDOK.
    std::deque<int> m_answers;
    std::vector<SMessage> m_messages;
};
