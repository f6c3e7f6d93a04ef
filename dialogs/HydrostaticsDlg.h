// The curves of form in a window: a hull table read, the hydrostatics at its drafts or over a range
// in a grid and as curves beside it, printing and the CSV export.
#pragma once

#include <QDialog>
#include <string>

#include "model/CurvesOfForm.h"

class CCurvesOfFormWnd;
class CServices;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;

class CHydrostaticsDlg : public QDialog
{
    Q_OBJECT

public:
    // The services and the printer must outlive the window.
    CHydrostaticsDlg(CServices& services, QPrinter& printer, QWidget* pParent = nullptr);
    ~CHydrostaticsDlg() override;

    // Draws the curves on a page of printer under a title line; false, after saying why, when the
    // printer cannot start or there is nothing to print.
    bool PrintTo(QPrinter& printer);

    const CCurvesOfForm& Curves() const { return m_curves; }

    QLineEdit* m_editHull;
    QPushButton* m_btnBrowse;
    QLineEdit* m_editDensity;
    QLineEdit* m_editFrom;
    QLineEdit* m_editTo;
    QLineEdit* m_editStep;
    QPushButton* m_btnCompute;
    QLabel* m_labelMessage;
    QTableWidget* m_gridCurves;
    CCurvesOfFormWnd* m_wndCurves;
    QPushButton* m_btnPrint;
    QPushButton* m_btnExport;

private:
    void OnBrowseHull();
    void OnCompute();
    void OnFilePrint();
    void OnExportCurvesCsv();

    // Fills the grid and the curves from m_curves, or empties them.
    void UpdateCurves();
    void Refuse(const std::string& strText);

    CServices& m_services;
    QPrinter& m_printer;
    CCurvesOfForm m_curves;
    // The table's name and the density of the curves shown, for the printed title.
    std::string m_strTitle;
};
