#include "project/CLedProject.h"

#include "app/PortSelection.h"

#include <algorithm>
#include <limits>

namespace {
constexpr qint32 kLastPossiblePage = std::numeric_limits<qint32>::max();
} // namespace

CLedProject::CLedProject() = default;

CLedProject::CLedProject(const QString& path)
{
    portName = currentPortName();
    filePath = path;
}

CLedProject::CLedProject(const QString& model, quint32 modelPosition, quint32 vendor,
                         quint32 plcModel)
{
    modelName = model;
    modelIndex = modelPosition;
    plcVendorIndex = vendor;
    plcModelIndex = plcModel;
    portName = currentPortName();
    isOpen = true;
}

const CLedPage* CLedProject::page(int i) const
{
    return isValidPage(i) ? &m_pages.at(i) : nullptr;
}

int CLedProject::addPage()
{
    CLedPage page;
    page.paramText = QStringLiteral("%1").arg(m_pages.size() % 256, 2, 10, QLatin1Char('0'));
    m_pages.append(page);
    return m_pages.size() - 1;
}

int CLedProject::copyPage(int i)
{
    if (!isValidPage(i))
        return -1;
    const CLedPage copy = m_pages.at(i);
    m_pages.append(copy);
    currentPage = m_pages.size() - 1;
    return currentPage;
}

int CLedProject::removePage(int i)
{
    if (!isValidPage(i))
        return -1;
    for (int kind = TLampPage; kind <= FKeyPage; ++kind)
        m_assignments[kind].clearPage(i);
    m_pages.remove(i);
    currentPage = m_pages.isEmpty() ? -1 : std::max(i - 1, 0);
    shiftPageReferences(i + 1, kLastPossiblePage, -1);
    writeAllAssignmentTexts();
    return currentPage;
}

void CLedProject::movePageUp(int i)
{
    if (i < 1 || i >= m_pages.size())
        return;
    const int j = i - 1;
    const std::array<int, 3> ofJ = numbersOfPage(j);
    const std::array<int, 3> ofI = numbersOfPage(i);
    for (int kind = TLampPage; kind <= FKeyPage; ++kind) {
        if (ofJ[kind] != -1)
            m_assignments[kind].assign(i, ofJ[kind]);
        if (ofI[kind] != -1)
            m_assignments[kind].assign(j, ofI[kind]);
    }
    std::swap(m_pages[i], m_pages[j]);
    writeAllAssignmentTexts();
}

void CLedProject::movePageDown(int i)
{
    if (i < 0 || i >= m_pages.size() - 1)
        return;
    // Moving page i down is moving page i + 1 up.
    movePageUp(i + 1);
}

void CLedProject::movePageToTop(int i)
{
    if (i < 1 || i >= m_pages.size())
        return;
    const std::array<int, 3> numbers = numbersOfPage(i);
    shiftPageReferences(0, i - 1, +1);
    for (int kind = TLampPage; kind <= FKeyPage; ++kind) {
        if (numbers[kind] != -1)
            m_assignments[kind].assign(0, numbers[kind]);
    }
    const CLedPage moved = m_pages.takeAt(i);
    m_pages.prepend(moved);
    writeAllAssignmentTexts();
}

void CLedProject::movePageToBottom(int i)
{
    if (i < 0 || i >= m_pages.size() - 1)
        return;
    const int last = m_pages.size() - 1;
    const std::array<int, 3> numbers = numbersOfPage(i);
    shiftPageReferences(i + 1, last, -1);
    for (int kind = TLampPage; kind <= FKeyPage; ++kind) {
        if (numbers[kind] != -1)
            m_assignments[kind].assign(last, numbers[kind]);
    }
    const CLedPage moved = m_pages.takeAt(i);
    m_pages.append(moved);
    writeAllAssignmentTexts();
}

void CLedProject::setCurrentPage(int i)
{
    if (isValidPage(i))
        currentPage = i;
}

void CLedProject::setPageDescription(int i, const QString& text)
{
    setPageField(i, &CLedPage::description, text);
}

void CLedProject::setPageTotalDigits(int i, quint32 value)
{
    setPageField(i, &CLedPage::totalDigits, value);
}

void CLedProject::setPageDecimals(int i, quint32 value)
{
    setPageField(i, &CLedPage::decimals, value);
}

void CLedProject::setPageSigned(int i, bool on)
{
    setPageField(i, &CLedPage::isSigned, on);
}

void CLedProject::setPageLeadingZero(int i, bool on)
{
    setPageField(i, &CLedPage::leadingZero, on);
}

void CLedProject::setPageSettable(int i, bool on)
{
    setPageField(i, &CLedPage::settable, on);
}

void CLedProject::setPageEncrypted(int i, bool on)
{
    setPageField(i, &CLedPage::encrypted, on);
}

void CLedProject::setPageLimited(int i, bool on)
{
    setPageField(i, &CLedPage::limited, on);
}

void CLedProject::setPageMinValue(int i, qint32 value)
{
    setPageField(i, &CLedPage::minValue, value);
}

void CLedProject::setPageMaxValue(int i, qint32 value)
{
    setPageField(i, &CLedPage::maxValue, value);
}

void CLedProject::setPageParamText(int i, const QString& text)
{
    if (CLedPage* p = mutablePage(i))
        p->paramText = text.toUpper();
}

void CLedProject::setPageStation(int i, quint32 value)
{
    if (CLedPage* p = mutablePage(i))
        p->reg.station = value & 0xFF;
}

void CLedProject::setPageRegType(int i, const QString& type)
{
    if (CLedPage* p = mutablePage(i))
        p->reg.type = type;
}

void CLedProject::setPageAddress(int i, quint32 value)
{
    if (CLedPage* p = mutablePage(i))
        p->reg.address = value;
}

void CLedProject::setPageCount(int i, quint32 value)
{
    if (CLedPage* p = mutablePage(i))
        p->reg.count = value;
}

// The getters' fallbacks for a missing page are what the editor shows then.
QString CLedProject::pageDescription(int i) const
{
    return pageField(i, &CLedPage::description, QString());
}

quint32 CLedProject::pageTotalDigits(int i) const
{
    return pageField(i, &CLedPage::totalDigits, quint32(5));
}

quint32 CLedProject::pageDecimals(int i) const
{
    return pageField(i, &CLedPage::decimals, quint32(0));
}

bool CLedProject::pageSigned(int i) const
{
    return pageField(i, &CLedPage::isSigned, false);
}

bool CLedProject::pageLeadingZero(int i) const
{
    return pageField(i, &CLedPage::leadingZero, false);
}

bool CLedProject::pageSettable(int i) const
{
    return pageField(i, &CLedPage::settable, false);
}

bool CLedProject::pageEncrypted(int i) const
{
    return pageField(i, &CLedPage::encrypted, false);
}

bool CLedProject::pageLimited(int i) const
{
    return pageField(i, &CLedPage::limited, false);
}

qint32 CLedProject::pageMinValue(int i) const
{
    return pageField(i, &CLedPage::minValue, qint32(-32768));
}

qint32 CLedProject::pageMaxValue(int i) const
{
    return pageField(i, &CLedPage::maxValue, qint32(32767));
}

QString CLedProject::pageParamText(int i) const
{
    return pageField(i, &CLedPage::paramText, QString());
}

quint32 CLedProject::pageStation(int i) const
{
    return isValidPage(i) ? m_pages.at(i).reg.station : 0;
}

QString CLedProject::pageRegType(int i) const
{
    return isValidPage(i) ? m_pages.at(i).reg.type : QString();
}

quint32 CLedProject::pageAddress(int i) const
{
    return isValidPage(i) ? m_pages.at(i).reg.address : 0;
}

quint32 CLedProject::pageCountOfRegisters(int i) const
{
    return isValidPage(i) ? m_pages.at(i).reg.count : 1;
}

void CLedProject::replaceOptions(const QStringList& texts)
{
    m_options.setTexts(texts);
    for (int kind = 0; kind < kAssignmentKinds; ++kind) {
        const auto option = CLedPanelOptions::Option(CLedPanelOptions::TLampPageText + kind);
        m_assignments[kind].fromText(m_options.text(option));
    }
}

// A number goes only to an existing page: a dangling page index would be
// compiled into the panel's key table.
void CLedProject::assignNumber(AssignmentKind kind, int page, int n)
{
    if (!isValidPage(page) || n < 0 || n >= CLedAssignmentArray::kSize)
        return;
    m_assignments[kind].assign(page, n);
    writeAssignmentText(kind);
}

int CLedProject::numberOfPage(AssignmentKind kind, int page) const
{
    return isValidPage(page) ? m_assignments[kind].numberOfPage(page) : -1;
}

void CLedProject::setFlicker(AssignmentKind kind, int n, bool on)
{
    if (n < 0 || n >= CLedAssignmentArray::kSize)
        return;
    m_assignments[kind].setFlag(n, on);
    writeAssignmentText(kind);
}

std::array<int, 3> CLedProject::numbersOfPage(int page) const
{
    return {m_assignments[TLampPage].numberOfPage(page),
            m_assignments[FLampPage].numberOfPage(page),
            m_assignments[FKeyPage].numberOfPage(page)};
}

void CLedProject::shiftPageReferences(qint32 first, qint32 last, int delta)
{
    for (int kind = TLampPage; kind <= FKeyPage; ++kind)
        m_assignments[kind].shiftPages(first, last, delta);
}

void CLedProject::writeAssignmentText(AssignmentKind kind)
{
    const auto option = CLedPanelOptions::Option(CLedPanelOptions::TLampPageText + kind);
    m_options.setText(option, m_assignments[kind].toText());
}

void CLedProject::writeAllAssignmentTexts()
{
    for (int kind = TLampPage; kind <= FKeyPage; ++kind)
        writeAssignmentText(AssignmentKind(kind));
}
