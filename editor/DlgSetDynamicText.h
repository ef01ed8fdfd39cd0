#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class CLedProject;
namespace Ui {
class DlgSetDynamicText;
}

// The dynamic text dialog: up to ten rows of a number and the text the panel
// shows for it, the scrolling options and the register that selects the row.
class DlgSetDynamicText : public QDialog
{
    Q_OBJECT

public:
    // markModified is called when a table cell changes (the main window's
    // setModified(true)); the project is written only on OK.
    DlgSetDynamicText(QWidget* parent, CLedProject* project, std::function<void()> markModified);
    ~DlgSetDynamicText() override;

    // The patterns of the value and content cells.
    static QString valuePattern();
    static QString contentPattern();

public slots:
    void tableDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                          const QVector<int>& roles);

private slots:
    void on_m_TextCnt_valueChanged(int count);
    void on_m_CheckSet_clicked(bool checked);
    void on_mBtnOk_clicked();
    void on_mBtnClose_clicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void rebuildRows();
    void restoreGeometryAndColumns();
    // Shows the message and puts the empty cell into editing.
    void refuseEmptyCell(int row, int column, const QString& message);

    std::unique_ptr<Ui::DlgSetDynamicText> ui;
    CLedProject* m_project;
    std::function<void()> m_markModified;
    bool m_bReady = false;
    int m_nCurRow = -1;
    int m_nCurColumn = -1;
};
