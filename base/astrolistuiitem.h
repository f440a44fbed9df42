#pragma once

#include <QMetaType>
#include <QString>

#include <string>
#include <vector>

namespace Ko {

// One row of a list shown in QML: a top left, b top right, c bottom left, d bottom right (UTF-8).
// A row whose isEnableListItem is false is shown dimmed but stays selectable.
// Threads: any thread (a value type).
struct AstroListUIItem {
    Q_GADGET
    Q_PROPERTY(bool isEnableListItem MEMBER isEnableListItem CONSTANT)
    Q_PROPERTY(QString a READ qmlA CONSTANT)
    Q_PROPERTY(QString b READ qmlB CONSTANT)
    Q_PROPERTY(QString c READ qmlC CONSTANT)
    Q_PROPERTY(QString d READ qmlD CONSTANT)
    Q_PROPERTY(QString refusal READ qmlRefusal CONSTANT)
public:
    bool isEnableListItem = true;
    std::string a;
    std::string b;
    std::string c;
    std::string d;
    // Why a row that cannot be chosen is refused, translated; empty for the others.
    std::string refusal;

    bool operator==(const AstroListUIItem&) const = default;

    QString qmlA() const { return QString::fromStdString(a); }
    QString qmlB() const { return QString::fromStdString(b); }
    QString qmlC() const { return QString::fromStdString(c); }
    QString qmlD() const { return QString::fromStdString(d); }
    QString qmlRefusal() const { return QString::fromStdString(refusal); }
};

} // namespace Ko

Q_DECLARE_METATYPE(Ko::AstroListUIItem)
Q_DECLARE_METATYPE(std::vector<Ko::AstroListUIItem>)
