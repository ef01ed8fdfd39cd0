#include "project/CLedPanelOptions.h"

CLedPanelOptions::CLedPanelOptions()
{
    m_texts = QStringList{
        QStringLiteral("0"), // sixDigitMode
        QString(),           // screenSaverText
        QStringLiteral("4"), // displayBrightness
        QStringLiteral("1"), // dynTextSlide
        QStringLiteral("1"), // dynTextSpeed
        QStringLiteral("0"), // dynTextRows
        QString(),           // dynTextValues
        QString(),           // dynTextContents
        QStringLiteral("1"), // screenSaverSlide
        QStringLiteral("1"), // screenSaverSpeed
        QStringLiteral("0"), // bootTextEnabled
        QStringLiteral("1"), // bootTextSlide
        QStringLiteral("1"), // bootTextSpeed
        QStringLiteral("5"), // bootTextTime
        QStringLiteral("-"), // bootText
        QString(),           // tLampPage
        QString(),           // fLampPage
        QString(),           // fKeyPage
        QString(),           // tLampFlicker
        QString(),           // fLampFlicker
        QString(),           // navLampsOff
    };
}

void CLedPanelOptions::setTexts(const QStringList& texts)
{
    m_texts = texts;
    while (m_texts.size() < kCount)
        m_texts.append(QString());
}

quint32 CLedPanelOptions::readUnsigned(Option option) const
{
    return m_texts.at(option).toUInt();
}

quint32 CLedPanelOptions::readUnsignedOr(Option option, const char* fallback)
{
    if (m_texts.at(option).isEmpty())
        m_texts[option] = QString::fromLatin1(fallback);
    return readUnsigned(option);
}

quint32 CLedPanelOptions::readNormalised(Option option, quint32 limit, quint32 replacement)
{
    const quint32 value = readUnsigned(option);
    if (value > limit)
        return value;
    m_texts[option] = QString::number(replacement);
    return replacement;
}

void CLedPanelOptions::setNumber(Option option, quint32 value)
{
    m_texts[option] = QString::number(value);
}

void CLedPanelOptions::setFlag(Option option, bool on)
{
    m_texts[option] = on ? QStringLiteral("1") : QStringLiteral("0");
}

qint32 CLedPanelOptions::sixDigitMode() const
{
    return m_texts.at(SixDigitMode).toInt();
}

void CLedPanelOptions::setSixDigitMode(bool on)
{
    setFlag(SixDigitMode, on);
}

QString CLedPanelOptions::screenSaverText() const
{
    return m_texts.at(ScreenSaverText);
}

void CLedPanelOptions::setScreenSaverText(const QString& text)
{
    m_texts[ScreenSaverText] = text;
}

quint32 CLedPanelOptions::displayBrightness()
{
    return readUnsignedOr(DisplayBrightness, "4");
}

void CLedPanelOptions::setDisplayBrightness(quint32 value)
{
    setNumber(DisplayBrightness, value);
}

quint32 CLedPanelOptions::dynTextSlide()
{
    return readUnsignedOr(DynTextSlide, "0");
}

void CLedPanelOptions::setDynTextSlide(bool on)
{
    setFlag(DynTextSlide, on);
}

quint32 CLedPanelOptions::dynTextSpeed()
{
    const quint32 value = readUnsignedOr(DynTextSpeed, "1");
    return value == 0 ? 1 : value;
}

void CLedPanelOptions::setDynTextSpeed(quint32 value)
{
    setNumber(DynTextSpeed, value);
}

quint32 CLedPanelOptions::dynTextRows()
{
    return readUnsignedOr(DynTextRows, "0");
}

void CLedPanelOptions::setDynTextRows(quint32 value)
{
    setNumber(DynTextRows, value);
}

QString CLedPanelOptions::dynTextValues() const
{
    return m_texts.at(DynTextValues);
}

void CLedPanelOptions::setDynTextValues(const QString& text)
{
    m_texts[DynTextValues] = text;
}

QString CLedPanelOptions::dynTextContents() const
{
    return m_texts.at(DynTextContents);
}

void CLedPanelOptions::setDynTextContents(const QString& text)
{
    m_texts[DynTextContents] = text;
}

quint32 CLedPanelOptions::screenSaverSlide() const
{
    return readUnsigned(ScreenSaverSlide);
}

void CLedPanelOptions::setScreenSaverSlide(bool on)
{
    setFlag(ScreenSaverSlide, on);
}

quint32 CLedPanelOptions::screenSaverSpeed()
{
    return readNormalised(ScreenSaverSpeed, 1, 1);
}

void CLedPanelOptions::setScreenSaverSpeed(quint32 value)
{
    setNumber(ScreenSaverSpeed, value);
}

quint32 CLedPanelOptions::bootTextEnabled() const
{
    return readUnsigned(BootTextEnabled);
}

void CLedPanelOptions::setBootTextEnabled(bool on)
{
    setFlag(BootTextEnabled, on);
}

quint32 CLedPanelOptions::bootTextSlide() const
{
    return readUnsigned(BootTextSlide);
}

void CLedPanelOptions::setBootTextSlide(bool on)
{
    setFlag(BootTextSlide, on);
}

quint32 CLedPanelOptions::bootTextSpeed()
{
    return readNormalised(BootTextSpeed, 1, 1);
}

void CLedPanelOptions::setBootTextSpeed(quint32 value)
{
    setNumber(BootTextSpeed, value);
}

quint32 CLedPanelOptions::bootTextTime()
{
    return readNormalised(BootTextTime, 0, 5);
}

void CLedPanelOptions::setBootTextTime(quint32 value)
{
    setNumber(BootTextTime, value);
}

QString CLedPanelOptions::bootText() const
{
    return m_texts.at(BootText);
}

void CLedPanelOptions::setBootText(const QString& text)
{
    m_texts[BootText] = text;
}

quint32 CLedPanelOptions::navLampsOff()
{
    return readUnsignedOr(NavLampsOff, "0");
}

void CLedPanelOptions::setNavLampsEnabled(bool enabled)
{
    setFlag(NavLampsOff, !enabled);
}

qint32 CLedPanelOptions::rowValue(int j) const
{
    const QString values = dynTextValues();
    if (values.isEmpty() || j < 0)
        return j + 1;
    // Parts missing after the stored ones read as the row's own number.
    const QStringList parts = values.split(QLatin1Char('|'));
    return j < parts.size() ? parts.at(j).toInt() : j + 1;
}

QString CLedPanelOptions::rowText(int j) const
{
    const QString contents = dynTextContents();
    if (contents.isEmpty() || j < 0)
        return QStringLiteral("-");
    const QStringList parts = contents.split(QLatin1Char('|'));
    return j < parts.size() ? parts.at(j) : QStringLiteral("-");
}
