#pragma once

#include "app/TextHandOff.h"

#include <QString>
#include <memory>

class ListControl;
class ListExControl;
class UtilityGrobal;
class UtilityFirstList;
class PaneHost;
class GrobalTarget;

// Program-wide state and the one set of data-model singletons. The program uses instance();
// a test builds its own QKPRGrobal and so its own isolated set of lists, panes and settings.
class QKPRGrobal {
public:
    QKPRGrobal();
    ~QKPRGrobal();
    QKPRGrobal(const QKPRGrobal &) = delete;
    QKPRGrobal &operator=(const QKPRGrobal &) = delete;

    static QKPRGrobal &instance();

    // The only line break the program searches for or writes.
    QString CrLf = QStringLiteral("\r\n");
    // Mirrors the capture switch.
    bool GoState = false;
    // Set by the end sequence.
    bool ProgramEnding = false;
    // The text window's hand-off fields.
    TextHandOff text;

    // Clears the text window's permission to save when it shows an item of the pane, whose
    // rows have just changed.
    void ClearTextSave(qint16 pane);

    // Singletons, created on first use.
    ListControl &listControl();
    ListExControl &listExControl();
    UtilityGrobal &utilityGrobal();
    UtilityFirstList &utilityFirstList();

    // The main window, once it exists.
    PaneHost &paneHost() const;
    void setPaneHost(PaneHost *host) { m_paneHost = host; }
    GrobalTarget *grobalTarget() const { return m_grobalTarget; }
    void setGrobalTarget(GrobalTarget *target) { m_grobalTarget = target; }

    // The list number shown in a pane.
    qint16 getOLx(qint16 pane);
    // The item number shown in a row of a pane.
    qint16 getOIx(qint16 pane, qint16 row);
    // Numbers the list apart from the other lists of the same name (loNameEx).
    void NumberSameName(qint16 list);

private:
    std::unique_ptr<ListControl> m_listControl;
    std::unique_ptr<ListExControl> m_listExControl;
    std::unique_ptr<UtilityGrobal> m_utilityGrobal;
    std::unique_ptr<UtilityFirstList> m_utilityFirstList;
    PaneHost *m_paneHost = nullptr;
    GrobalTarget *m_grobalTarget = nullptr;
};
