// The report of a check of the loading conditions, on pages of a PDF file or a printer: the inputs,
// a row of figures per condition (red when outside the limits), the envelope drawn with the limits
// and each condition's curves on a page of its own.
#pragma once

#include <string>

class CLoadingCheck;
class QPagedPaintDevice;
struct SCheckInputs;

class CCheckReport
{
public:
    // The check and the inputs must outlive the report.
    CCheckReport(const CLoadingCheck& check, const SCheckInputs& inputs);
    virtual ~CCheckReport();

    // Draws the pages on a device that has begun no painting; false when it cannot begin.
    bool Render(QPagedPaintDevice& device) const;
    // Writes the report as an A4 PDF through a temporary file that replaces the target only once
    // complete. False, with the target untouched and strError naming the file and the cause.
    bool Write(const std::string& strPath, std::string& strError) const;

    // The screen on which the curves' label font is measured.
    int m_nScreenDpiY = 96;

private:
    CCheckReport(const CCheckReport&) = delete;
    CCheckReport& operator=(const CCheckReport&) = delete;

    const CLoadingCheck& m_check;
    const SCheckInputs& m_inputs;
};
