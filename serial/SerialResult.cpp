#include "serial/SerialResult.h"

#include <QCoreApplication>

namespace {

struct ResultText
{
    const char* chinese;
    const char* english;
};

constexpr ResultText kTexts[] = {
    {"", ""},
    {QT_TRANSLATE_NOOP("SerialResult", "无法打开串口 %1"), "Cannot open serial port %1"},
    {QT_TRANSLATE_NOOP("SerialResult", "%1 发送失败"), "%1 sending failed"},
    {QT_TRANSLATE_NOOP("SerialResult", "%1 校验失败"), "%1 check failed"},
    {QT_TRANSLATE_NOOP("SerialResult", "%1 请求超时"), "%1 request timed out"},
    {QT_TRANSLATE_NOOP("SerialResult", "%1 参数无效"), "%1 invalid parameter"},
    {QT_TRANSLATE_NOOP("SerialResult", "%1 未响应请求"), "%1 did not respond"},
    {QT_TRANSLATE_NOOP("SerialResult", "%1 手动取消"), "%1 cancelled by the user"},
};

constexpr uint kTextCount = sizeof kTexts / sizeof kTexts[0];

} // namespace

QString serialResultText(uint code, const QString& portName)
{
    if (code == Ok || code >= kTextCount)
        return QString();
    return QCoreApplication::translate("SerialResult", kTexts[code].chinese).arg(portName);
}

QString serialFailureMessage(uint code, const QString& portName)
{
    return QCoreApplication::translate("SerialResult", "通讯失败，错误代码: 0x800%1\n\n%2")
        .arg(code)
        .arg(serialResultText(code, portName));
}

QString serialResultTextEnglish(uint code, const QString& portName)
{
    if (code == Ok || code >= kTextCount)
        return QString();
    return QString::fromLatin1(kTexts[code].english).arg(portName);
}
