#include "app/DlgPlcError.h"

#include "ui_DlgPlcError.h"

namespace {

QString red(const QString& text)
{
    return QStringLiteral("<span style='color:red; font-weight:bold;'>%1</span>").arg(text);
}

QString paragraph(const QString& text, bool heading)
{
    return heading ? QStringLiteral("<p style='color:black; font-weight:bold;'>%1</p>").arg(text)
                   : QStringLiteral("<p style='color:blue;'>%1</p>").arg(text);
}

// The manual of the maker's compatible mini PLC, in the installation folder.
const char* const kMiniPlcManual = "Kavio Mini PLC";
const char* const kSupportPhone = "400-800-2025";

} // namespace

DlgPlcError::DlgPlcError(QWidget* parent) : QDialog(parent), ui(new Ui::DlgPlcError)
{
    ui->setupUi(this);
    ui->mText->setHtml(helpHtml());
}

DlgPlcError::~DlgPlcError() = default;

QString DlgPlcError::helpHtml()
{
    const QString manual = red(QLatin1String(kMiniPlcManual));
    const QString texts[] = {
        tr("如果LED显示<span style='color:red; font-weight:bold;'> PLC E0 "
           "</span>则可能有以下原因："),
        tr("1. 电源不稳定: 请使用<span style='color:red; "
           "font-weight:bold;'>DC24V/2A</span>以上的开关电源;"),
        tr("2. PLC使用了不兼容的指令,请参考安装目录") + manual + tr("文档;"),
        tr("3. PLC程序结尾需要手动添加<span style='color:red; font-weight:bold;'>END</span>指令;"),
        tr("4. 尝试重新拨动<span style='color:red; font-weight:bold;'>PLC开关</span>后试试;"),
        tr("如果LED显示<span style='color:red; font-weight:bold;'> EE xxxx </span>则表示："),
        tr("1. 非0时触发报警, 其中<span style='color:red; "
           "font-weight:bold;'>xxxx</span>表示当前寄存器数值;"),
        tr("2. 如未使用到报警, 请在<span style='color:red; "
           "font-weight:bold;'>菜单/参数设置/报警</span>页面中去掉<span style='color:red; "
           "font-weight:bold;'>启用</span>的勾选框;"),
        tr("如果仍无法解决,请致电我司技术支持") + red(QLatin1String(kSupportPhone)),
    };
    QString html;
    for (int i = 0; i < 9; ++i)
        html += paragraph(texts[i], i == 0 || i == 5);
    return html;
}
