#pragma once

#include <QRegularExpression>
#include <QStyledItemDelegate>

// The table's cell editor for the page label: a frameless line edit with a
// regular-expression validator and a maximum length.
class CustomItemDelegrate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    CustomItemDelegrate(const QRegularExpression& pattern, int maxLength,
                        QObject* parent = nullptr);
    CustomItemDelegrate(const QString& pattern, int maxLength, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    QRegularExpression m_pattern;
    int m_maxLength;
};
