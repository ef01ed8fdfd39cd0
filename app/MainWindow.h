#pragma once

#include "editor/PageEditor.h"
#include "serial/SystemPorts.h"

#include <QMainWindow>
#include <QPointer>
#include <future>
#include <memory>

class CLedProject;
class CSerialCommandBase;
class DlgDownProgress;
class DlgSetSerialPort;
class QLabel;
class QMimeData;
class QProgressBar;
class QSerialThread;
class QTableWidgetItem;
class ToolCommands;
namespace Ui {
class MainWindow;
}

// Segmo's only top-level window: owns the current project and the serial
// worker, shows the pages in the dock and the selected page's properties in
// the centre, and carries every command as a menu and tool bar action.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kRecentActions = 10;

    // The system's port list may come from a reading started earlier (the
    // start reads it while Qt starts up): the worker gets its port when the
    // window is first shown. Without one the list is read here.
    explicit MainWindow(QWidget* parent = nullptr, std::future<QList<SystemPort>> ports = {});
    ~MainWindow() override;

    CLedProject* currentProject() const;
    void setModified(bool modified);
    void updateUiState();
    void updateStatusBar();
    bool openProject(const QString& path, bool fixExtension);
    // Builds the image into out; false (with the message shown) when it may not be used.
    bool compileProject(QWidget* parent, QByteArray& out);
    // Opens the first local file of dropped data; false when there is none
    // or it does not open.
    bool openDropped(const QMimeData* data);
    // A project to open once the window has been shown for the first time.
    void setStartupProject(const QString& path) { m_startupProjectPath = path; }
    QSerialThread* serialWorker() const { return m_worker.get(); }
    ToolCommands* toolCommands() const { return m_tools; }
    // Nonzero when the start-up update check found ZtVersion.dll missing or
    // broken: Segmo ends with this code instead of showing the window.
    int startupExitCode() const { return m_startupExitCode; }
    bool isCtrlHeld() const { return m_ctrlHeld; }

    // The project file name the save dialog gave, with ".kavio" when it lacks it.
    static QString withProjectExtension(const QString& path);

public slots:
    void on_action_file_new_triggered();
    void on_action_file_open_triggered();
    void on_action_file_save_triggered();
    void on_action_file_saveas_triggered();
    bool on_action_file_close_triggered();
    void on_action_set_project_triggered();
    void on_action_set_serialport_triggered();
    void on_action_set_dynamic_text_triggered();
    void on_actionDlgTextmonitor_triggered();
    void on_action_frame_add_triggered();
    void on_action_frame_copy_triggered();
    void on_action_frame_del_triggered();
    void on_action_frame_move_up_triggered();
    void on_action_frame_move_down_triggered();
    void on_action_frame_move_topall_triggered();
    void on_action_frame_move_downall_triggered();
    void openRecentFile();
    void on_action_compile_build_triggered();
    void on_action_compile_firm_triggered();
    void serial_recv(uint nRet, CSerialCommandBase* pCmd);
    void serial_down(uint nTotal, uint nWritten, CSerialCommandBase* pCmd);
    void serial_progress(uint nTotal);
    void serial_port(int nPort);

    void on_tableWidget_currentItemChanged(QTableWidgetItem* current, QTableWidgetItem* previous);
    void tableDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                          const QVector<int>& roles);
    void on_m_Describe_textChanged(const QString& text);
    void on_m_Param_textEdited(const QString& text);
    void on_m_Param_textChanged(const QString& text);
    void on_m_SpinTotal_valueChanged(int value);
    void on_m_SpinPoint_valueChanged(int value);
    void on_m_CheckUnsigned_clicked(bool checked);
    void on_m_CheckZero_clicked(bool checked);
    void on_m_RegStation_valueChanged(int value);
    void on_m_RegType_currentIndexChanged(const QString& text);
    void on_m_RegAddress_valueChanged(int value);
    void on_m_RegCnt_valueChanged(int value);
    void on_m_CheckSet_clicked(bool checked);
    void on_m_CheckEncrypt_clicked(bool checked);
    void on_m_CheckLimit_clicked(bool checked);
    void on_m_RegMin_valueChanged(int value);
    void on_m_RegMax_valueChanged(int value);
    void on_m_TLight_currentIndexChanged(int index);
    void on_m_KLight_currentIndexChanged(int index);
    void on_m_KeyTouch_currentIndexChanged(int index);
    void on_m_TFlicker_clicked(bool checked);
    void on_m_KFlicker_clicked(bool checked);

    void on_action_about_help_triggered();
    void on_action_about_update_triggered();
    void on_action_about_web_triggered();
    void on_action_about_us_triggered();
    void on_action_about_product_triggered();
    void on_action_Hubrix_triggered();
    void on_action_set_usb_driver_triggered();
    void on_action_io_check_triggered();
    void on_action_compile_zip_triggered();
    void on_action_compile_moniter_triggered();
    void on_action_compile_moniter2_triggered();
    void on_action_err_plce0_triggered();
    void on_action_err_plcee_triggered();
    void on_action_chinese_triggered();
    void on_action_english_triggered();
    void slotMonitorFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindDataFiles();
    void buildStatusBar();
    void createRecentActions();
    void rebuildRecentMenu();
    void updateTitle();
    // Asks to save unsaved changes; false when the user cancelled.
    bool savePrompt();
    void saveTo(bool askForPath);
    bool pageLimitReached();
    void rebuildPageTable(int page);
    void afterPageCommand(int newPage);
    void restoreGeometryFromSettings();
    void saveGeometryToSettings();

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<CLedProject> m_project;
    std::unique_ptr<QSerialThread> m_worker;
    std::unique_ptr<PageEditor> m_editor;
    QList<QAction*> m_recentActions;
    QProgressBar* m_progress = nullptr;
    QLabel* m_portLabel = nullptr;
    QLabel* m_positionLabel = nullptr;
    QLabel* m_fileLabel = nullptr;
    QPointer<DlgDownProgress> m_progressDialog;
    QPointer<DlgSetSerialPort> m_portDialog;
    ToolCommands* m_tools = nullptr;
    std::future<QList<SystemPort>> m_startPorts;
    QString m_startupProjectPath;
    int m_startupExitCode = 0;
    bool m_shownOnce = false;
    bool m_ctrlHeld = false;
};
