#include "app/MainWindow.h"

#include "app/MainWindowActions.h"
#include "app/PortSelection.h"
#include "app/ProcessValues.h"
#include "app/SettingsFiles.h"
#include "app/ToolCommands.h"
#include "app/UpdateCommand.h"
#include "app/UserPrompt.h"
#include "app/WindowGeometry.h"
#include "editor/DlgSetDynamicText.h"
#include "plc/CPlcManager.h"
#include "plc/DlgSetPlc.h"
#include "plc/DlgTextmonitor.h"
#include "project/CLedManager.h"
#include "project/CLedProject.h"
#include "project/CompileCheck.h"
#include "serial/DlgDownProgress.h"
#include "serial/DlgSetSerialPort.h"
#include "serial/QSerialThread.h"
#include "serial/SerialResult.h"
#include "serial/SerialTransport.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <future>

namespace {

const QString kExtension = QStringLiteral(".kavio");
const QString kGeometryName = QStringLiteral("MainWindow");

QString desktop()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// Keeps the busy cursor for the length of a command.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

// The window's pictures live in this library; Q_INIT_RESOURCE must stand
// outside any namespace.
static void initWindowResources()
{
    Q_INIT_RESOURCE(segmo);
}

MainWindow::MainWindow(QWidget* parent, std::future<QList<SystemPort>> ports)
    : QMainWindow(parent), ui(new Ui::MainWindow)
{
    initWindowResources();
    MainWindowActions::createActions(this);
    ui->setupUi(this);
    MainWindowActions::buildMenus(this, ui->baseToolbar);
    m_editor = std::make_unique<PageEditor>(*ui, this, [this](bool on) { setModified(on); });
    setWindowTitle(QStringLiteral("Segmo"));
    // Through a pixmap: QIcon would look the suffix-less name up in the MIME
    // database and load an icon engine for it, which costs the start more.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/bitmap/ico_led"))));
    bindDataFiles();
    m_editor->setUp();
    connect(ui->tableWidget->model(), &QAbstractItemModel::dataChanged, this,
            &MainWindow::tableDataChanged);
    createRecentActions();
    buildStatusBar();
    m_worker = std::make_unique<QSerialThread>(SerialTransport::instance());
    // A port list still being read is taken when the window is first shown.
    m_startPorts = std::move(ports);
    if (!m_startPorts.valid())
        m_worker->setPortName(currentPortName());
    connect(m_worker.get(), &QSerialThread::sendCmdReply, this, &MainWindow::serial_recv);
    connect(m_worker.get(), &QSerialThread::sendCmdProgress, this, &MainWindow::serial_down);
    connect(m_worker.get(), &QSerialThread::sendCmdInit, this, &MainWindow::serial_progress);
    connect(m_worker.get(), &QSerialThread::sendCmdUpdate, this, &MainWindow::serial_port);
    m_worker->start();
    updateUiState();
    installEventFilter(this);
    setAcceptDrops(true);
    restoreGeometryFromSettings();
    m_tools =
        new ToolCommands(this, [this](QByteArray& image) { return compileProject(this, image); });
    connect(&m_tools->imageToolProcess(),
            QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &MainWindow::slotMonitorFinished);
    m_startupExitCode = UpdateCommand::run(this, false);
}

MainWindow::~MainWindow()
{
    m_worker->stop();
    m_worker.reset();
    m_project.reset();
    CPlcManager::release();
}

void MainWindow::bindDataFiles()
{
    const QString library = programDir() + QStringLiteral("/ZtSerial.dll");
    if (!SerialTransport::instance().isBound() && !SerialTransport::instance().bind(library))
        UserPrompt::information(
            this, tr("提示"),
            tr("加载通讯库失败，请检查文件是否存在: %1").arg(QStringLiteral("ZtSerial.dll")));
    if (!CPlcManager::instance().load())
        UserPrompt::information(
            this, tr("提示"),
            tr("加载厂家列表失败，请检查文件是否存在: %1").arg(QStringLiteral("ZtFactory.dll")));
    if (!CLedManager::instance().load())
        UserPrompt::information(
            this, tr("提示"),
            tr("加载型号列表失败，请检查文件是否存在: %1").arg(QStringLiteral("Model.ini")));
}

void MainWindow::buildStatusBar()
{
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(true);
    auto label = [this](const QString& text, const char* colour) {
        auto* l = new QLabel(text, this);
        l->setStyleSheet(QStringLiteral("color: %1").arg(QLatin1String(colour)));
        l->setFont(QFont(QStringLiteral("Arial"), 10));
        return l;
    };
    m_portLabel = label(QStringLiteral("COM1"), "blue");
    m_positionLabel = label(tr("行:%1  列:%2").arg(0).arg(0), "red");
    m_fileLabel = label(QString(), "blue");
    auto* link = new QLabel(tr("<a href=\"https://segmo.invalid/\">Segmo 主页</a>"), this);
    link->setOpenExternalLinks(true);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_progress, m_portLabel, m_positionLabel,
                                                           m_fileLabel, link})
        ui->statusbar->addPermanentWidget(widget);
}

CLedProject* MainWindow::currentProject() const
{
    return m_project.get();
}

void MainWindow::setModified(bool modified)
{
    if (m_project && m_project->isOpen)
        m_project->isModified = modified;
    updateUiState();
}

void MainWindow::updateUiState()
{
    const bool open = m_project && m_project->isOpen;
    const QList<QWidget*> panel{ui->groupBox_2, ui->groupBox_4, ui->groupBox_5,
                                ui->groupBox_6, ui->groupBox_7, ui->groupBox_8,
                                ui->groupLight, ui->mBkImg,     ui->lcdNum};
    for (QWidget* widget : panel)
        widget->setVisible(open);
    ui->tableWidget->setEnabled(open);
    const char* const projectActions[] = {
        "action_file_saveas",       "action_file_close",      "action_frame_add",
        "action_frame_copy",        "action_frame_del",       "action_frame_move_up",
        "action_frame_move_topall", "action_frame_move_down", "action_frame_move_downall",
        "action_compile_zip",       "action_compile_build",   "action_compile_moniter",
        "action_compile_moniter2",  "action_compile_upload",  "action_set_project",
        "actionDlgTextmonitor",     "action_set_dynamic_text"};
    for (const char* name : projectActions)
        findChild<QAction*>(QLatin1String(name))->setEnabled(open);
    findChild<QAction*>(QStringLiteral("action_file_save"))
        ->setEnabled(open && m_project->isModified);
    if (open) {
        const int page = m_editor->currentPage();
        const bool first = page == 0;
        const bool last = page == m_project->pageCount() - 1;
        findChild<QAction*>(QStringLiteral("action_frame_move_up"))->setEnabled(!first);
        findChild<QAction*>(QStringLiteral("action_frame_move_topall"))->setEnabled(!first);
        findChild<QAction*>(QStringLiteral("action_frame_move_down"))->setEnabled(!last);
        findChild<QAction*>(QStringLiteral("action_frame_move_downall"))->setEnabled(!last);
    } else {
        ui->m_RegMin->hide();
        ui->m_RegMax->hide();
        ui->labelLimitUp->hide();
        ui->labelLimitDown->hide();
    }
    updateStatusBar();
}

void MainWindow::updateStatusBar()
{
    const bool open = m_project && m_project->isOpen;
    m_portLabel->setText(m_worker->portName());
    if (!open)
        m_editor->setCurrent(-1, -1);
    m_positionLabel->setText(
        tr("行:%1  列:%2").arg(m_editor->currentPage()).arg(m_editor->currentColumn()));
    m_fileLabel->setText(open ? m_project->filePath : tr("未打开工程"));
    updateTitle();
}

void MainWindow::updateTitle()
{
    if (!m_project || !m_project->isOpen) {
        setWindowTitle(QStringLiteral("Segmo"));
        return;
    }
    const QString path = m_project->filePath.isEmpty() ? tr("未保存") : m_project->filePath;
    setWindowTitle(m_project->isModified ? QStringLiteral("Segmo  * [%1]").arg(path)
                                         : QStringLiteral("Segmo  [%1]").arg(path));
}

bool MainWindow::savePrompt()
{
    if (!m_project || !m_project->isOpen || !m_project->isModified)
        return true;
    const QMessageBox::StandardButton answer =
        UserPrompt::question(this, tr("提示"), tr("是否保存当前工程？"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        on_action_file_save_triggered();
        return on_action_file_close_triggered();
    }
    if (answer == QMessageBox::No) {
        setModified(false);
        return on_action_file_close_triggered();
    }
    return false;
}

bool MainWindow::on_action_file_close_triggered()
{
    if (!m_project)
        return true;
    if (!savePrompt())
        return false;
    m_project.reset();
    m_editor->setProject(nullptr);
    m_editor->clearTable();
    updateUiState();
    return true;
}

void MainWindow::on_action_file_new_triggered()
{
    if (!savePrompt())
        return;
    CLedLinkSettings link;
    DlgSetPlc dialog(this, true, &link, QStringLiteral("DX-PANEL-9A"), 0, 0);
    if (UserPrompt::exec(dialog) != QDialog::Accepted)
        return;
    const BusyCursor busy;
    m_project =
        std::make_unique<CLedProject>(dialog.hardType(), quint32(dialog.hardTypeIndex()),
                                      quint32(dialog.plcType()), quint32(dialog.plcModel()));
    m_project->link = link;
    m_editor->setProject(m_project.get());
    m_editor->setFilling(true);
    m_project->addPage();
    m_editor->setCurrent(0, 0);
    rebuildPageTable(0);
    m_editor->updateRangeTips();
    m_editor->setFilling(false);
    setModified(true);
}

void MainWindow::on_action_set_project_triggered()
{
    if (!m_project || !m_project->isOpen)
        return;
    DlgSetPlc dialog(this, false, &m_project->link, m_project->modelName,
                     int(m_project->plcVendorIndex), int(m_project->plcModelIndex));
    if (UserPrompt::exec(dialog) != QDialog::Accepted)
        return;
    m_project->modelName = dialog.hardType();
    m_project->modelIndex = quint32(dialog.hardTypeIndex());
    m_project->plcVendorIndex = quint32(dialog.plcType());
    m_project->plcModelIndex = quint32(dialog.plcModel());
    setModified(true);
}

void MainWindow::on_action_file_open_triggered()
{
    const QString path = UserPrompt::openFileName(this, tr("打开工程"), desktop(),
                                                  QStringLiteral("*%1").arg(kExtension));
    if (!path.isEmpty())
        openProject(path, true);
}

QString MainWindow::withProjectExtension(const QString& path)
{
    return path.endsWith(kExtension, Qt::CaseInsensitive) ? path : path + kExtension;
}

bool MainWindow::openProject(const QString& chosenPath, bool fixExtension)
{
    m_editor->setFilling(true);
    if (!savePrompt()) {
        m_editor->setFilling(false);
        return false;
    }
    // Linux file systems tell case apart: the path keeps its case.
    const QString path = fixExtension ? withProjectExtension(chosenPath) : chosenPath;
    const BusyCursor busy;
    // The loaded file supplies the port: the port query of CLedProject(path)
    // would only be overwritten.
    m_project = std::make_unique<CLedProject>();
    m_project->filePath = path;
    const int result = m_project->load(path);
    if (result != 0) {
        m_project.reset();
        m_editor->setProject(nullptr);
        m_editor->clearTable();
        m_editor->setFilling(false);
        removeRecentFile(path);
        rebuildRecentMenu();
        updateUiState();
        UserPrompt::warning(this, tr("提示"),
                            result == 1 ? tr("[100] 打开工程失败：请检查文件是否被占用！")
                                        : tr("[101] 打开工程失败：无效的文件格式！"));
        return false;
    }
    m_project->filePath = path;
    m_editor->setProject(m_project.get());
    m_editor->setCurrent(m_project->currentPage, 1);
    rebuildPageTable(m_project->currentPage);
    m_editor->updateRangeTips();
    m_editor->setFilling(false);
    addRecentFile(path);
    rebuildRecentMenu();
    updateUiState();
    return true;
}

void MainWindow::saveTo(bool askForPath)
{
    if (!m_project || !m_project->isOpen)
        return;
    if (askForPath || m_project->filePath.isEmpty()) {
        const QString chosen = UserPrompt::saveFileName(
            this, tr("另存工程"), desktop(), QStringLiteral("Kavio Project (%1 )").arg(kExtension));
        if (chosen.isEmpty())
            return;
        m_project->filePath = withProjectExtension(chosen);
    }
    if (!m_project->save(m_project->filePath)) {
        UserPrompt::warning(this, tr("提示"), tr("保存工程失败，请检查文件是否被占用！"));
        return;
    }
    addRecentFile(m_project->filePath);
    rebuildRecentMenu();
    setModified(false);
}

void MainWindow::on_action_file_save_triggered()
{
    saveTo(false);
}

void MainWindow::on_action_file_saveas_triggered()
{
    saveTo(true);
}

bool MainWindow::pageLimitReached()
{
    if (m_project->pageCount() < CLedProject::kMaxPages)
        return false;
    // This message has always stayed Chinese in the English interface.
    UserPrompt::warning(this, tr("提示"),
                        QString::fromUtf8("页面数量不能超过 %1 个！").arg(CLedProject::kMaxPages));
    return true;
}

void MainWindow::rebuildPageTable(int page)
{
    // The panel is reached through the project's port from now on.
    m_worker->closePort();
    m_worker->setPortName(m_project->portName);
    m_editor->rebuildPageTable(page);
}

void MainWindow::afterPageCommand(int newPage)
{
    m_editor->setCurrent(newPage, m_editor->currentColumn());
    rebuildPageTable(newPage);
    m_editor->setFilling(false);
    setModified(true);
    m_editor->selectCell(m_editor->currentPage(), m_editor->currentColumn());
}

void MainWindow::on_action_frame_add_triggered()
{
    if (!m_project || !m_project->isOpen || pageLimitReached())
        return;
    m_editor->setFilling(true);
    afterPageCommand(m_project->addPage());
}

void MainWindow::on_action_frame_copy_triggered()
{
    if (!m_project || !m_project->isOpen || pageLimitReached())
        return;
    const int copy = m_project->copyPage(m_editor->currentPage());
    if (copy < 0)
        return;
    m_editor->setFilling(true);
    afterPageCommand(copy);
}

void MainWindow::on_action_frame_del_triggered()
{
    if (!m_project || !m_project->isOpen || m_editor->currentPage() == -1)
        return;
    if (m_project->pageCount() <= 1) {
        UserPrompt::warning(this, tr("提示"), tr("最后一个画面不允许删除！"));
        return;
    }
    m_editor->setFilling(true);
    afterPageCommand(m_project->removePage(m_editor->currentPage()));
}

void MainWindow::on_action_frame_move_up_triggered()
{
    const int row = m_editor->currentPage();
    if (!m_project || !m_project->isOpen || row < 1)
        return;
    m_editor->setFilling(true);
    m_project->movePageUp(row);
    afterPageCommand(row - 1);
}

void MainWindow::on_action_frame_move_down_triggered()
{
    const int row = m_editor->currentPage();
    if (!m_project || !m_project->isOpen || row < 0 || row >= m_project->pageCount() - 1)
        return;
    m_editor->setFilling(true);
    m_project->movePageDown(row);
    afterPageCommand(row + 1);
}

void MainWindow::on_action_frame_move_topall_triggered()
{
    const int row = m_editor->currentPage();
    if (!m_project || !m_project->isOpen || row < 1)
        return;
    m_editor->setFilling(true);
    m_project->movePageToTop(row);
    afterPageCommand(0);
}

void MainWindow::on_action_frame_move_downall_triggered()
{
    const int row = m_editor->currentPage();
    if (!m_project || !m_project->isOpen || row < 0 || row >= m_project->pageCount() - 1)
        return;
    m_editor->setFilling(true);
    m_project->movePageToBottom(row);
    afterPageCommand(m_project->pageCount() - 1);
}

void MainWindow::createRecentActions()
{
    QMenu* fileMenu = findChild<QMenu*>(QStringLiteral("menu_file"));
    for (int i = 0; i < kRecentActions; ++i) {
        auto* action = new QAction(this);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, &MainWindow::openRecentFile);
        fileMenu->addAction(action);
        m_recentActions.append(action);
    }
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu()
{
    QStringList shown;
    for (const QString& path : recentFiles()) {
        if (QFileInfo::exists(path) && path.right(6) == kExtension)
            shown.append(path);
    }
    for (int i = 0; i < kRecentActions; ++i) {
        QAction* action = m_recentActions.at(i);
        if (i < shown.size()) {
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(shown.at(i))));
            action->setData(shown.at(i));
        }
        action->setVisible(i < shown.size());
    }
}

void MainWindow::openRecentFile()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        openProject(action->data().toString(), false);
}

void MainWindow::serial_port(int)
{
    updateStatusBar();
}

void MainWindow::on_action_compile_build_triggered()
{
    if (!m_project || !m_project->isOpen)
        return;
    const QString text = m_project->modelName;
    QByteArray image;
    if (!compileProject(this, image))
        return;
    if (!m_worker->openPort()) {
        QGuiApplication::restoreOverrideCursor();
        UserPrompt::warning(this, tr("提示"),
                            tr("打开串口 %1 失败，请检查串口设置！").arg(m_worker->portName()));
        return;
    }
    QAction* download = findChild<QAction*>(QStringLiteral("action_compile_build"));
    download->setEnabled(false);
    if (!m_progressDialog) {
        DlgDownProgress dialog(this, m_worker.get(), image, text, m_ctrlHeld);
        m_progressDialog = &dialog;
        UserPrompt::exec(dialog);
        m_ctrlHeld = false;
    }
    download->setEnabled(true);
}

void MainWindow::on_action_compile_firm_triggered()
{
    // Firmware is only updated from inside a project download.
}

void MainWindow::on_action_set_serialport_triggered()
{
    {
        DlgSetSerialPort dialog(this, m_worker.get());
        m_portDialog = &dialog;
        UserPrompt::exec(dialog);
    }
    if (m_project && m_project->isOpen && m_project->portName != m_worker->portName()) {
        m_project->portName = m_worker->portName();
        setModified(true);
    }
    updateStatusBar();
}

void MainWindow::on_action_set_dynamic_text_triggered()
{
    DlgSetDynamicText dialog(this, m_project.get(), [this] { setModified(true); });
    if (UserPrompt::exec(dialog) == QDialog::Accepted && m_project && m_project->isOpen)
        setModified(true);
}

void MainWindow::on_actionDlgTextmonitor_triggered()
{
    if (!m_project || !m_project->isOpen)
        return;
    DlgTextmonitor dialog(this, m_project.get());
    if (UserPrompt::exec(dialog) != QDialog::Accepted)
        return;
    m_editor->updateRangeTips();
    setModified(true);
}

void MainWindow::serial_recv(uint nRet, CSerialCommandBase* pCmd)
{
    qDebug() << "reply" << pCmd->reply.toHex();
    if (m_portDialog)
        return; // the port dialog answers and deletes its own commands
    const QString name = pCmd->displayName();
    QGuiApplication::restoreOverrideCursor();
    if (nRet != 0)
        UserPrompt::information(this, tr("提示"), serialFailureMessage(nRet, m_worker->portName()));
    else if (!name.isEmpty())
        UserPrompt::information(this, tr("提示"), tr("[%1] 命令成功").arg(name));
    if (m_progressDialog)
        m_progressDialog->enableDownload();
    delete pCmd;
    findChild<QAction*>(QStringLiteral("action_compile_build"))->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
}

void MainWindow::serial_down(uint nTotal, uint nWritten, CSerialCommandBase*)
{
    m_progress->setValue(int(nWritten));
    if (nTotal == nWritten) {
        findChild<QAction*>(QStringLiteral("action_compile_build"))->setEnabled(true);
        QGuiApplication::restoreOverrideCursor();
    }
}

void MainWindow::serial_progress(uint nTotal)
{
    m_progress->setRange(0, int(nTotal));
    m_progress->setValue(0);
}

bool MainWindow::compileProject(QWidget* parent, QByteArray& out)
{
    if (!m_project || !m_project->isOpen)
        return false;
    const ImageCheck check = compileImage(*m_project, out);
    if (check == ImageCheck::Ok)
        return true;
    QGuiApplication::restoreOverrideCursor();
    UserPrompt::warning(parent, tr("提示"), imageCheckMessage(check));
    return false;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (m_startPorts.valid()) {
        m_worker->setPortName(currentPortName(m_startPorts.get()));
        updateStatusBar();
    }
    if (!m_startupProjectPath.isEmpty())
        openProject(m_startupProjectPath, false);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveGeometryToSettings();
    if (on_action_file_close_triggered())
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        MainWindowActions::retranslate(this);
        m_editor->retranslate();
        rebuildRecentMenu();
        updateUiState();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    openDropped(event->mimeData());
}

bool MainWindow::openDropped(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    const QString path = urls.isEmpty() ? QString() : urls.first().toLocalFile();
    return !path.isEmpty() && openProject(path, false);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control)
            m_ctrlHeld = event->type() == QEvent::KeyPress;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::restoreGeometryFromSettings()
{
    QPoint pos = storedWindowPos(kGeometryName);
    const QSize size = storedWindowSize(kGeometryName);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool onAScreen = std::any_of(screens.begin(), screens.end(), [&pos](QScreen* screen) {
        return screen->geometry().contains(pos);
    });
    if (!onAScreen && QGuiApplication::primaryScreen()) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        pos = area.center() - QPoint(size.width() / 2, size.height() / 2);
    }
    applyWindowGeometry(this, pos, size);
    restoreColumnWidths(ui->tableWidget, kGeometryName, {50, 80, 120});
    QSettings ini(QString::fromLatin1(SettingsFiles::kPositionFile), QSettings::IniFormat);
    const QSize dock = ini.value(QStringLiteral("/MainWindow/baseDockSize")).toSize();
    if (dock.width() > 0)
        resizeDocks({ui->dockWidget}, {dock.width()}, Qt::Horizontal);
}

void MainWindow::saveGeometryToSettings()
{
    saveWindowGeometry(this, kGeometryName);
    saveColumnWidths(ui->tableWidget, kGeometryName, 3);
    QSettings ini(QString::fromLatin1(SettingsFiles::kPositionFile), QSettings::IniFormat);
    ini.setValue(QStringLiteral("/MainWindow/baseDockSize"), ui->dockWidget->size());
}

// The panel's edit handlers: the page editor does the work.
void MainWindow::on_tableWidget_currentItemChanged(QTableWidgetItem* current, QTableWidgetItem*)
{
    m_editor->currentItemChanged(current);
}

void MainWindow::tableDataChanged(const QModelIndex& topLeft, const QModelIndex&,
                                  const QVector<int>&)
{
    m_editor->tableDataChanged(topLeft.row(), topLeft.column());
}

void MainWindow::on_m_Describe_textChanged(const QString& text)
{
    m_editor->describeChanged(text);
}
void MainWindow::on_m_Param_textEdited(const QString& text)
{
    m_editor->paramEdited(text);
}
void MainWindow::on_m_Param_textChanged(const QString& text)
{
    m_editor->paramChanged(text);
}
void MainWindow::on_m_SpinTotal_valueChanged(int value)
{
    m_editor->totalDigitsChanged(value);
}
void MainWindow::on_m_SpinPoint_valueChanged(int value)
{
    m_editor->decimalsChanged(value);
}
void MainWindow::on_m_CheckUnsigned_clicked(bool checked)
{
    m_editor->signedClicked(checked);
}
void MainWindow::on_m_CheckZero_clicked(bool checked)
{
    m_editor->leadingZeroClicked(checked);
}
void MainWindow::on_m_RegStation_valueChanged(int value)
{
    m_editor->stationChanged(value);
}
void MainWindow::on_m_RegType_currentIndexChanged(const QString& text)
{
    m_editor->regTypeChanged(text);
}
void MainWindow::on_m_RegAddress_valueChanged(int value)
{
    m_editor->addressChanged(value);
}
void MainWindow::on_m_RegCnt_valueChanged(int value)
{
    m_editor->countChanged(value);
}
void MainWindow::on_m_CheckSet_clicked(bool checked)
{
    m_editor->settableClicked(checked);
}
void MainWindow::on_m_CheckEncrypt_clicked(bool checked)
{
    m_editor->encryptedClicked(checked);
}
void MainWindow::on_m_CheckLimit_clicked(bool checked)
{
    m_editor->limitClicked(checked);
}
void MainWindow::on_m_RegMin_valueChanged(int value)
{
    m_editor->minChanged(value);
}
void MainWindow::on_m_RegMax_valueChanged(int value)
{
    m_editor->maxChanged(value);
}
void MainWindow::on_m_TLight_currentIndexChanged(int index)
{
    m_editor->tLampChanged(index);
}
void MainWindow::on_m_KLight_currentIndexChanged(int index)
{
    m_editor->fLampChanged(index);
}
void MainWindow::on_m_KeyTouch_currentIndexChanged(int index)
{
    m_editor->keyChanged(index);
}
void MainWindow::on_m_TFlicker_clicked(bool checked)
{
    m_editor->tFlickerClicked(checked);
}
void MainWindow::on_m_KFlicker_clicked(bool checked)
{
    m_editor->fFlickerClicked(checked);
}

void MainWindow::on_action_about_help_triggered()
{
    m_tools->openHelpManual();
}

void MainWindow::on_action_about_update_triggered()
{
    m_tools->checkForUpdate();
}

void MainWindow::on_action_about_web_triggered()
{
    m_tools->openWebSite();
}

void MainWindow::on_action_about_us_triggered()
{
    m_tools->showAboutBox();
}

void MainWindow::on_action_about_product_triggered()
{
    m_tools->openProductManual();
}

void MainWindow::on_action_Hubrix_triggered()
{
    m_tools->startSoftwareCentre();
}

void MainWindow::on_action_set_usb_driver_triggered()
{
    m_tools->installUsbDriver();
}

void MainWindow::on_action_io_check_triggered()
{
    m_tools->showIoCheckHelp();
}

void MainWindow::on_action_compile_zip_triggered()
{
    m_tools->startImageTool(ToolCommands::ImageTool::BatchTool);
}

void MainWindow::on_action_compile_moniter_triggered()
{
    m_tools->startImageTool(ToolCommands::ImageTool::SingleRowSimulator);
}

void MainWindow::on_action_compile_moniter2_triggered()
{
    m_tools->startImageTool(ToolCommands::ImageTool::DoubleRowSimulator);
}

void MainWindow::on_action_err_plce0_triggered()
{
    m_tools->showPlcErrorHelp();
}

void MainWindow::on_action_err_plcee_triggered()
{
    m_tools->showPlcErrorHelp();
}

void MainWindow::on_action_chinese_triggered()
{
    m_tools->switchLanguage(ProcessValues::Chinese);
}

void MainWindow::on_action_english_triggered()
{
    m_tools->switchLanguage(ProcessValues::English);
}

void MainWindow::slotMonitorFinished()
{
    m_tools->imageToolFinished();
}
