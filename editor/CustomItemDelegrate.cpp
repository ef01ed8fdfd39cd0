#include "editor/CustomItemDelegrate.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

CustomItemDelegrate::CustomItemDelegrate(const QRegularExpression& pattern, int maxLength,
                                         QObject* parent)
    : QStyledItemDelegate(parent), m_pattern(pattern), m_maxLength(maxLength)
{}

CustomItemDelegrate::CustomItemDelegrate(const QString& pattern, int maxLength, QObject* parent)
    : CustomItemDelegrate(QRegularExpression(pattern), maxLength, parent)
{}

QWidget* CustomItemDelegrate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setValidator(new QRegularExpressionValidator(m_pattern, editor));
    editor->setMaxLength(m_maxLength);
    return editor;
}

void CustomItemDelegrate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void CustomItemDelegrate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const
{
    model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
}
