#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class DlgAboutUs;
}

// The about box: the product version from ZtVersion.dll, the maker's web
// site and the build time.
class DlgAboutUs : public QDialog
{
    Q_OBJECT

public:
    explicit DlgAboutUs(QWidget* parent = nullptr);
    ~DlgAboutUs() override;

private slots:
    void on_mBtnOk_clicked();

private:
    void showVersion(const QString& version);

    std::unique_ptr<Ui::DlgAboutUs> ui;
};
