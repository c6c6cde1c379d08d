#pragma once

#include <QString>
#include <memory>
#include <vector>

class ListOb;
class QKPRGrobal;

// Owns every clip list. List numbers are contiguous from 0; deleting a list moves the later ones
// down and renumbers the panes that show them.
class ListControl {
public:
    static constexpr qint16 Refused = -1;

    explicit ListControl(QKPRGrobal &grobal);
    ~ListControl();

    qint16 UB() const { return qint16(m_lists.size()); }
    // Throws std::out_of_range for a number outside 0 .. UB - 1.
    ListOb &lcListOb(qint16 list);

    // Creates a list at the end with the new-list defaults and returns its number, or Refused
    // when 32767 lists exist already (nothing changes then).
    qint16 lcMakeList();
    // Shows the list in a new pane.
    void lcExList(qint16 list);
    void lcNameList(qint16 list, const QString &name);
    // Deletes a list that no pane shows.
    void lcDelList(qint16 list);

private:
    QKPRGrobal &m_grobal;
    std::vector<std::unique_ptr<ListOb>> m_lists;
};
