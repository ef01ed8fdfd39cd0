#include "plc/DlgTextmonitor.h"

#include "app/UserPrompt.h"
#include "app/WindowGeometry.h"
#include "plc/CPlcManager.h"
#include "project/CLedProject.h"
#include "ui_DlgTextmonitor.h"

#include <QRegularExpressionValidator>

namespace {

const QString kGeometryName = QStringLiteral("DlgTextMonitor");
const QString kRed = QStringLiteral("QLabel{color:rgba(255, 0, 0, 255);}");

// Selects the entry whose text is the number; none when no entry is.
void selectNumber(QComboBox* list, quint32 value)
{
    list->setCurrentIndex(list->findText(QString::number(value)));
}

quint32 selectedNumber(const QComboBox* list)
{
    return list->currentIndex() < 0 ? 0 : list->currentText().toUInt();
}

// Selects the type, adding it when the list lacks it (a model missing from
// the catalogue leaves the lists with just the project's own types).
void selectType(QComboBox* list, const QString& type)
{
    int index = list->findText(type, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && list->count() == 0 && !type.isEmpty()) {
        list->addItem(type);
        index = 0;
    }
    list->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

QString DlgTextmonitor::panelTextPattern()
{
    return QStringLiteral("^[ 0-9a-fA-FhHlLpPuU-]+$");
}

DlgTextmonitor::DlgTextmonitor(QWidget* parent, CLedProject* project)
    : QDialog(parent), ui(new Ui::DlgTextmonitor), m_project(project)
{
    ui->setupUi(this);
    for (QLabel* label : {ui->label_3, ui->label_7, ui->label_9, ui->labelSaverNote})
        label->setStyleSheet(kRed);
    for (int seconds = 1; seconds <= 255; ++seconds)
        ui->mBootTime->addItem(QString::number(seconds));
    ui->mBootTime->setCurrentIndex(8);
    for (int minutes = 0; minutes <= 59; ++minutes)
        ui->comboBox_screensavertimer->addItem(QString::number(minutes));
    ui->lineEdit_password->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]+$")), this));
    for (QLineEdit* text : {ui->mShowText, ui->mBootText}) {
        text->setValidator(
            new QRegularExpressionValidator(QRegularExpression(panelTextPattern()), this));
        connect(text, &QLineEdit::textChanged, this, &DlgTextmonitor::toUpper);
    }
    for (QSpinBox* address : {ui->mValPress, ui->mValLight, ui->mValTLight})
        connect(address, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &DlgTextmonitor::updateRangeLabels);
    for (QComboBox* type : {ui->mNamePress, ui->mNameLight, ui->mNameTLight})
        connect(type, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &DlgTextmonitor::updateRangeLabels);
    if (m_project) {
        fillTypeLists();
        load();
    }
    restoreWindowGeometry(this, kGeometryName);
}

DlgTextmonitor::~DlgTextmonitor() = default;

void DlgTextmonitor::fillTypeLists()
{
    const CPlcModel* model =
        CPlcManager::instance().findModel(m_project->plcVendorIndex, m_project->plcModelIndex);
    if (!model)
        return;
    for (QComboBox* list : {ui->mNameAlarm, ui->mNameCustomLeft, ui->mNameCustomRight}) {
        for (const CPlcAddrType* type : model->wordTypes())
            list->addItem(type->name());
    }
    for (QComboBox* list : {ui->mNamePress, ui->mNameLight, ui->mNameTLight, ui->mNameBuzzer}) {
        for (const CPlcAddrType* type : model->bitTypes())
            list->addItem(type->name());
    }
}

void DlgTextmonitor::load()
{
    CLedProject& p = *m_project;
    CLedPanelOptions& o = p.options();
    ui->lineEdit_password->setText(QString::number(p.password));
    ui->comboBox_screensavertimer->setCurrentIndex(int(p.screenSaverTime));
    QRadioButton* modes[] = {ui->radioBkClose, ui->radioBkLight, ui->radioBkText};
    if (p.screenSaverMode < 3)
        modes[p.screenSaverMode]->setChecked(true);
    showSaverWidgets(int(p.screenSaverMode));
    selectNumber(ui->comboBox_luminance, quint32(p.screenSaverBrightness));
    ui->mShowText->setText(o.screenSaverText());
    ui->mCheckSlider->setChecked(o.screenSaverSlide() != 0);
    selectNumber(ui->mSpeed, o.screenSaverSpeed());
    selectNumber(ui->mScreenLight, o.displayBrightness());
    ui->mCheckGuide->setChecked(o.navLampsOff() == 0);

    ui->mStation->setValue(int(p.keyRegister.station));
    struct Row
    {
        QCheckBox* use;
        QComboBox* type;
        QSpinBox* address;
        bool used;
        const CLedRegister& reg;
        const char* suffix;
    };
    const Row rows[] = {
        {ui->mCheckPress, ui->mNamePress, ui->mValPress, p.useKeyAddress, p.keyRegister, "Press"},
        {ui->mCheckLight, ui->mNameLight, ui->mValLight, p.useKeyLampAddress, p.keyLampRegister,
         "Light"},
        {ui->mCheckTLight, ui->mNameTLight, ui->mValTLight, p.useTLampAddress, p.tLampRegister,
         "TLight"},
        {ui->mCheckAlarm, ui->mNameAlarm, ui->mValAlarm, p.useAlarm, p.alarmRegister, "Alarm"},
        {ui->mCheckBuzzer, ui->mNameBuzzer, ui->mValBuzzer, p.useBuzzer, p.buzzerRegister,
         "Buzzer"},
    };
    for (const Row& row : rows) {
        row.use->setChecked(row.used);
        selectType(row.type, row.reg.type);
        row.address->setValue(int(row.reg.address));
        showRow(row.suffix, row.used);
    }
    ui->mCheckCustomLeft->setChecked(p.useCustomLeft);
    selectType(ui->mNameCustomLeft, p.leftRegister.type);
    ui->mValCustomLeft->setValue(int(p.leftRegister.address));
    ui->mPointCustomLeft->setValue(int(p.leftDecimals));
    ui->mCheckUnsignLeft->setChecked(p.leftSigned);
    ui->mCheckZeroLeft->setChecked(p.leftLeadingZero);
    showField("Left", p.useCustomLeft);
    ui->mCheckCustomRight->setChecked(p.useCustomRight);
    selectType(ui->mNameCustomRight, p.rightRegister.type);
    ui->mValCustomRight->setValue(int(p.rightRegister.address));
    ui->mPointCustomRight->setValue(int(p.rightDecimals));
    ui->mCheckUnsignRight->setChecked(p.rightSigned);
    ui->mCheckZeroRight->setChecked(p.rightLeadingZero);
    showField("Right", p.useCustomRight);
    ui->mKeyVoice->setChecked(p.keyVoiceOff);

    ui->mCheckBootText->setChecked(o.bootTextEnabled() != 0);
    ui->mBootText->setText(o.bootText());
    ui->mBootSlider->setChecked(o.bootTextSlide() != 0);
    selectNumber(ui->mBootSpeed, o.bootTextSpeed());
    selectNumber(ui->mBootTime, o.bootTextTime());
    if (o.sixDigitMode() != 0)
        setSixDigitMode(true);
    ui->mGroupBoot->setVisible(ui->mCheckBootText->isChecked());
    updateRangeLabels();
}

void DlgTextmonitor::toUpper(const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(sender());
    if (edit && text != text.toUpper()) {
        const int cursor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(cursor);
    }
}

void DlgTextmonitor::updateRangeLabels()
{
    auto span = [](const QComboBox* type, const QSpinBox* address, int offset) {
        return type->currentText() + QString::number(address->value() + offset);
    };
    ui->label_3->setText(
        tr("范围:%1-%2")
            .arg(span(ui->mNamePress, ui->mValPress, 0), span(ui->mNamePress, ui->mValPress, 11)));
    ui->label_7->setText(
        tr("范围:%1-%2")
            .arg(span(ui->mNameLight, ui->mValLight, 0), span(ui->mNameLight, ui->mValLight, 11)));
    ui->label_9->setText(tr("范围:%1-%2  %3为时钟点,%4为T9灯,%5为T10灯")
                             .arg(span(ui->mNameTLight, ui->mValTLight, 0),
                                  span(ui->mNameTLight, ui->mValTLight, 11),
                                  span(ui->mNameTLight, ui->mValTLight, 8),
                                  span(ui->mNameTLight, ui->mValTLight, 9),
                                  span(ui->mNameTLight, ui->mValTLight, 10)));
}

void DlgTextmonitor::showRow(const char* suffix, bool visible)
{
    const QString name = QString::fromLatin1(suffix);
    for (const QString& widget :
         {QStringLiteral("labelName") + name, QStringLiteral("mName") + name,
          QStringLiteral("labelVal") + name, QStringLiteral("mVal") + name}) {
        if (QWidget* w = findChild<QWidget*>(widget))
            w->setVisible(visible);
    }
    const QString range = name == QLatin1String("Press")    ? QStringLiteral("label_3")
                          : name == QLatin1String("Light")  ? QStringLiteral("label_7")
                          : name == QLatin1String("TLight") ? QStringLiteral("label_9")
                                                            : QString();
    if (QWidget* w = range.isEmpty() ? nullptr : findChild<QWidget*>(range))
        w->setVisible(visible);
}

void DlgTextmonitor::showField(const char* side, bool visible)
{
    const QString s = QString::fromLatin1(side);
    for (const QString& widget :
         {QStringLiteral("labelNameCustom") + s, QStringLiteral("mNameCustom") + s,
          QStringLiteral("labelValCustom") + s, QStringLiteral("mValCustom") + s,
          QStringLiteral("labelPoint") + s, QStringLiteral("mPointCustom") + s,
          QStringLiteral("mCheckUnsign") + s, QStringLiteral("mCheckZero") + s}) {
        if (QWidget* w = findChild<QWidget*>(widget))
            w->setVisible(visible);
    }
}

void DlgTextmonitor::showSaverWidgets(int mode)
{
    ui->comboBox_luminance->setVisible(mode >= 1);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->mShowText, ui->labelShowText,
                                                      ui->mCheckSlider, ui->mSpeed, ui->labelSpeed})
        w->setVisible(mode == 2);
}

void DlgTextmonitor::setSixDigitMode(bool on)
{
    ui->mCheckUseSix->setChecked(on);
    if (on) {
        ui->mCheckCustomLeft->setChecked(false);
        ui->groupLeft->hide();
        ui->mPointCustomRight->setMaximum(4);
    } else {
        ui->groupLeft->show();
        ui->mPointCustomRight->setMaximum(3);
    }
}

void DlgTextmonitor::on_mCheckPress_clicked(bool checked)
{
    showRow("Press", checked);
}
void DlgTextmonitor::on_mCheckLight_clicked(bool checked)
{
    showRow("Light", checked);
}
void DlgTextmonitor::on_mCheckTLight_clicked(bool checked)
{
    showRow("TLight", checked);
}
void DlgTextmonitor::on_mCheckAlarm_clicked(bool checked)
{
    showRow("Alarm", checked);
}
void DlgTextmonitor::on_mCheckBuzzer_clicked(bool checked)
{
    showRow("Buzzer", checked);
}
void DlgTextmonitor::on_radioBkClose_clicked()
{
    showSaverWidgets(0);
}
void DlgTextmonitor::on_radioBkLight_clicked()
{
    showSaverWidgets(1);
}
void DlgTextmonitor::on_radioBkText_clicked()
{
    showSaverWidgets(2);
}
void DlgTextmonitor::on_mCheckBootText_clicked(bool checked)
{
    ui->mGroupBoot->setVisible(checked);
}
void DlgTextmonitor::on_mCheckUseSix_clicked(bool checked)
{
    setSixDigitMode(checked);
}

void DlgTextmonitor::on_mCheckCustomLeft_clicked(bool checked)
{
    showField("Left", checked);
    if (checked) {
        ui->mCheckUseSix->setChecked(false);
        ui->mPointCustomRight->setMaximum(3);
    }
}

void DlgTextmonitor::on_mCheckCustomRight_clicked(bool checked)
{
    showField("Right", checked);
}

void DlgTextmonitor::storeRegister(CLedRegister& reg, QComboBox* type, int address) const
{
    reg.type = type->currentText();
    reg.address = quint32(address);
    reg.station = quint32(ui->mStation->value()) & 0xFF;
}

void DlgTextmonitor::on_mBtnOK_clicked()
{
    if (!m_project)
        return;
    CLedProject& p = *m_project;
    CLedPanelOptions& o = p.options();
    const int mode = ui->radioBkClose->isChecked()   ? 0
                     : ui->radioBkLight->isChecked() ? 1
                     : ui->radioBkText->isChecked()  ? 2
                                                     : -1;
    if (mode == 2 && ui->mShowText->text().isEmpty()) {
        UserPrompt::information(this, tr("提示"), tr("屏保显示文本串不能为空！"));
        return;
    }
    p.password = ui->lineEdit_password->text().toUInt() % 10000;
    p.screenSaverTime = quint32(qMax(0, ui->comboBox_screensavertimer->currentIndex()));
    if (mode >= 0)
        p.screenSaverMode = quint32(mode);
    o.setScreenSaverText(ui->mShowText->text());
    p.screenSaverBrightness = qint32(selectedNumber(ui->comboBox_luminance));
    o.setDisplayBrightness(selectedNumber(ui->mScreenLight));
    o.setNavLampsEnabled(ui->mCheckGuide->isChecked());
    o.setScreenSaverSlide(ui->mCheckSlider->isChecked());
    o.setScreenSaverSpeed(selectedNumber(ui->mSpeed));

    p.useKeyAddress = ui->mCheckPress->isChecked();
    storeRegister(p.keyRegister, ui->mNamePress, ui->mValPress->value());
    p.useKeyLampAddress = ui->mCheckLight->isChecked();
    storeRegister(p.keyLampRegister, ui->mNameLight, ui->mValLight->value());
    p.useTLampAddress = ui->mCheckTLight->isChecked();
    storeRegister(p.tLampRegister, ui->mNameTLight, ui->mValTLight->value());
    p.useBuzzer = ui->mCheckBuzzer->isChecked();
    storeRegister(p.buzzerRegister, ui->mNameBuzzer, ui->mValBuzzer->value());
    p.useAlarm = ui->mCheckAlarm->isChecked();
    storeRegister(p.alarmRegister, ui->mNameAlarm, ui->mValAlarm->value());

    p.useCustomLeft = ui->mCheckCustomLeft->isChecked();
    p.leftDecimals = quint32(ui->mPointCustomLeft->value());
    p.leftSigned = ui->mCheckUnsignLeft->isChecked();
    p.leftLeadingZero = ui->mCheckZeroLeft->isChecked();
    storeRegister(p.leftRegister, ui->mNameCustomLeft, ui->mValCustomLeft->value());
    p.useCustomRight = ui->mCheckCustomRight->isChecked();
    p.rightDecimals = quint32(ui->mPointCustomRight->value());
    p.rightSigned = ui->mCheckUnsignRight->isChecked();
    p.rightLeadingZero = ui->mCheckZeroRight->isChecked();
    storeRegister(p.rightRegister, ui->mNameCustomRight, ui->mValCustomRight->value());

    p.keyVoiceOff = ui->mKeyVoice->isChecked();
    o.setSixDigitMode(ui->mCheckUseSix->isChecked());
    o.setBootTextEnabled(ui->mCheckBootText->isChecked());
    o.setBootText(ui->mBootText->text());
    o.setBootTextSlide(ui->mBootSlider->isChecked());
    o.setBootTextSpeed(selectedNumber(ui->mBootSpeed));
    o.setBootTextTime(selectedNumber(ui->mBootTime));
    saveWindowGeometry(this, kGeometryName);
    accept();
}

void DlgTextmonitor::on_mBtnCancel_clicked()
{
    saveWindowGeometry(this, kGeometryName);
    reject();
}
