#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantMap>

class QQmlEngine;

namespace Ko {

// What QML tests cannot do themselves, published as "testHelper". Main thread only.
class QmlTestHelper : public QObject {
    Q_OBJECT
public:
    QmlTestHelper(QQmlEngine* engine, QString settingsPath);

    // The settings file as it is stored now, read afresh.
    Q_INVOKABLE QVariantMap storedSettings() const;
    // Publishes standIn under a service's root-context name (e.g. "inj_trackingUI"), in place of
    // the real service, for the pages created after this call; restore() puts the real one back.
    Q_INVOKABLE void publish(const QString& name, QObject* standIn);
    Q_INVOKABLE void restore(const QString& name);
    // Sends a key event straight to item, as the window would deliver it to its focus item;
    // true when the item accepted it.
    Q_INVOKABLE bool sendKey(QObject* item, int key, bool press, bool autoRepeat = false);
    // A sync taken as the next alignment star, as a remote client's sync does while sync
    // alignment is on (radians); true when the star joined the model.
    Q_INVOKABLE bool sequentialAlign(const QString& name, double ha, double dec, double axis1,
                                     double axis2);

private:
    QPointer<QQmlEngine> m_engine;
    const QString m_settingsPath;
    QHash<QString, QVariant> m_originals;
};

// The setup of every Qt Quick Test program (ko_add_qml_test): scratch home and data folders, a
// settings file that selects the emulated mount in EQ mode, connects at launch, uses day colours
// and no location sensor (or the test folder's own "Settings.txt"), and the real composition root
// on each test file's engine, released after that engine is gone.
class QmlTestSetup : public QObject {
    Q_OBJECT
public:
    QmlTestSetup();

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine* engine);

private:
    QTemporaryDir m_home;
};

} // namespace Ko
