// The import of loads from a spreadsheet: a table of seven columns pasted from the clipboard into
// a grid, where single cells can be corrected and decimal commas turned into points.
#pragma once

#include <QDialog>
#include <string>

class CMSFlexGrid;
class CServices;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

class CClipboardImportDlg : public QDialog
{
    Q_OBJECT

public:
    static const char* const kInstructions[3];
    // A paste of more rows is refused: the grid keeps every cell as a widget item.
    static const int kMaxRows = 100000;

    explicit CClipboardImportDlg(CServices& services, QWidget* pParent = nullptr);

    // What OK hands over to be imported: the grid's data rows as they showed when OK was
    // pressed, corrections included; empty when nothing was pasted.
    const std::string& ImportText() const { return m_strImport; }

    CMSFlexGrid* Grid() const { return m_grid; }
    QLineEdit* CellEdit() const { return m_editCell; }
    QPushButton* ConvertButton() const { return m_btnConvert; }

public slots:
    void accept() override;

private:
    void OnPaste();
    void OnCopy();
    void OnConvertCommas();
    void OnSelChangeGrid();
    void OnChangeEditCell();
    void OnMouseDownGrid(int nButton, int nShift, int x, int y);
    void TrackPopupMenu(int x, int y);

    QLineEdit* m_editCell;
    CMSFlexGrid* m_grid;
    int m_nPrevRow = -1;
    int m_nPrevCol = -1;
    QPushButton* m_btnConvert;
    // The grid's popup menu and its items.
    QMenu* m_menuGrid;
    QAction* m_actionCopy;
    QAction* m_actionPaste;
    QAction* m_actionConvert;

    CServices& m_services;
    bool m_bPasted = false;
    std::string m_strImport;
};
