// A field that holds a file's path, typed or chosen with the open dialog.
#include "dialogs/PathField.h"

#include <QFile>
#include <QLineEdit>

#include "platform/Services.h"

std::string CPathField::Path(const QLineEdit& edit)
{
    return QFile::encodeName(edit.text().trimmed()).toStdString();
}

void CPathField::Browse(CServices& services, const SFileDialog& dialog, QLineEdit& edit)
{
    SFileDialog asked = dialog;
    asked.strInitialName = Path(edit);
    std::string strPath;
    if (services.GetOpenFileName(asked, strPath))
        edit.setText(QFile::decodeName(strPath.c_str()));
}
