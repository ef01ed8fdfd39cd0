#pragma once

#include <QStringList>

// The 21 panel option texts of a project, addressed by position. Numbers are
// kept as decimal text and flags as "1"/"0". The getters apply each option's
// reading rule; some of them normalise the stored text as they read it, which
// is why they are not const.
class CLedPanelOptions
{
public:
    enum Option
    {
        SixDigitMode = 0,
        ScreenSaverText = 1,
        DisplayBrightness = 2,
        DynTextSlide = 3,
        DynTextSpeed = 4,
        DynTextRows = 5,
        DynTextValues = 6,
        DynTextContents = 7,
        ScreenSaverSlide = 8,
        ScreenSaverSpeed = 9,
        BootTextEnabled = 10,
        BootTextSlide = 11,
        BootTextSpeed = 12,
        BootTextTime = 13,
        BootText = 14,
        TLampPageText = 15,
        FLampPageText = 16,
        FKeyPageText = 17,
        TLampFlickerText = 18,
        FLampFlickerText = 19,
        NavLampsOff = 20,
    };
    static constexpr int kCount = 21;

    CLedPanelOptions();

    // The raw texts, at least 21 of them (more when a file held more).
    const QStringList& texts() const { return m_texts; }
    // Replaces the texts, padding them with empty texts to 21 entries.
    void setTexts(const QStringList& texts);
    QString text(Option option) const { return m_texts.at(option); }
    void setText(Option option, const QString& text) { m_texts[option] = text; }

    qint32 sixDigitMode() const;
    void setSixDigitMode(bool on);
    QString screenSaverText() const;
    void setScreenSaverText(const QString& text);
    quint32 displayBrightness();
    void setDisplayBrightness(quint32 value);
    quint32 dynTextSlide();
    void setDynTextSlide(bool on);
    quint32 dynTextSpeed();
    void setDynTextSpeed(quint32 value);
    quint32 dynTextRows();
    void setDynTextRows(quint32 value);
    QString dynTextValues() const;
    void setDynTextValues(const QString& text);
    QString dynTextContents() const;
    void setDynTextContents(const QString& text);
    quint32 screenSaverSlide() const;
    void setScreenSaverSlide(bool on);
    quint32 screenSaverSpeed();
    void setScreenSaverSpeed(quint32 value);
    quint32 bootTextEnabled() const;
    void setBootTextEnabled(bool on);
    quint32 bootTextSlide() const;
    void setBootTextSlide(bool on);
    quint32 bootTextSpeed();
    void setBootTextSpeed(quint32 value);
    quint32 bootTextTime();
    void setBootTextTime(quint32 value);
    QString bootText() const;
    void setBootText(const QString& text);
    quint32 navLampsOff();
    void setNavLampsEnabled(bool enabled);

    // Dynamic text row j: the value and the text the panel shows for it.
    qint32 rowValue(int j) const;
    QString rowText(int j) const;

private:
    quint32 readUnsigned(Option option) const;
    // Reads an unsigned option whose empty text is first replaced by `fallback`.
    quint32 readUnsignedOr(Option option, const char* fallback);
    // Reads an unsigned option; values up to `limit` are stored back and read as `replacement`.
    quint32 readNormalised(Option option, quint32 limit, quint32 replacement);
    void setNumber(Option option, quint32 value);
    void setFlag(Option option, bool on);

    QStringList m_texts;
};
