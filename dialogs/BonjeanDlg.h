// The Bonjean tables: a grid of sectional areas and one of their moments, each with an edit above
// it that shows and types the selected cell. The tables live only while the dialog is open.
#pragma once

#include <QDialog>

class CMSFlexGrid;
class QLineEdit;

class CBonjeanDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CBonjeanDlg(QWidget* pParent = nullptr);

    QLineEdit* m_editMoments;
    QLineEdit* m_editAreas;
    CMSFlexGrid* m_gridAreas;
    CMSFlexGrid* m_gridMoments;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    // Each opening starts from empty 2 x 2 grids, as the dialog's template makes them.
    void OnInitDialog();
    void OnSelChangeAreas();
    void OnSelChangeMoments();
    void OnChangeEditAreas();
    void OnChangeEditMoments();
};
