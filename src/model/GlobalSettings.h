// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GlobalSettingFields.h"

#include <QObject>

struct GlobalSettingsCopy;

// The live global settings. Fields hold zeros until the settings file is read or the factory
// values are set at start-up.
class GlobalSettings : public QObject, public GlobalSettingFields {
    Q_OBJECT
public:
    GlobalSettings() = default;

    // Hover (true) or click (false) opens the toolbar's sub-bars; the toolbar's mouse pointers
    // follow every assignment.
    bool toolbarOpensOnHover() const { return m_toolbarOpensOnHover; }
    void setToolbarOpensOnHover(bool hover);

    // Every field to its factory value; the toolbar mouse option is left as it is.
    void setFactoryValues();
    // Pushes the polling interval and the bar colour to whoever shows them.
    void applyToWindows();

    // The settings as one plain record (the settings dialog's working copy and the settings file).
    GlobalSettingsCopy copyOut() const;
    // Takes the record in; a changed timer interval or bar colour is announced.
    void copyIn(const GlobalSettingsCopy &from);

signals:
    void timerIntervalChanged(int milliseconds);
    void barColourChanged(Colour colour);
    void toolbarOpensOnHoverChanged(bool hover);

private:
    bool m_toolbarOpensOnHover = false;
};
