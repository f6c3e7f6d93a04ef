// The results dialog.
#include "dialogs/ResultDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/DataExchange.h"
#include "model/NumberFormat.h"

const char* const CResultDlg::kUndefined = "non definito";

namespace
{
std::string FormatValue(double dValue)
{
    return std::isfinite(dValue) ? CNumberFormat::Format("%.4f", dValue) : CResultDlg::kUndefined;
}
} // namespace

CResultDlg::CResultDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Risultante e Baricentro dei Pesi"));
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    auto* pLayout = new QVBoxLayout(this);
    const auto addValue = [&](const char* pszLabel, const char* pszUnit) {
        auto* pLabel = new QLabel(QString::fromUtf8(pszLabel));
        auto* pEdit = new QLineEdit;
        pEdit->setReadOnly(true);
        pLabel->setBuddy(pEdit);
        auto* pRow = new QHBoxLayout;
        pRow->addWidget(pEdit, 1);
        pRow->addWidget(new QLabel(QString::fromUtf8(pszUnit)));
        pLayout->addWidget(pLabel);
        pLayout->addLayout(pRow);
        return pEdit;
    };
    m_editWeight = addValue("Risultante dei Carichi (Dislocamento)", "[ t ]");
    m_editXg = addValue("Baricentro dei Carichi rispetto all'Origine - Xg", "[ m ]");
    m_editYg = addValue("Baricentro dei Carichi rispetto all'Origine - Yg", "[ m ]");
    m_editZg = addValue("Baricentro dei Carichi rispetto all'Origine - Zg", "[ m ]");
    pLayout->addStretch(1);
    auto* pOk = new QPushButton(QStringLiteral("OK"));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    pLayout->addWidget(pOk, 0, Qt::AlignHCenter);
    setMinimumWidth(300);
}

void CResultDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (!pEvent->spontaneous())
        OnShowWindow();
}

void CResultDlg::OnShowWindow()
{
    m_strWeight = FormatValue(m_dWeight);
    m_strXg = FormatValue(m_dXg);
    m_strYg = FormatValue(m_dYg);
    m_strZg = FormatValue(m_dZg);
    UpdateData();
}

void CResultDlg::UpdateData()
{
    CDataExchange exchange(nullptr, false);
    exchange.Text(m_editXg, m_strXg);
    exchange.Text(m_editYg, m_strYg);
    exchange.Text(m_editZg, m_strZg);
    exchange.Text(m_editWeight, m_strWeight);
}
