#pragma once

#include "project/CLedAssignmentArray.h"
#include "project/CLedLinkSettings.h"
#include "project/CLedPage.h"
#include "project/CLedPanelOptions.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>
#include <array>

// The project: what one panel shows and does. Plain fields are public; the
// pages and the lamp and key assignments are reached through operations that
// keep them consistent with each other.
class CLedProject
{
public:
    static constexpr int kMaxPages = 100;
    static constexpr int kExtraRegisterCount = 32;
    static constexpr int kSpareListCount = 4;

    // The five assignment arrays, in the order of their panel option texts.
    enum AssignmentKind
    {
        TLampPage = 0,
        FLampPage,
        FKeyPage,
        TLampFlicker,
        FLampFlicker
    };
    static constexpr int kAssignmentKinds = 5;

    CLedProject();
    // A project about to be loaded from `filePath`.
    explicit CLedProject(const QString& filePath);
    // A new, open project (File New).
    CLedProject(const QString& modelName, quint32 modelIndex, quint32 plcVendorIndex,
                quint32 plcModelIndex);

    CLedProject(const CLedProject&) = delete;
    CLedProject& operator=(const CLedProject&) = delete;
    CLedProject(CLedProject&&) = default;
    CLedProject& operator=(CLedProject&&) = default;

    // Project file (CLedProjectFile.cpp): save returns false when the file
    // cannot be written; load returns 0, 1 (cannot open) or 2 (not a project).
    bool save(const QString& path);
    int load(const QString& path);
    // The scrambled panel image (CLedImageCompiler.cpp).
    QByteArray buildImage();

    // Pages.
    int pageCount() const { return m_pages.size(); }
    const CLedPage* page(int i) const;
    const QVector<CLedPage>& pages() const { return m_pages; }
    bool isValidPage(int i) const { return i >= 0 && i < m_pages.size(); }
    int addPage();
    int copyPage(int i);
    int removePage(int i);
    void movePageUp(int i);
    void movePageDown(int i);
    void movePageToTop(int i);
    void movePageToBottom(int i);
    void setCurrentPage(int i);
    // Appends a page as it is (the loader and importers).
    void appendPage(const CLedPage& page) { m_pages.append(page); }

    void setPageDescription(int i, const QString& text);
    void setPageTotalDigits(int i, quint32 value);
    void setPageDecimals(int i, quint32 value);
    void setPageSigned(int i, bool on);
    void setPageLeadingZero(int i, bool on);
    void setPageSettable(int i, bool on);
    void setPageEncrypted(int i, bool on);
    void setPageLimited(int i, bool on);
    void setPageMinValue(int i, qint32 value);
    void setPageMaxValue(int i, qint32 value);
    void setPageParamText(int i, const QString& text);
    void setPageStation(int i, quint32 value);
    void setPageRegType(int i, const QString& type);
    void setPageAddress(int i, quint32 value);
    void setPageCount(int i, quint32 value);

    QString pageDescription(int i) const;
    quint32 pageTotalDigits(int i) const;
    quint32 pageDecimals(int i) const;
    bool pageSigned(int i) const;
    bool pageLeadingZero(int i) const;
    bool pageSettable(int i) const;
    bool pageEncrypted(int i) const;
    bool pageLimited(int i) const;
    qint32 pageMinValue(int i) const;
    qint32 pageMaxValue(int i) const;
    QString pageParamText(int i) const;
    quint32 pageStation(int i) const;
    QString pageRegType(int i) const;
    quint32 pageAddress(int i) const;
    quint32 pageCountOfRegisters(int i) const;

    // Lamps and keys: n is 1..10, 0 means none.
    void assignTLamp(int page, int n) { assignNumber(TLampPage, page, n); }
    void assignFLamp(int page, int n) { assignNumber(FLampPage, page, n); }
    void assignFKey(int page, int n) { assignNumber(FKeyPage, page, n); }
    int tLampOfPage(int page) const { return numberOfPage(TLampPage, page); }
    int fLampOfPage(int page) const { return numberOfPage(FLampPage, page); }
    int fKeyOfPage(int page) const { return numberOfPage(FKeyPage, page); }
    qint32 pageOfTLamp(int n) const { return m_assignments[TLampPage].at(n, -1); }
    qint32 pageOfFLamp(int n) const { return m_assignments[FLampPage].at(n, -1); }
    qint32 pageOfFKey(int n) const { return m_assignments[FKeyPage].at(n, -1); }
    void setTLampFlicker(int n, bool on) { setFlicker(TLampFlicker, n, on); }
    void setFLampFlicker(int n, bool on) { setFlicker(FLampFlicker, n, on); }
    qint32 tLampFlicker(int n) const { return m_assignments[TLampFlicker].at(n, 0); }
    qint32 fLampFlicker(int n) const { return m_assignments[FLampFlicker].at(n, 0); }
    const CLedAssignmentArray& assignments(AssignmentKind kind) const
    {
        return m_assignments[kind];
    }

    // Panel options. Changing the assignment texts through options() is not
    // allowed; replaceOptions() rebuilds the arrays from the texts it is given.
    CLedPanelOptions& options() { return m_options; }
    const CLedPanelOptions& options() const { return m_options; }
    void replaceOptions(const QStringList& texts);
    qint32 rowValue(int j) const { return m_options.rowValue(j); }
    QString rowText(int j) const { return m_options.rowText(j); }

    bool isOpen = false;
    bool isModified = false;
    qint32 currentPage = -1;
    quint32 plcVendorIndex = 0;
    quint32 plcModelIndex = 0;
    QString modelName = QStringLiteral("0");
    quint32 modelIndex = 0;
    CLedLinkSettings link;
    QString portName = QStringLiteral("COM1");
    QString banner;
    QString version;
    QString filePath;
    std::array<QStringList, kSpareListCount> spareLists;
    std::array<CLedRegister, kExtraRegisterCount> extraRegisters;
    quint32 password = 6085;
    quint32 screenSaverTime = 3;
    quint32 screenSaverMode = 0;
    qint32 screenSaverBrightness = 4;
    bool useKeyAddress = true;
    bool useKeyLampAddress = true;
    bool useTLampAddress = true;
    bool useAlarm = true;
    bool useCustomLeft = true;
    bool useCustomRight = true;
    bool leftSigned = false;
    bool leftLeadingZero = false;
    bool rightSigned = false;
    bool rightLeadingZero = false;
    bool keyVoiceOff = false;
    quint32 leftDecimals = 0;
    quint32 rightDecimals = 0;
    bool useBuzzer = true;
    CLedRegister keyRegister = CLedRegister::of(QStringLiteral("M"), 0);
    CLedRegister keyLampRegister = CLedRegister::of(QStringLiteral("M"), 10);
    CLedRegister tLampRegister = CLedRegister::of(QStringLiteral("M"), 20);
    CLedRegister alarmRegister = CLedRegister::of(QStringLiteral("D"), 2);
    CLedRegister leftRegister = CLedRegister::of(QStringLiteral("D"), 0);
    CLedRegister rightRegister = CLedRegister::of(QStringLiteral("D"), 1);
    CLedRegister buzzerRegister = CLedRegister::of(QStringLiteral("M"), 30);

private:
    CLedPage* mutablePage(int i) { return isValidPage(i) ? &m_pages[i] : nullptr; }
    template <typename T> void setPageField(int i, T CLedPage::*field, const T& value)
    {
        if (CLedPage* p = mutablePage(i))
            p->*field = value;
    }
    template <typename T> T pageField(int i, T CLedPage::*field, const T& fallback) const
    {
        return isValidPage(i) ? m_pages.at(i).*field : fallback;
    }
    void assignNumber(AssignmentKind kind, int page, int n);
    int numberOfPage(AssignmentKind kind, int page) const;
    void setFlicker(AssignmentKind kind, int n, bool on);
    // The three page numbers (T-lamp, F-lamp, F-key) of a page, -1 for none.
    std::array<int, 3> numbersOfPage(int page) const;
    void shiftPageReferences(qint32 first, qint32 last, int delta);
    void writeAssignmentText(AssignmentKind kind);
    void writeAllAssignmentTexts();

    QVector<CLedPage> m_pages;
    CLedPanelOptions m_options;
    std::array<CLedAssignmentArray, kAssignmentKinds> m_assignments;
};
