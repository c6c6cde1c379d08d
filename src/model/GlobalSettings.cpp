// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/GlobalSettings.h"

#include "model/ProgramTexts.h"
#include "model/GlobalSettingsCopy.h"

void GlobalSettings::setToolbarOpensOnHover(bool hover)
{
    m_toolbarOpensOnHover = hover;
    emit toolbarOpensOnHoverChanged(hover);
}

void GlobalSettings::setFactoryValues()
{
    pollInterval = 500;
    barColour = systemColour(15);
    addOptionsToAllLists = false;
    addOptionsAsDefaults = true;
    dropOverflowOnMove = false;
    warnOnOverflow = true;
    splitCaptures = false;
    splitAtLineBreaks = true;
    splitString = QStringLiteral(".");
    richText = false;
    pauseWhileTextWindowActive = true;
    textFontName = ProgramTexts::defaultFontName();
    textFontSize = 9;
    leftEdgeAction = 0;
    rightEdgeAction = 1;
    topEdgeAction = 0;
    bottomEdgeAction = 1;
    edgeZoneWidth = 8;
    edgeZoneHeight = 8;
}

void GlobalSettings::applyToWindows()
{
    emit timerIntervalChanged(pollInterval);
    // Every bar, and every bar made later, takes the colour.
    emit barColourChanged(barColour);
}

GlobalSettingsCopy GlobalSettings::copyOut() const
{
    GlobalSettingsCopy copy;
    static_cast<GlobalSettingFields &>(copy) = *this;
    copy.toolbarOpensOnHover = m_toolbarOpensOnHover;
    return copy;
}

void GlobalSettings::copyIn(const GlobalSettingsCopy &from)
{
    const bool newInterval = pollInterval != from.pollInterval;
    const bool newBarColour = barColour != from.barColour;
    static_cast<GlobalSettingFields &>(*this) = from;
    // The toolbar mouse option goes through its property, so the pointers change at once.
    setToolbarOpensOnHover(from.toolbarOpensOnHover);
    if (newInterval)
        emit timerIntervalChanged(pollInterval);
    if (newBarColour)
        emit barColourChanged(barColour);
}
