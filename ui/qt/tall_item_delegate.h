#pragma once

#include <QStyledItemDelegate>

namespace qinghe {

// Draws list items as usual, each a few pixels taller than the style's default.
class TallItemDelegate final : public QStyledItemDelegate {
 public:
  TallItemDelegate(QObject* parent, int extraHeight)
      : QStyledItemDelegate(parent), extraHeight_(extraHeight) {}

  [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                               const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, extraHeight_);
  }

 private:
  int extraHeight_;
};

}  // namespace qinghe
