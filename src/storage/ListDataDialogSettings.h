#pragma once

#include <QtGlobal>

class spgFileCon;

// What the list information dialog remembers between runs: its top-left corner as an offset from
// the main window's, in pixels.
struct ListDataDialogSettings {
    qint32 NowPosX = 53;
    qint32 NowPosY = 33;

    // Reads the section when Version is true; otherwise, or when the section is damaged or cut
    // short, takes the factory values.
    void LoadUtilQKPRldata(spgFileCon &Fee, bool Version);
    void UQKPRldataOutofUtility(spgFileCon &Fee) const;

    bool operator==(const ListDataDialogSettings &) const = default;
};
