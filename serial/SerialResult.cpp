#include "serial/SerialResult.h"

#include <QCoreApplication>

namespace {

constexpr const char* kTexts[] = {
    "",
    QT_TRANSLATE_NOOP("SerialResult", "无法打开串口 %1"),
    QT_TRANSLATE_NOOP("SerialResult", "%1 发送失败"),
    QT_TRANSLATE_NOOP("SerialResult", "%1 校验失败"),
    QT_TRANSLATE_NOOP("SerialResult", "%1 请求超时"),
    QT_TRANSLATE_NOOP("SerialResult", "%1 参数无效"),
    QT_TRANSLATE_NOOP("SerialResult", "%1 未响应请求"),
    QT_TRANSLATE_NOOP("SerialResult", "%1 手动取消"),
};

constexpr uint kTextCount = sizeof kTexts / sizeof kTexts[0];

} // namespace

QString serialResultText(uint code, const QString& portName)
{
    if (code == Ok || code >= kTextCount)
        return QString();
    return QCoreApplication::translate("SerialResult", kTexts[code]).arg(portName);
}

QString serialFailureMessage(uint code, const QString& portName)
{
    return QCoreApplication::translate("SerialResult", "通讯失败，错误代码: 0x800%1\n\n%2")
        .arg(code)
        .arg(serialResultText(code, portName));
}
