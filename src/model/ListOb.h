#pragma once

#include "model/ModelTypes.h"

#include <QString>
#include <memory>

class ItemControl;
class QKPRGrobal;

// One clip list with its options. The options are plain public fields; ListControl::lcMakeList
// gives them their initial values from the new-list defaults.
class ListOb {
public:
    explicit ListOb(QKPRGrobal &grobal);
    ~ListOb();
    ListOb(const ListOb &) = delete;
    ListOb &operator=(const ListOb &) = delete;

    // The list's item manager, created on first use and released with the list.
    ItemControl &loItemControl();

    QString loName;
    qint16 loNameEx = 0;
    float Hper = -1;
    qint16 UpperCount = 0;
    bool ioSFLG = false;
    qint16 ioSLength = 0;
    qint32 ioSWidth = 0;
    QString ReturnLetter;
    bool LenNum = false;
    bool WayAdd = false;
    bool PosAdd = false;
    qint16 MovAdd = 0;
    QString fiName;
    QString FontName;
    float FontSize = 0;
    Colour BackClr = 0;
    Colour ForeClr = 0;
    Colour BackClrFcs = 0;
    Colour ForeClrFcs = 0;

private:
    QKPRGrobal &m_grobal;
    std::unique_ptr<ItemControl> m_items;
};
