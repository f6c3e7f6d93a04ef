// The hull girder's still-water strength in a window: the estimate floated on a hull table, its
// drafts, maxima and closure, the two panels of curves, printing and the CSV exports.
#pragma once

#include <QDialog>
#include <string>

#include "model/StrengthResult.h"

class CHullTable;
class CLoadList;
class CServices;
class CStrengthPlotWnd;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

class CStrengthDlg : public QDialog
{
    Q_OBJECT

public:
    // The hull table last read, under the program's settings.
    static const char* const kHullSetting;
    // Sea water, shown when the window opens [t/m³].
    static const char* const kDefaultDensity;
    // The station curve's intervals proposed after each calculation.
    static constexpr int kDefaultStations = 20;

    // Reads the hull table named in edit and remembers it for the windows that read one; false,
    // with the reason in strRefusal, when none is named or it cannot be read.
    static bool ReadHullTable(const QLineEdit& edit, CHullTable& hull, std::string& strRefusal);
    // The hull table last read by a window that reads one, empty at first.
    static QString LastHullTable();

    // The list, the services and the printer must outlive the window.
    CStrengthDlg(CLoadList& list, CServices& services, QPrinter& printer, QWidget* pParent = nullptr);
    ~CStrengthDlg() override;

    // Forgets the result, which belonged to an estimate that has since been replaced.
    void ResetResult();
    // Draws the panels and the figures on a page of printer; false, after saying why, when the
    // printer cannot start or there is nothing to print.
    bool PrintTo(QPrinter& printer);

    const CStrengthResult& Result() const { return m_result; }

    QLineEdit* m_editHull;
    QLineEdit* m_editDensity;
    QPushButton* m_btnBrowse;
    QPushButton* m_btnCompute;
    QLabel* m_labelMessage;
    QLineEdit* m_editAftDraft;
    QLineEdit* m_editFwdDraft;
    QLineEdit* m_editKg;
    QLineEdit* m_editKb;
    QLineEdit* m_editBmt;
    QLineEdit* m_editKmt;
    QLineEdit* m_editGmt;
    QLineEdit* m_editDisplacement;
    QLineEdit* m_editLcb;
    QLineEdit* m_editIterations;
    QLineEdit* m_editMaxShear;
    QLineEdit* m_editMaxShearX;
    QLineEdit* m_editMaxMoment;
    QLineEdit* m_editMaxMomentX;
    QLineEdit* m_editClosureShear;
    QLineEdit* m_editClosureMoment;
    CStrengthPlotWnd* m_wndPlot;
    QLineEdit* m_editStationsFrom;
    QLineEdit* m_editStationsTo;
    QLineEdit* m_editStationsCount;
    QPushButton* m_btnPrint;
    QPushButton* m_btnExportCurves;
    QPushButton* m_btnExportStations;

private:
    void OnBrowseHull();
    void OnCompute();
    void OnFilePrint();
    void OnExportCurvesCsv();
    void OnExportStationsCsv();

    // Shows the result's figures and panels, or empties them when there is no equilibrium.
    void UpdateResult();
    // Says strText in the window and in a message box.
    void Refuse(const std::string& strText);

    CLoadList& m_list;
    CServices& m_services;
    QPrinter& m_printer;
    CStrengthResult m_result;
};
