#pragma once

#include "storage/GrobalFields.h"

#include <functional>

class QKPRGrobal;
class spgFileCon;
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

    // The global settings' section of the settings file. With Version false, or when the section
    // turns out damaged or cut short, every field takes its factory value; a value outside the
    // settings dialog's range takes its own factory value. The toolbar mouse option is assigned
    // through its property. ApplyGrobal follows in every case.
    void LoadUtilGrobal(spgFileCon &Fee, bool Version);
    void UGrobalOutofUtility(spgFileCon &Fee) const;

    UtilGrobal copyOut() const;
    void copyIn(const UtilGrobal &from);

private:
    QKPRGrobal &m_grobal;
    bool m_toolOvOrCk = false;
    std::function<void(bool)> m_toolPointerHook;
};
