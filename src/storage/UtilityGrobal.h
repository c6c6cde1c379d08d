#pragma once

#include "storage/GrobalFields.h"

#include <functional>

class QKPRGrobal;
struct UtilGrobal;

// The live global settings. Fields hold zeros until the settings file is read or the factory
// values are set at start-up.
class UtilityGrobal : public GrobalFields {
public:
    explicit UtilityGrobal(QKPRGrobal &grobal);

    // Hover (true) or click (false) opens the toolbar's sub-bars. Writing it updates the
    // toolbar's mouse pointers through the hook the toolbar installs.
    bool ToolOvOrCk() const { return m_toolOvOrCk; }
    void setToolOvOrCk(bool hover);
    void setToolPointerHook(std::function<void(bool hover)> hook) { m_toolPointerHook = std::move(hook); }

    // Every field to its factory value; the toolbar mouse option is left as it is.
    void SetGrobalFactory();
    // Pushes the polling interval and the bar colour to the main window.
    void ApplyGrobal();

    UtilGrobal copyOut() const;
    void copyIn(const UtilGrobal &from);

private:
    QKPRGrobal &m_grobal;
    bool m_toolOvOrCk = false;
    std::function<void(bool)> m_toolPointerHook;
};
