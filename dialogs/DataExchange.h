// One exchange between a dialog's controls and its members, in the order the dialog makes its
// calls. Reading stops at the first field that does not hold a finite number: the user is told,
// that field gets the focus, and it and the members after it keep their values.
#pragma once

#include <string>

class CServices;
class QButtonGroup;
class QLineEdit;

class CDataExchange
{
public:
    // The prompt for a field that holds no number.
    static const char* const kNotANumber;

    // pServices answers the prompt; none leaves the refusal silent.
    CDataExchange(CServices* pServices, bool bSaveAndValidate);
    virtual ~CDataExchange() = default;

    void Text(QLineEdit* pEdit, double& dValue);
    // Texts are Windows-1252, as the model holds them.
    void Text(QLineEdit* pEdit, std::string& strValue);
    // The index of the checked button of the group, -1 for none.
    void Radio(QButtonGroup* pGroup, int& nIndex);

    bool Failed() const { return m_bFailed; }

    const bool m_bSaveAndValidate;

private:
    CServices* m_pServices;
    bool m_bFailed = false;
};
