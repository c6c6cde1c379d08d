#pragma once

#include "model/TextHandOff.h"

#include <QString>
#include <memory>

class ListControl;
class ListExControl;
class UtilityGrobal;
class UtilityFirstList;
class PaneHost;

// Program-wide state and the one set of data-model singletons. The composition root builds one;
// a test builds its own, and so its own isolated set of lists, panes and settings.
class QKPRGrobal {
public:
    // The panes are shown in the host's list boxes.
    explicit QKPRGrobal(PaneHost &host);
    ~QKPRGrobal();
    QKPRGrobal(const QKPRGrobal &) = delete;
    QKPRGrobal &operator=(const QKPRGrobal &) = delete;

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

    ListControl &listControl() { return *m_listControl; }
    ListExControl &listExControl() { return *m_listExControl; }
    UtilityGrobal &utilityGrobal() { return *m_utilityGrobal; }
    UtilityFirstList &utilityFirstList() { return *m_utilityFirstList; }

    // The list number shown in a pane.
    qint16 getOLx(qint16 pane);
    // The item number shown in a row of a pane.
    qint16 getOIx(qint16 pane, qint16 row);
    // Numbers the list apart from the other lists of the same name (loNameEx).
    void NumberSameName(qint16 list);

private:
    // Settings first: the lists read them; lists before panes: panes are released first.
    std::unique_ptr<UtilityGrobal> m_utilityGrobal;
    std::unique_ptr<UtilityFirstList> m_utilityFirstList;
    std::unique_ptr<ListControl> m_listControl;
    std::unique_ptr<ListExControl> m_listExControl;
};
