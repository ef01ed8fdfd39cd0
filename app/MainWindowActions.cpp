#include "app/MainWindowActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>

namespace MainWindowActions {

namespace {

struct ActionEntry
{
    const char* name;
    const char* text;
    const char* iconText; // nullptr: the same as text
    const char* icon;     // nullptr: none
    bool statusTipIsText;
    const char* tip = nullptr; // tool tip and status tip, when set
};

struct MenuEntry
{
    const char* name;
    const char* title;
    std::initializer_list<const char*> actions; // nullptr marks a separator
};

const ActionEntry kActions[] = {
    {"action_file_new", QT_TRANSLATE_NOOP("MainWindow", "新建工程"),
     QT_TRANSLATE_NOOP("MainWindow", "新建"), ":/images/png_file_new", true},
    {"action_file_open", QT_TRANSLATE_NOOP("MainWindow", "打开工程"),
     QT_TRANSLATE_NOOP("MainWindow", "打开"), ":/images/png_file_open", true},
    {"action_file_save", QT_TRANSLATE_NOOP("MainWindow", "保存工程"),
     QT_TRANSLATE_NOOP("MainWindow", "保存"), ":/images/png_file_save", true},
    {"action_file_saveas", QT_TRANSLATE_NOOP("MainWindow", "另存为..."),
     QT_TRANSLATE_NOOP("MainWindow", "另存"), ":/images/png_file_copy", true},
    {"action_file_close", QT_TRANSLATE_NOOP("MainWindow", "关闭工程"),
     QT_TRANSLATE_NOOP("MainWindow", "关闭"), ":/images/file_close", true},
    {"action_file_exit", QT_TRANSLATE_NOOP("MainWindow", "退出"), nullptr, nullptr, true},
    {"action_frame_add", QT_TRANSLATE_NOOP("MainWindow", "添加画面"),
     QT_TRANSLATE_NOOP("MainWindow", "添加页"), ":/images/png_file_new_frame", true},
    {"action_frame_copy", QT_TRANSLATE_NOOP("MainWindow", "复制画面"),
     QT_TRANSLATE_NOOP("MainWindow", "复制页"), ":/images/png_file_copy", true},
    {"action_frame_del", QT_TRANSLATE_NOOP("MainWindow", "删除页面"),
     QT_TRANSLATE_NOOP("MainWindow", "删除页"), ":/images/png_file_delete", true},
    {"action_frame_move_up", QT_TRANSLATE_NOOP("MainWindow", "上移一层"),
     QT_TRANSLATE_NOOP("MainWindow", "上移"), ":/images/png_file_move_top_one", true},
    {"action_frame_move_down", QT_TRANSLATE_NOOP("MainWindow", "下移一层"),
     QT_TRANSLATE_NOOP("MainWindow", "下移"), ":/images/png_file_move_down_one", true},
    {"action_frame_move_topall", QT_TRANSLATE_NOOP("MainWindow", "上移至顶层"),
     QT_TRANSLATE_NOOP("MainWindow", "顶层"), ":/images/png_file_move_top_all", true},
    {"action_frame_move_downall", QT_TRANSLATE_NOOP("MainWindow", "下移至底层"),
     QT_TRANSLATE_NOOP("MainWindow", "底层"), ":/images/png_file_move_down_all", true},
    {"action_compile_build", QT_TRANSLATE_NOOP("MainWindow", "下载工程"),
     QT_TRANSLATE_NOOP("MainWindow", "下载"), ":/images/file_down", false},
    {"action_compile_upload", QT_TRANSLATE_NOOP("MainWindow", "上载工程"),
     QT_TRANSLATE_NOOP("MainWindow", "上载"), ":/images/file_upload", false},
    {"action_compile_zip", QT_TRANSLATE_NOOP("MainWindow", "制作批量"),
     QT_TRANSLATE_NOOP("MainWindow", "批量"), ":/images/file_zip", false,
     QT_TRANSLATE_NOOP("MainWindow", "制作批量下载工具")},
    {"action_compile_firm", QT_TRANSLATE_NOOP("MainWindow", "更新固件"),
     QT_TRANSLATE_NOOP("MainWindow", "固件"), ":/images/file_install", false},
    {"action_compile_moniter", QT_TRANSLATE_NOOP("MainWindow", "单排仿真"),
     QT_TRANSLATE_NOOP("MainWindow", "单仿真"), ":/images/file_mon_offline", false},
    {"action_compile_moniter2", QT_TRANSLATE_NOOP("MainWindow", "双排仿真"),
     QT_TRANSLATE_NOOP("MainWindow", "双仿真"), ":/images/file_mon_offline", false},
    {"action_set_serialport", QT_TRANSLATE_NOOP("MainWindow", "串口设置"),
     QT_TRANSLATE_NOOP("MainWindow", "串口"), ":/images/file_serial", false},
    {"action_set_project", QT_TRANSLATE_NOOP("MainWindow", "选择机型"),
     QT_TRANSLATE_NOOP("MainWindow", "机型"), ":/images/png_file_project", false},
    {"actionDlgTextmonitor", QT_TRANSLATE_NOOP("MainWindow", "参数设置"),
     QT_TRANSLATE_NOOP("MainWindow", "参数"), ":/images/file_setting", false},
    {"action_set_dynamic_text", QT_TRANSLATE_NOOP("MainWindow", "动态数字"),
     QT_TRANSLATE_NOOP("MainWindow", "数字串"), ":/images/file_num_text", false},
    {"action_set_usb_driver", QT_TRANSLATE_NOOP("MainWindow", "驱动安装"), nullptr,
     ":/images/file_install", false, QT_TRANSLATE_NOOP("MainWindow", "安装USB通讯驱动")},
    {"action_io_check", QT_TRANSLATE_NOOP("MainWindow", "I/O检修说明"), nullptr, nullptr, true},
    {"action_Hubrix", QT_TRANSLATE_NOOP("MainWindow", "软件下载中心"), nullptr, nullptr, false,
     QT_TRANSLATE_NOOP("MainWindow", "打开Morvane软件下载中心,包括所有软件、驱动、文档等")},
    {"action_err_plce0", QT_TRANSLATE_NOOP("MainWindow", "LED显示PLC E0错误"), nullptr, nullptr,
     false},
    {"action_err_plcee", QT_TRANSLATE_NOOP("MainWindow", "LED显示EE xxxx错误"), nullptr, nullptr,
     false},
    {"action_about_help", QT_TRANSLATE_NOOP("MainWindow", "帮助文档"), nullptr,
     ":/images/file_bookmark", true},
    {"action_about_update", QT_TRANSLATE_NOOP("MainWindow", "软件升级"), nullptr,
     ":/images/png_file_redo", true},
    {"action_about_web", QT_TRANSLATE_NOOP("MainWindow", "官方网站"), nullptr,
     ":/images/png_file_arrow", false,
     QT_TRANSLATE_NOOP("MainWindow", "打开我们官方网站了解最新产品咨询")},
    {"action_about_us", QT_TRANSLATE_NOOP("MainWindow", "关于我们"), nullptr,
     ":/images/png_file_zoom_handle", true},
    {"action_about_product", QT_TRANSLATE_NOOP("MainWindow", "产品介绍"), nullptr, nullptr, false,
     QT_TRANSLATE_NOOP("MainWindow", "最新的LED产品介绍说明书")},
    {"action_chinese", "Chinese", nullptr, nullptr, false},
    {"action_english", "English", nullptr, nullptr, false},
};

const MenuEntry kMenus[] = {
    {"menu_file",
     QT_TRANSLATE_NOOP("MainWindow", "文件"),
     {"action_file_new", nullptr, "action_file_open", nullptr, "action_file_save", nullptr,
      "action_file_saveas", nullptr, "action_file_close", nullptr, "action_file_exit"}},
    {"menu_frame",
     QT_TRANSLATE_NOOP("MainWindow", "画面"),
     {"action_frame_add", nullptr, "action_frame_copy", nullptr, "action_frame_del", nullptr,
      "action_frame_move_up", nullptr, "action_frame_move_down", nullptr,
      "action_frame_move_topall", nullptr, "action_frame_move_downall"}},
    {"menu_compile",
     QT_TRANSLATE_NOOP("MainWindow", "下载"),
     {"action_compile_build", nullptr, "action_compile_upload", nullptr, "action_compile_zip",
      nullptr, "action_compile_firm", nullptr, "action_compile_moniter", nullptr,
      "action_compile_moniter2"}},
    {"menu_set",
     QT_TRANSLATE_NOOP("MainWindow", "设置"),
     {"action_set_serialport", nullptr, "action_set_project", nullptr, "actionDlgTextmonitor",
      nullptr, "action_set_dynamic_text", nullptr, "action_set_usb_driver", nullptr,
      "action_io_check"}},
    {"action_tool_box", QT_TRANSLATE_NOOP("MainWindow", "工具包"), {"action_Hubrix"}},
    {"action_error",
     QT_TRANSLATE_NOOP("MainWindow", "常见错误"),
     {"action_err_plce0", nullptr, "action_err_plcee"}},
    {"menu_about",
     QT_TRANSLATE_NOOP("MainWindow", "关于"),
     {"action_about_help", nullptr, "action_about_update", nullptr, "action_about_web", nullptr,
      "action_about_us", nullptr, "action_about_product"}},
    {"menu_language", "language", {"action_chinese", "action_english"}},
};

const char* const kSaveAsStatusTip = QT_TRANSLATE_NOOP("MainWindow", "另存为");

constexpr const char* kToolBarActions[] = {
    "action_file_new",          "action_file_open",          "action_file_save",
    "action_file_close",        "action_frame_add",          "action_frame_copy",
    "action_frame_del",         "action_frame_move_up",      "action_frame_move_down",
    "action_frame_move_topall", "action_frame_move_downall", "action_set_project",
    "action_set_dynamic_text",  "actionDlgTextmonitor",      "action_set_serialport",
    "action_compile_build",     "action_compile_moniter",    "action_compile_moniter2"};

QString translated(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QAction* find(QMainWindow* window, const char* name)
{
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

void createActions(QMainWindow* window)
{
    for (const ActionEntry& entry : kActions) {
        auto* action = new QAction(window);
        action->setObjectName(QString::fromLatin1(entry.name));
        // Through a pixmap: QIcon would consult the MIME database for these
        // suffix-less resource names, which costs more than drawing them.
        if (entry.icon)
            action->setIcon(QIcon(QPixmap(QString::fromLatin1(entry.icon))));
    }
}

void buildMenus(QMainWindow* window, QToolBar* toolBar)
{
    for (const MenuEntry& entry : kMenus) {
        QMenu* menu = window->menuBar()->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(entry.name));
        for (const char* name : entry.actions) {
            if (name)
                menu->addAction(find(window, name));
            else
                menu->addSeparator();
        }
    }
    for (const char* name : kToolBarActions) {
        toolBar->addAction(find(window, name));
        toolBar->addSeparator();
    }
    find(window, "action_compile_firm")->setVisible(false);
    retranslate(window);
}

void retranslate(QMainWindow* window)
{
    for (const ActionEntry& entry : kActions) {
        QAction* action = find(window, entry.name);
        const QString text = translated(entry.text);
        action->setText(text);
        action->setIconText(entry.iconText ? translated(entry.iconText) : text);
        if (entry.statusTipIsText)
            action->setStatusTip(QLatin1String(entry.name) == QLatin1String("action_file_saveas")
                                     ? translated(kSaveAsStatusTip)
                                     : text);
        if (entry.tip) {
            action->setToolTip(translated(entry.tip));
            action->setStatusTip(translated(entry.tip));
        }
    }
    for (const MenuEntry& entry : kMenus)
        window->findChild<QMenu*>(QString::fromLatin1(entry.name))
            ->setTitle(translated(entry.title));
}

} // namespace MainWindowActions
