// The platform's answers: Qt's file dialogs, message boxes and printer dialogs.
#include "platform/QtServices.h"

#include "platform/ProgressMonitor.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStringList>

namespace
{
std::string ToPath(const QString& strPath)
{
    return QFile::encodeName(strPath).toStdString();
}

bool RunFileDialog(QFileDialog& dialog, const SFileDialog& request, std::string& strPath)
{
    dialog.setNameFilters(CQtServices::NameFilters(request.strFilter).split(";;"));
    dialog.setDefaultSuffix(QString::fromStdString(request.strDefaultExt));
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QString strInitial = CQtServices::InitialName(request.strInitialName);
    if (!strInitial.isEmpty())
        dialog.selectFile(strInitial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    strPath = ToPath(dialog.selectedFiles().first());
    return true;
}
} // namespace

QString CQtServices::NameFilters(const std::string& strFilter)
{
    const QStringList parts = QString::fromUtf8(strFilter.c_str()).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
    {
        const QString strName = parts[i].trimmed();
        const QString strPatterns = parts[i + 1].trimmed().replace(';', ' ');
        if (strName.isEmpty() && strPatterns.isEmpty())
            break;
        filters << (strName.contains('(') ? strName : strName + " (" + strPatterns + ")");
    }
    return filters.join(";;");
}

QString CQtServices::InitialName(const std::string& strInitialName)
{
    const QString strName = QFile::decodeName(strInitialName.c_str());
    return strName.contains('*') ? QString() : strName;
}

bool CQtServices::GetOpenFileName(const SFileDialog& request, std::string& strPath)
{
    QFileDialog dialog(m_pParent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog, request, strPath);
}

bool CQtServices::GetSaveFileName(const SFileDialog& request, std::string& strPath)
{
    QFileDialog dialog(m_pParent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    return RunFileDialog(dialog, request, strPath);
}

int CQtServices::MessageBox(const std::string& strText, int nButtons)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Scafometro"), QString::fromStdString(strText),
                    QMessageBox::Ok, m_pParent);
    if (nButtons == MB_OKCANCEL)
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    if (nButtons == MB_YESNO)
    {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}

CServices::ESaveAnswer CQtServices::AskSaveChanges(const std::string& strTitle)
{
    const QString strText =
        QStringLiteral("Salvare le modifiche a %1?").arg(QString::fromStdString(strTitle));
    const int nAnswer = QMessageBox::question(m_pParent, QStringLiteral("Scafometro"), strText,
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (nAnswer == QMessageBox::Save)
        return saveYes;
    return nAnswer == QMessageBox::Discard ? saveNo : saveCancel;
}

bool CQtServices::PrintDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_pParent);
    return dialog.exec() == QDialog::Accepted;
}

void CQtServices::PageSetupDialog(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, m_pParent);
    dialog.exec();
}

void CQtServices::PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&printer, m_pParent);
    dialog.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* pPrinter) { paint(*pPrinter); });
    dialog.resize(900, 700);
    dialog.exec();
}

std::unique_ptr<CFileProgress> CQtServices::BeginProgress(const std::string& strLabel)
{
    return std::make_unique<CProgressMonitor>(m_pParent, strLabel);
}
