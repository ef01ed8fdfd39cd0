#include "app/UpdateCommand.h"

#include "app/ProcessValues.h"
#include "app/UpdateLibrary.h"
#include "app/UserPrompt.h"

namespace {

// Shown in Chinese whatever the language: the catalogue may be what is missing.
QString missingFileText(int code)
{
    return QStringLiteral("[%1] 文件丢失，请去Morvane官网重新下载安装软件！").arg(code);
}

} // namespace

int UpdateCommand::run(QWidget* parent, bool manual)
{
    const UpdateLibrary::CheckBinding library = UpdateLibrary::bindCheck();
    switch (library.binding) {
    case UpdateLibrary::Binding::Missing:
        UserPrompt::warning(parent, QStringLiteral("警告"), missingFileText(10001));
        return kLibraryMissing;
    case UpdateLibrary::Binding::NotLoadable:
        UserPrompt::warning(parent, QStringLiteral("警告"), missingFileText(10002));
        return kLibraryNotLoadable;
    case UpdateLibrary::Binding::ExportMissing:
        UserPrompt::warning(parent, tr("提示"),
                            tr("[10003] 文件丢失，请去Morvane官网重新下载安装软件！"));
        return kExportMissing;
    case UpdateLibrary::Binding::Ok:
        break;
    }
    const int chinese = languageIndex() == ProcessValues::Chinese ? 1 : 0;
    const int status = library.functions.updateInit(manual ? 1 : 0, chinese);
    if (manual)
        reportStatus(parent, status, library.functions.updateAuto);
    return 0;
}

void UpdateCommand::reportStatus(QWidget* parent, int status, int (*updateAuto)(int))
{
    switch (status) {
    case 0:
        if (UserPrompt::question(parent, tr("提示"), tr("你已经关闭自动更新，是否立即打开？"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            updateAuto(1);
        break;
    case 1:
        UserPrompt::information(parent, tr("提示"), tr("网络错误连接失败，请检查本机是否联网！"));
        break;
    case 2:
        UserPrompt::information(parent, tr("提示"), tr("当前已经是最新版本了！"));
        break;
    default:
        break;
    }
}
