#pragma once

#include "model/GrobalFields.h"

#include <QObject>

struct UtilGrobal;

// The live global settings. Fields hold zeros until the settings file is read or the factory
// values are set at start-up.
class UtilityGrobal : public QObject, public GrobalFields {
    Q_OBJECT
public:
    UtilityGrobal() = default;

    // Hover (true) or click (false) opens the toolbar's sub-bars; the toolbar's mouse pointers
    // follow every assignment.
    bool ToolOvOrCk() const { return m_toolOvOrCk; }
    void setToolOvOrCk(bool hover);

    // Every field to its factory value; the toolbar mouse option is left as it is.
    void SetGrobalFactory();
    // Pushes the polling interval and the bar colour to whoever shows them.
    void ApplyGrobal();

    // The settings as one plain record (the settings dialog's working copy and the settings file).
    UtilGrobal copyOut() const;
    void copyIn(const UtilGrobal &from);

signals:
    void timerIntervalChanged(int milliseconds);
    void barColourChanged(Colour colour);
    void toolOvOrCkChanged(bool hover);

private:
    bool m_toolOvOrCk = false;
};
