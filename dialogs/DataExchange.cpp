// The exchange between a dialog's controls and its members.
#include "dialogs/DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include "dialogs/AnsiText.h"
#include "dialogs/EditNumber.h"
#include "platform/Services.h"

const char* const CDataExchange::kNotANumber = "Immettere un numero.";

CDataExchange::CDataExchange(CServices* pServices, bool bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pServices(pServices)
{
}

void CDataExchange::Text(QLineEdit* pEdit, double& dValue)
{
    if (m_bFailed)
        return;
    if (!m_bSaveAndValidate)
    {
        pEdit->setText(QString::fromStdString(CEditNumber::Format(dValue)));
        return;
    }
    if (CEditNumber::Parse(pEdit->text().toStdString(), dValue))
        return;
    m_bFailed = true;
    if (m_pServices)
        m_pServices->MessageBox(kNotANumber, CServices::MB_OK);
    pEdit->setFocus(Qt::OtherFocusReason);
    pEdit->selectAll();
}

void CDataExchange::Text(QLineEdit* pEdit, std::string& strValue)
{
    if (m_bFailed)
        return;
    if (m_bSaveAndValidate)
        strValue = CAnsiText::FromQString(pEdit->text());
    else
        pEdit->setText(CAnsiText::ToQString(strValue));
}

void CDataExchange::Radio(QButtonGroup* pGroup, int& nIndex)
{
    if (m_bFailed)
        return;
    if (m_bSaveAndValidate)
    {
        nIndex = pGroup->checkedId();
        return;
    }
    QAbstractButton* pButton = pGroup->button(nIndex);
    if (pButton)
    {
        pButton->setChecked(true);
        return;
    }
    // No button for the index: none checked, which an exclusive group allows only for a moment.
    pGroup->setExclusive(false);
    for (QAbstractButton* pEach : pGroup->buttons())
        pEach->setChecked(false);
    pGroup->setExclusive(true);
}
