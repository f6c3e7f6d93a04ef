// The user's answers in the GUI tests.
#include "TestServices.h"

#include <QPrinter>
#include <cerrno>

#include "document/FileException.h"

bool CTestServices::GetOpenFileName(const SFileDialog& dialog, std::string& strPath)
{
    m_asked.push_back({"open", "", dialog, m_pParent});
    if (m_paths.empty())
        return false;
    strPath = m_paths.front();
    m_paths.pop_front();
    return !strPath.empty();
}

bool CTestServices::GetSaveFileName(const SFileDialog& dialog, std::string& strPath)
{
    m_asked.push_back({"save", "", dialog, m_pParent});
    if (m_paths.empty())
        return false;
    strPath = m_paths.front();
    m_paths.pop_front();
    return !strPath.empty();
}

int CTestServices::MessageBox(const std::string& strText, int nButtons)
{
    m_asked.push_back({"message", strText, {}, m_pParent, nButtons});
    if (m_answers.empty())
        return IDOK;
    const int nAnswer = m_answers.front();
    m_answers.pop_front();
    return nAnswer;
}

CServices::ESaveAnswer CTestServices::AskSaveChanges(const std::string& strTitle)
{
    m_asked.push_back({"ask-save", strTitle, {}, m_pParent});
    if (m_saveAnswers.empty())
        return saveCancel;
    const ESaveAnswer answer = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return answer;
}

bool CTestServices::PrintDialog(QPrinter& printer)
{
    m_asked.push_back({"print", "", {}, m_pParent});
    if (m_strPrintPdf.empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(m_strPrintPdf));
    return true;
}

void CTestServices::PageSetupDialog(QPrinter&)
{
    m_asked.push_back({"page-setup", "", {}, m_pParent});
}

void CTestServices::PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    m_asked.push_back({"preview", "", {}, m_pParent});
    if (m_strPreviewPdf.empty())
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(m_strPreviewPdf));
    paint(printer);
}

std::vector<std::string> CTestServices::Messages() const
{
    std::vector<std::string> messages;
    for (const SAsked& asked : m_asked)
    {
        if (asked.strKind == "message")
            messages.push_back(asked.strText);
    }
    return messages;
}

std::vector<std::string> CTestServices::Kinds() const
{
    std::vector<std::string> kinds;
    for (const SAsked& asked : m_asked)
        kinds.push_back(asked.strKind);
    return kinds;
}

namespace
{
class CTestProgress : public CFileProgress
{
public:
    CTestProgress(int nCancelAfter, int& nCalls) : m_nCancelAfter(nCancelAfter), m_nCalls(nCalls)
    {
        m_nCalls = 0;
    }
    void OnProgress(CFile& file) override
    {
        if (++m_nCalls == m_nCancelAfter)
            throw CFileException(file.GetFilePath(), "operazione annullata", ECANCELED);
    }

private:
    int m_nCancelAfter;
    int& m_nCalls;
};
} // namespace

std::unique_ptr<CFileProgress> CTestServices::BeginProgress(const std::string&)
{
    return std::make_unique<CTestProgress>(m_nCancelAfter, m_nProgressCalls);
}
