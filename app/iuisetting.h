#pragma once

#include <QObject>

namespace Ko {

// User-interface preferences that QML reads and changes: the padding under the direction
// buttons, haptic feedback and keeping the screen on, with the feedback calls QML makes.
// Threads: main thread only.
class IUISetting : public QObject {
    Q_OBJECT
    Q_PROPERTY(int footerPadding READ footerPadding WRITE setFooterPadding NOTIFY settingsChanged)
    Q_PROPERTY(bool feedbackUtil READ feedbackUtil WRITE setFeedbackUtil NOTIFY settingsChanged)
    Q_PROPERTY(bool keepScreenOn READ keepScreenOn WRITE setKeepScreenOn NOTIFY settingsChanged)
public:
    using QObject::QObject;

    // Read in pixels; written as the padding slider's position (see padding_PxToEx).
    virtual int footerPadding() = 0;
    virtual void setFooterPadding(int sliderPosition) = 0;
    virtual bool feedbackUtil() = 0;
    virtual void setFeedbackUtil(bool on) = 0;
    virtual bool keepScreenOn() = 0;
    virtual void setKeepScreenOn(bool on) = 0;
    // A direction button was pressed.
    Q_INVOKABLE virtual void platformFeedback() = 0;
    // A GoTo that QML waited for has finished.
    Q_INVOKABLE virtual void platformAlert() = 0;
    // The slider position that shows a padding of px pixels.
    Q_INVOKABLE virtual double padding_PxToEx(double px) = 0;

signals:
    void settingsChanged();
};

} // namespace Ko
