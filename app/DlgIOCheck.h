#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class DlgIOCheck;
}

// The I/O check help: one picture of the panel's maintenance mode. It opens
// where it was last closed.
class DlgIOCheck : public QDialog
{
    Q_OBJECT

public:
    explicit DlgIOCheck(QWidget* parent = nullptr);
    ~DlgIOCheck() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::DlgIOCheck> ui;
};
