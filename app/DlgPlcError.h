#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class DlgPlcError;
}

// Help for the two errors a panel shows most: "PLC E0" (no answer from the
// PLC) and "EE xxxx" (an alarm register that is not zero).
class DlgPlcError : public QDialog
{
    Q_OBJECT

public:
    explicit DlgPlcError(QWidget* parent = nullptr);
    ~DlgPlcError() override;

    // The help page: nine paragraphs, the two headings black and bold.
    static QString helpHtml();

private:
    std::unique_ptr<Ui::DlgPlcError> ui;
};
