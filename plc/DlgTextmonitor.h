#pragma once

#include <QDialog>
#include <memory>

class CLedProject;
class QCheckBox;
class QComboBox;
struct CLedRegister;
namespace Ui {
class DlgTextmonitor;
}

// The panel parameter dialog: password, screen saver, brightness, the
// registers of keys, key lamps, T-lamps, alarm and buzzer, the two free
// display fields and the boot text. It writes into the project only on OK.
class DlgTextmonitor : public QDialog
{
    Q_OBJECT

public:
    DlgTextmonitor(QWidget* parent, CLedProject* project);
    ~DlgTextmonitor() override;

    // The characters the panel's digits can show, for the two text fields.
    static QString panelTextPattern();

public slots:
    void toUpper(const QString& text);

private slots:
    void on_mCheckPress_clicked(bool checked);
    void on_mCheckLight_clicked(bool checked);
    void on_mCheckTLight_clicked(bool checked);
    void on_radioBkClose_clicked();
    void on_radioBkLight_clicked();
    void on_radioBkText_clicked();
    void on_mCheckAlarm_clicked(bool checked);
    void on_mCheckCustomLeft_clicked(bool checked);
    void on_mCheckCustomRight_clicked(bool checked);
    void on_mCheckBuzzer_clicked(bool checked);
    void on_mCheckUseSix_clicked(bool checked);
    void on_mCheckBootText_clicked(bool checked);
    void on_mBtnOK_clicked();
    void on_mBtnCancel_clicked();

private:
    void fillTypeLists();
    void load();
    void updateRangeLabels();
    void showSaverWidgets(int mode);
    void showRow(const char* suffix, bool visible);
    void showField(const char* side, bool visible);
    void setSixDigitMode(bool on);
    void storeRegister(CLedRegister& reg, QComboBox* type, int address) const;

    std::unique_ptr<Ui::DlgTextmonitor> ui;
    CLedProject* m_project;
};
