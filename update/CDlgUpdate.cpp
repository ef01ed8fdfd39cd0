#include "update/CDlgUpdate.h"

#include "update/DialogUnits.h"
#include "update/HostEnvironment.h"
#include "update/UpdateState.h"
#include "update/VersionTexts.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QString idName(int id)
{
    return QStringLiteral("id%1").arg(id);
}

void colour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(false); // drawn on a transparent background
}

} // namespace

CDlgUpdate::CDlgUpdate(QWidget* parent) : TransferDialog(parent)
{
    setObjectName(QStringLiteral("CDlgUpdate"));
    setWindowTitle(QString::fromUtf8("软件自动升级"));
    setFixedSize(dialogUnits(0, 0, 325, 223).size());
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    buildControls();
    fill();
    raise();
    activateWindow();
}

CDlgUpdate::~CDlgUpdate()
{
    stopWorker();
}

QLabel* CDlgUpdate::addLabel(int id, const char* text, const QRect& units)
{
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(idName(id));
    label->setGeometry(units);
    return label;
}

void CDlgUpdate::buildControls()
{
    addLabel(3009, "当前版本:", dialogUnits(17, 14, 36, 8));
    m_current = addLabel(3001, "-", dialogUnits(59, 14, 81, 8));
    addLabel(3010, "最新版本:", dialogUnits(154, 14, 36, 8));
    m_offered = addLabel(3002, "-", dialogUnits(196, 14, 81, 8));
    addLabel(3011, "更新进度:", dialogUnits(17, 37, 36, 8));
    createTransferControls(dialogUnits(59, 33, 192, 14), dialogUnits(255, 36, 62, 8),
                           dialogUnits(16, 195, 133, 21), dialogUnits(175, 195, 129, 21));
    addLabel(3012, "更新内容:", dialogUnits(17, 60, 36, 8));
    m_preference = new QCheckBox(QString::fromUtf8("每次启动软件时检查更新"), this);
    m_preference->setObjectName(idName(3006));
    m_preference->setGeometry(dialogUnits(61, 59, 249, 10));
    m_notes = new QListWidget(this);
    m_notes->setObjectName(idName(3007));
    m_notes->setGeometry(dialogUnits(17, 82, 293, 104));

    colour(m_current, QColor(0, 0, 255));
    colour(m_offered, QColor(255, 0, 0));
    colour(m_status, QColor(100, 100, 100));
    connect(m_start, &QPushButton::clicked, this, &CDlgUpdate::onStart);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgUpdate::onCancel);
    connect(m_preference, &QCheckBox::clicked, this, &CDlgUpdate::onPreference);
}

void CDlgUpdate::fill()
{
    const UpdateState& state = updateState();
    const DescriptorTexts texts = state.texts();
    m_current->setText(QString::fromLatin1(VersionTexts::kShortVersion));
    m_offered->setText(texts.displayVersion);
    m_preference->setChecked(state.autoCheck.load() != 0);
    setWindowTitle(texts.title);
    if (!texts.releaseNotes.isEmpty()) {
        m_notes->addItems(texts.releaseNotes);
        m_notes->addItem(QStringLiteral(" "));
        m_notes->setCurrentRow(m_notes->count() - 1);
    }
    if (state.chinese.load() == 0)
        useEnglishTexts();
}

void CDlgUpdate::useEnglishTexts()
{
    findChild<QLabel*>(idName(3009))->setText(QStringLiteral("Current:"));
    findChild<QLabel*>(idName(3010))->setText(QStringLiteral("New:"));
    findChild<QLabel*>(idName(3012))->setText(QStringLiteral("Message:"));
    findChild<QLabel*>(idName(3011))->setText(QStringLiteral("Progress:"));
    m_cancel->setText(QStringLiteral("Cancle"));
    m_start->setText(QStringLiteral("Update"));
    m_preference->setText(QStringLiteral("Check for updates every time the software starts"));
    setWindowTitle(QStringLiteral("Software Update"));
}

void CDlgUpdate::stopWorker()
{
    if (m_worker.isRunning())
        m_worker.stop();
}

void CDlgUpdate::onStart()
{
    stopWorker();
    updateState().cancelDownload.store(false);
    m_worker.start(QPointer<CDlgUpdate>(this));
}

void CDlgUpdate::onCancel()
{
    UpdateState& state = updateState();
    state.cancelDownload.store(true);
    state.downloading.store(false);
    if (m_worker.isRunning()) {
        m_worker.stop();
        QFile::remove(HostEnvironment::hostFolder() + QStringLiteral("/Tavro.pdf"));
    }
    QDialog::reject();
}

void CDlgUpdate::reject()
{
    // Closing the dialog must not leave a download behind that would start
    // the installer and end the host later.
    updateState().cancelDownload.store(true);
    updateState().downloading.store(false);
    stopWorker();
    QDialog::reject();
}

void CDlgUpdate::onPreference(bool checked)
{
    updateState().autoCheck.store(checked ? 1 : 0);
    HostEnvironment::writeAutoPreference(checked ? 1 : 0);
}
