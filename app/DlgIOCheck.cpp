#include "app/DlgIOCheck.h"

#include "app/WindowGeometry.h"
#include "ui_DlgIOCheck.h"

namespace {
const QString kGeometryName = QStringLiteral("DlgIOCheck");
}

DlgIOCheck::DlgIOCheck(QWidget* parent) : QDialog(parent), ui(new Ui::DlgIOCheck)
{
    ui->setupUi(this);
    // Only the position comes back; the dialog keeps its own size.
    applyWindowGeometry(this, storedWindowPos(kGeometryName), QSize());
}

DlgIOCheck::~DlgIOCheck() = default;

void DlgIOCheck::closeEvent(QCloseEvent* event)
{
    saveWindowGeometry(this, kGeometryName);
    QDialog::closeEvent(event);
}
