// The totals of the loads: the total weight and the centre of gravity, shown read-only.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

class CResultDlg : public QDialog
{
    Q_OBJECT

public:
    // Shown for a coordinate that is not a number (the weights sum to zero).
    static const char* const kUndefined;

    explicit CResultDlg(QWidget* pParent = nullptr);

    double m_dXg = 0;
    double m_dWeight = 0;
    double m_dZg = 0;
    double m_dYg = 0;
    std::string m_strXg;
    std::string m_strYg;
    std::string m_strZg;
    std::string m_strWeight;

    QLineEdit* m_editWeight;
    QLineEdit* m_editXg;
    QLineEdit* m_editYg;
    QLineEdit* m_editZg;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void OnShowWindow();
    void UpdateData();
};
