#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace Ko {

// One text row of an information page; consecutive rows of one category form a section.
struct SectionListItem {
    QString category;
    QString title;
    QString value;
};

// The rows of an information page for a sectioned QML list view, read-only for QML. The owning
// page rewrites `items` whole and then calls setItems once, on the main thread: as long as the
// number of rows stays the same the view is told of one data change over all rows, so it updates
// its delegates in place; a change in the number of rows is announced as a layout change.
// Threads: main thread only.
class QmlSectionListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        CategoryRole = Qt::UserRole + 1,
        TitleRole,
        ValueRole,
        FirstItemInSectionRole,
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Publishes the rows the owner has just written into items.
    void setItems();

    QList<SectionListItem> items;

private:
    int lastNotifiedCount = 0;
};

} // namespace Ko
