#include "document/qasizehintdelegate.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

// The picture's identity, or 0 for none; -1 for a decoration the cache cannot tell apart.
qint64 decorationKey(const QVariant &decoration)
{
    if (!decoration.isValid())
        return 0;
    switch (decoration.typeId()) {
    case QMetaType::QIcon:
        return qvariant_cast<QIcon>(decoration).cacheKey();
    case QMetaType::QPixmap:
        return qvariant_cast<QPixmap>(decoration).cacheKey();
    case QMetaType::QImage:
        return qvariant_cast<QImage>(decoration).cacheKey();
    default:
        return -1;
    }
}

} // namespace

size_t qHash(const QASizeHintDelegate::Look &look, size_t seed)
{
    return qHashMulti(seed, look.text, look.font, look.icon, look.decorationSize.width(),
                      look.decorationSize.height(), look.checkState, look.features);
}

QSize QASizeHintDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    // A row that states its own size, wrapped text, or a decoration without an identity depend
    // on more than the look: those are measured each time.
    const qint64 decoration = decorationKey(index.data(Qt::DecorationRole));
    if (decoration < 0 || index.data(Qt::SizeHintRole).isValid()
        || option.features.testFlag(QStyleOptionViewItem::WrapText))
        return QStyledItemDelegate::sizeHint(option, index);

    // The item's font as the style sees it: what it leaves unset comes from the view's.
    const QVariant font = index.data(Qt::FontRole);
    const QVariant check = index.data(Qt::CheckStateRole);
    Look look { index.data(Qt::DisplayRole).toString(),
                font.isValid() ? qvariant_cast<QFont>(font).resolve(option.font) : option.font,
                decoration,
                option.decorationSize,
                check.isValid() ? check.toInt() : -1,
                int(option.features) };
    if (const auto known = m_sizes.constFind(look); known != m_sizes.cend())
        return *known;
    if (m_sizes.size() >= MaxLooks)
        m_sizes.clear();
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    m_sizes.insert(std::move(look), size);
    return size;
}
