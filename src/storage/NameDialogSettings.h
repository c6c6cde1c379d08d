#pragma once

#include <QtGlobal>

class spgFileCon;

// What the naming dialog remembers between runs: its top-left corner as an offset from the main
// window's, in pixels.
struct NameDialogSettings {
    qint32 NowPosX = 46;
    qint32 NowPosY = 66;

    // Reads the section when Version is true; otherwise, or when the section is damaged or cut
    // short, takes the factory values.
    void LoadUtilQKPRname(spgFileCon &Fee, bool Version);
    void UQKPRnameOutofUtility(spgFileCon &Fee) const;

    bool operator==(const NameDialogSettings &) const = default;
};
