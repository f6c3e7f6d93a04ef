// The progress of long work on a file.
#include "platform/ProgressMonitor.h"

#include <QApplication>
#include <QProgressDialog>
#include <algorithm>
#include <cerrno>
#include <climits>

#include "document/FileException.h"

CProgressMonitor::CProgressMonitor(QWidget* pParent, const std::string& strLabel, int nDelayMs)
    : m_pParent(pParent), m_strLabel(strLabel), m_nDelayMs(nDelayMs)
{
    m_started.start();
}

CProgressMonitor::~CProgressMonitor() = default;

void CProgressMonitor::OnProgress(CFile& file)
{
    const qint64 nElapsed = m_started.elapsed();
    if (nElapsed < m_nDelayMs || nElapsed - m_nLastUpdate < kIntervalMs)
        return;
    m_nLastUpdate = nElapsed;
    if (!m_pDialog)
        Show(file);
    const std::uint64_t nPosition = file.GetPosition();
    if (m_pDialog->maximum() > 0)
        m_pDialog->setValue(static_cast<int>(std::min<std::uint64_t>(nPosition >> 10, INT_MAX - 1)));
    m_pDialog->setLabelText(
        QString::fromStdString(m_strLabel) +
        QStringLiteral("\n%1 MB").arg(static_cast<double>(nPosition) / (1 << 20), 0, 'f', 1));
    // The dialog is modal: only "Annulla" and the window's own painting can run meanwhile.
    QApplication::processEvents();
    if (m_pDialog->wasCanceled())
        throw CFileException(file.GetFilePath(), "operazione annullata", ECANCELED);
}

void CProgressMonitor::Show(CFile& file)
{
    // A file being read knows its length; a file being written grows to a size nobody knows yet.
    const std::uint64_t nLength = file.IsReading() ? file.GetLength() : 0;
    const int nMaximum = static_cast<int>(std::min<std::uint64_t>(nLength >> 10, INT_MAX - 1));
    m_pDialog = std::make_unique<QProgressDialog>(QString::fromStdString(m_strLabel),
                                                  QStringLiteral("Annulla"), 0, nMaximum, m_pParent);
    m_pDialog->setWindowTitle(QStringLiteral("Scafometro"));
    m_pDialog->setWindowModality(Qt::ApplicationModal);
    m_pDialog->setMinimumDuration(0);
    m_pDialog->setAutoClose(false);
    m_pDialog->setAutoReset(false);
    m_pDialog->show();
}
