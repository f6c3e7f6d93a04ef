// Labels that name the field beside them, for a screen reader and for their mnemonic.
#pragma once

class QBoxLayout;
class QGridLayout;
class QLabel;
class QWidget;

class CBuddyLabel
{
public:
    // A label (UTF-8, with its mnemonic) naming pField.
    static QLabel* For(const char* pszText, QWidget* pField);
    // The label, then the field, at the end of pRow; the field takes nStretch of the row's room.
    static void AddField(QBoxLayout* pRow, const char* pszText, QWidget* pField, int nStretch = 0);
    // The label in nColumn of row nRow of pGrid, the field in the column after it.
    static void AddRow(QGridLayout* pGrid, int nRow, const char* pszText, QWidget* pField, int nColumn = 0);
};
