// The check of the loading conditions in a window: the open estimate and the conditions added to
// it checked against the permissible limits on a hull table, a row of figures per condition with
// the utilisations coloured, the envelope with the limits, the table's export and the report.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "model/HullTable.h"
#include "model/LoadingCheck.h"

class CCheckPlotWnd;
class CLoadList;
class CServices;
class CWaveLoads;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QTableWidget;

class CCheckDlg : public QDialog
{
    Q_OBJECT

public:
    // The limits file last read, under the program's settings; the hull table is the strength
    // window's.
    static const char* const kLimitsSetting;
    // Utilisations up to this are shown green, up to 100 % amber, beyond red.
    static constexpr double kComfortable = 90;

    // The list, the services and the printer must outlive the window.
    CCheckDlg(CLoadList& list, CServices& services, QPrinter& printer, QWidget* pParent = nullptr);
    ~CCheckDlg() override;

    // Forgets the check, which took in an estimate that has since changed.
    void ResetResult();
    const CLoadingCheck* Check() const { return m_pCheck.get(); }

    QLineEdit* m_editHull;
    QPushButton* m_btnBrowseHull;
    QLineEdit* m_editLimits;
    QPushButton* m_btnBrowseLimits;
    QLineEdit* m_editDensity;
    QCheckBox* m_checkWave;
    QLineEdit* m_editLength;
    QLineEdit* m_editBeam;
    QLineEdit* m_editBlock;
    QLineEdit* m_editMaterial;
    QListWidget* m_listConditions;
    QPushButton* m_btnAddCondition;
    QPushButton* m_btnAddFile;
    QPushButton* m_btnRemove;
    QPushButton* m_btnCheck;
    QLabel* m_labelMessage;
    QTableWidget* m_gridResults;
    CCheckPlotWnd* m_wndPlot;
    QPushButton* m_btnExportTable;
    QPushButton* m_btnPrint;
    QPushButton* m_btnSaveReport;

private:
    void OnBrowseHull();
    void OnBrowseLimits();
    void OnAddCondition();
    void OnAddConditionFile();
    void OnRemoveCondition();
    void OnCheck();
    void OnExportCheckCsv();
    void OnFilePrint();
    void OnSaveReportPdf();

    // Runs the slot with this window as the parent of what it asks.
    void Asking(void (CCheckDlg::*pSlot)());
    // Fills the grid, the envelope and the buttons from the check, or empties them without one.
    void UpdateResult();
    // The list's rows from m_conditions, the row nSelected selected.
    void UpdateConditions(int nSelected);
    // Reads the wave fields into m_pWave, or clears it; false after saying what is wrong.
    bool ReadWave();
    // Says strText in the window and in a message box.
    void Refuse(const std::string& strText);
    // The open estimate's name as a condition.
    std::string EstimateName() const;

    CLoadList& m_list;
    CServices& m_services;
    QPrinter& m_printer;
    // The files of each condition after the first, which is the open estimate.
    std::vector<std::vector<std::string>> m_conditions;
    // What the check holds references to, kept as long as it lives.
    CHullTable m_hull;
    std::vector<SLimitPoint> m_limits;
    std::unique_ptr<CWaveLoads> m_pWave;
    SCheckInputs m_inputs;
    std::unique_ptr<CLoadingCheck> m_pCheck;
};
