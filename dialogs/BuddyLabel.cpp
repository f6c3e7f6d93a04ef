// Labels that name the field beside them, for a screen reader and for their mnemonic.
#include "dialogs/BuddyLabel.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>

QLabel* CBuddyLabel::For(const char* pszText, QWidget* pField)
{
    auto* pLabel = new QLabel(QString::fromUtf8(pszText));
    pLabel->setBuddy(pField);
    return pLabel;
}

void CBuddyLabel::AddField(QBoxLayout* pRow, const char* pszText, QWidget* pField, int nStretch)
{
    pRow->addWidget(For(pszText, pField));
    pRow->addWidget(pField, nStretch);
}

void CBuddyLabel::AddRow(QGridLayout* pGrid, int nRow, const char* pszText, QWidget* pField, int nColumn)
{
    pGrid->addWidget(For(pszText, pField), nRow, nColumn);
    pGrid->addWidget(pField, nRow, nColumn + 1);
}
