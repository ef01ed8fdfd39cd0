#include "app/DlgAboutUs.h"

#include "app/BuildTime.h"
#include "app/UpdateLibrary.h"
#include "app/WebSite.h"
#include "ui_DlgAboutUs.h"

namespace {

QString link(const char* colour, const QString& text)
{
    return QStringLiteral("<style>a{text-decoration:none;}</style>"
                          "<a style='color:%1;' href='%2'>%3</a>")
        .arg(QLatin1String(colour), QLatin1String(kWebSite), text.toHtmlEscaped());
}

} // namespace

DlgAboutUs::DlgAboutUs(QWidget* parent) : QDialog(parent), ui(new Ui::DlgAboutUs)
{
    ui->setupUi(this);
    const QString version = UpdateLibrary::productVersion();
    if (!version.isEmpty())
        showVersion(version);
}

DlgAboutUs::~DlgAboutUs() = default;

void DlgAboutUs::showVersion(const QString& version)
{
    const QString tip = tr("点击即可访问官方网站，查看最新软件与产品资讯！");
    ui->mLabProduct->setText(link("red", QStringLiteral("Kavio Tool V%1").arg(version)));
    ui->mLabWeb->setText(link("red", tr("官方网站 ") + QLatin1String(kWebSite)));
    for (QLabel* label : {ui->mLabProduct, ui->mLabWeb}) {
        label->setOpenExternalLinks(true);
        label->setToolTip(tip);
        label->setStatusTip(tip);
    }
    // The build label looks like a link but opens nothing.
    ui->mLabBuild->setText(
        link("blue", buildTimeText(QStringLiteral(__DATE__), QStringLiteral(__TIME__))));
}

void DlgAboutUs::on_mBtnOk_clicked()
{
    accept();
}
