// The estimate by group in a window: a tree of the groups (level 1 opening into levels 2 and 3)
// with their loads, weight, share and centre, the total at the bottom, the graph of the group
// selected, the export of a level as CSV and the printed table.
#pragma once

#include <QDialog>

class CGroupGraphWnd;
class CLoadList;
class CServices;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class CWeightGroupsDlg : public QDialog
{
    Q_OBJECT

public:
    // The levels the tree opens into.
    static constexpr int kTreeLevels = 3;
    // The item data of a row: its level (0 for the total) and its group's name.
    static constexpr int kLevelRole = Qt::UserRole;
    static constexpr int kNameRole = Qt::UserRole + 1;

    // The list, the services and the printer must outlive the window.
    CWeightGroupsDlg(CLoadList& list, CServices& services, QPrinter& printer, QWidget* pParent = nullptr);
    ~CWeightGroupsDlg() override;

    // Sums the loads anew and fills the tree, keeping the groups that were open and the one selected.
    void Refresh();
    // Prints the rows the tree shows, and the total, on pages of printer; false, after saying why,
    // when the printer cannot start.
    bool PrintTo(QPrinter& printer);

    QTreeWidget* m_treeGroups;
    CGroupGraphWnd* m_wndGraph;
    QSpinBox* m_spinLevel;
    QPushButton* m_btnExport;
    QPushButton* m_btnPrint;

private:
    void OnSelectGroup();
    void OnExportGroupsCsv();
    void OnFilePrint();

    CLoadList& m_list;
    CServices& m_services;
    QPrinter& m_printer;
};
