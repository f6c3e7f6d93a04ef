// The progress of long work on a file: nothing for the first second, then a window with the bytes
// done (and the share of a file being read) and "Annulla", which ends the work at the next read or
// write.
#pragma once

#include <QElapsedTimer>
#include <memory>
#include <string>

#include "document/File.h"

class QProgressDialog;
class QWidget;

class CProgressMonitor : public CFileProgress
{
public:
    static constexpr int kDelayMs = 1000;
    // The window is updated, and the user heard, at most this often.
    static constexpr int kIntervalMs = 50;

    CProgressMonitor(QWidget* pParent, const std::string& strLabel, int nDelayMs = kDelayMs);
    ~CProgressMonitor() override;

    // Throws CFileException with ECANCELED once the user has pressed "Annulla".
    void OnProgress(CFile& file) override;

    QProgressDialog* Dialog() const { return m_pDialog.get(); }

private:
    CProgressMonitor(const CProgressMonitor&) = delete;
    CProgressMonitor& operator=(const CProgressMonitor&) = delete;

    void Show(CFile& file);

    QWidget* m_pParent;
    std::string m_strLabel;
    int m_nDelayMs;
    QElapsedTimer m_started;
    qint64 m_nLastUpdate = -kIntervalMs;
    std::unique_ptr<QProgressDialog> m_pDialog;
};
