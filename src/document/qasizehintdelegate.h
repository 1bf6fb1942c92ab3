#pragma once

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

// An item delegate that measures each distinct item look once. Views sized to their contents
// ask for every row's size several times while a document is opened, and each answer lays the
// text out again; the answer depends only on what the key below holds.
class QASizeHintDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    struct Look
    {
        QString text;
        QFont font;
        qint64 icon;
        QSize decorationSize;
        int checkState;
        int features;
        bool operator==(const Look &other) const
        {
            return text == other.text && font == other.font && icon == other.icon
                && decorationSize == other.decorationSize && checkState == other.checkState
                && features == other.features;
        }
    };
    friend size_t qHash(const Look &look, size_t seed);

    // Past this many looks the cache starts again: the answers stay right, the memory bounded.
    static constexpr qsizetype MaxLooks = 4096;
    mutable QHash<Look, QSize> m_sizes;
};
