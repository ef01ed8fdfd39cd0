#include "app/ToolCommands.h"

#include "app/DlgAboutUs.h"
#include "app/DlgIOCheck.h"
#include "app/DlgPlcError.h"
#include "app/LanguageSetup.h"
#include "app/ProcessValues.h"
#include "app/SettingsFiles.h"
#include "app/UpdateCommand.h"
#include "app/UserPrompt.h"
#include "app/WebSite.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QMainWindow>
#include <QUrl>

namespace {

QString besideProgram(const char* name)
{
    return programDir() + QLatin1Char('/') + QLatin1String(name);
}

struct ImageToolEntry
{
    const char* program;
    bool isBatchTool;
};

ImageToolEntry entryOf(ToolCommands::ImageTool tool)
{
    switch (tool) {
    case ToolCommands::ImageTool::SingleRowSimulator:
        return {"KavioMoniter.exe", false};
    case ToolCommands::ImageTool::DoubleRowSimulator:
        return {"KavioMoniter2.exe", false};
    case ToolCommands::ImageTool::BatchTool:
        break;
    }
    return {"QD_UDisk_PLC_V3.exe", true};
}

void openLocalFile(const char* name)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(besideProgram(name)));
}

// The files are made writable for everyone first, so that a tool that left
// them read-only cannot keep them.
void removeFile(const QString& path)
{
    if (!QFile::exists(path))
        return;
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther | QFile::WriteOther |
                                    QFile::WriteOwner);
    QFile::remove(path);
}

} // namespace

ToolCommands::ToolCommands(QMainWindow* window, Compile compile)
    : QObject(window), m_window(window), m_compile(std::move(compile))
{
    connect(&m_imageTool, &QProcess::errorOccurred, this, &ToolCommands::imageToolFailed);
    action("action_chinese")->setCheckable(true);
    action("action_english")->setCheckable(true);
    checkLanguageAction();
}

void ToolCommands::checkLanguageAction()
{
    action("action_chinese")->setChecked(languageIndex() == ProcessValues::Chinese);
    action("action_english")->setChecked(languageIndex() != ProcessValues::Chinese);
}

QString ToolCommands::imageFilePath()
{
    return besideProgram("ledprj.hex");
}

QAction* ToolCommands::action(const char* name) const
{
    return m_window->findChild<QAction*>(QLatin1String(name));
}

void ToolCommands::checkForUpdate()
{
    // A library gone during a session is reported, but Segmo keeps running:
    // ending here would lose the user's unsaved changes.
    UpdateCommand::run(m_window, true);
}

void ToolCommands::showAboutBox()
{
    DlgAboutUs dialog(m_window);
    UserPrompt::exec(dialog);
}

void ToolCommands::openHelpManual()
{
    openLocalFile("Kavio.pdf");
}

void ToolCommands::openProductManual()
{
    openLocalFile("KavioProductV1.pdf");
}

void ToolCommands::openWebSite()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(kWebSite)));
}

void ToolCommands::startSoftwareCentre()
{
    m_softwareCentre.start(besideProgram("Hubrix.exe"), QStringList());
}

void ToolCommands::installUsbDriver()
{
    const QString installer = besideProgram("USB2022/ZirArovez_setup.exe");
    if (QFile::exists(installer)) {
        QProcess::startDetached(installer, QStringList());
        return;
    }
    UserPrompt::warning(m_window, QStringLiteral("Kavio"),
                        tr("安装失败：驱动文件丢失，请在官网下载最新的软件并重新安装！"),
                        tr("确定"));
}

void ToolCommands::startImageTool(ImageTool tool)
{
    // One tool at a time: a second start would overwrite the image the
    // running one reads.
    if (m_imageTool.state() != QProcess::NotRunning) {
        UserPrompt::information(m_window, tr("提示"), tr("仿真或批量工具仍在运行，请先关闭它！"));
        return;
    }
    QByteArray image;
    if (!m_compile(image))
        return;
    const ImageToolEntry entry = entryOf(tool);
    const QString program = besideProgram(entry.program);
    // Checked before the image is written, so that no image is left behind.
    if (!QFile::exists(program)) {
        UserPrompt::warning(m_window, tr("提示"),
                            entry.isBatchTool ? tr("[3001] 文件丢失,请重新安装软件！")
                                              : tr("[3001] 仿真文件丢失,请重新安装软件！"));
        return;
    }
    if (!writeImageFile(image))
        return;
    if (entry.isBatchTool)
        action("action_compile_zip")->setEnabled(false);
    const QStringList arguments =
        entry.isBatchTool ? QStringList{QStringLiteral("-build")} : QStringList{imageFilePath()};
    m_imageTool.start(program, arguments);
}

bool ToolCommands::writeImageFile(const QByteArray& image) const
{
    QFile file(imageFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(image) == image.size();
}

// A program that exists but cannot run (not executable, or built for another
// system) never finishes: it is reported and its files are cleaned up here.
void ToolCommands::imageToolFailed(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    imageToolFinished();
    UserPrompt::warning(
        m_window, tr("提示"),
        tr("无法启动程序 %1：%2").arg(m_imageTool.program(), m_imageTool.errorString()));
}

void ToolCommands::imageToolFinished()
{
    action("action_compile_zip")->setEnabled(true);
    removeFile(imageFilePath());
    removeFile(besideProgram("plc.hex"));
}

void ToolCommands::showPlcErrorHelp()
{
    DlgPlcError dialog(m_window);
    UserPrompt::exec(dialog);
}

void ToolCommands::showIoCheckHelp()
{
    DlgIOCheck dialog(m_window);
    UserPrompt::exec(dialog);
}

void ToolCommands::switchLanguage(int index)
{
    setLanguageIndex(index);
    saveLanguageSetting(index == ProcessValues::Chinese ? QStringLiteral("chinese")
                                                        : QStringLiteral("english"));
    checkLanguageAction();
    LanguageSetup::applyLanguage();
    UserPrompt::warning(
        m_window, QStringLiteral("Tips"),
        QStringLiteral("设置完毕后请重新打开软件生效！\n\n"
                       "After setting, please reopen the software to take effect!"));
}
