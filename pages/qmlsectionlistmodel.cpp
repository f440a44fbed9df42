#include "pages/qmlsectionlistmodel.h"

namespace Ko {

int QmlSectionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(items.size());
}

QVariant QmlSectionListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (row < 0 || row >= items.size())
        return {};
    const SectionListItem& item = items[row];
    switch (role) {
    case CategoryRole:
        return item.category;
    case TitleRole:
        return item.title;
    case ValueRole:
        return item.value;
    case FirstItemInSectionRole:
        return row == 0 || items[row - 1].category != item.category;
    default:
        return QStringLiteral("?");
    }
}

QHash<int, QByteArray> QmlSectionListModel::roleNames() const {
    return {{CategoryRole, "category"},
            {TitleRole, "title"},
            {ValueRole, "value"},
            {FirstItemInSectionRole, "firstItemInSection"}};
}

void QmlSectionListModel::setItems() {
    const int count = int(items.size());
    if (count != lastNotifiedCount) {
        lastNotifiedCount = count;
        emit layoutChanged();
        return;
    }
    // An empty list stays empty: there is no row to report.
    if (count > 0)
        emit dataChanged(index(0), index(count - 1));
}

} // namespace Ko
