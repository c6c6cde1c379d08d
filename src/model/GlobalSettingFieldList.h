// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/SettingRanges.h"
#include "model/GlobalSettingsCopy.h"

// The global settings, each once: in the order the settings file keeps them, with what a stored
// value must satisfy. Reads, writes and copies of the settings all go through this list.
struct GlobalSettingFieldList {
    template <typename Visit>
    void operator()(Visit &&visit) const
    {
        using namespace SettingRanges;
        visit(&GlobalSettingsCopy::pollInterval, InRange<qint16>{TimerIntervalMin, TimerIntervalMax});
        visit(&GlobalSettingsCopy::barColour, AnyValue{});
        visit(&GlobalSettingsCopy::addOptionsToAllLists, AnyValue{});
        visit(&GlobalSettingsCopy::addOptionsAsDefaults, AnyValue{});
        visit(&GlobalSettingsCopy::dropOverflowOnMove, AnyValue{});
        visit(&GlobalSettingsCopy::warnOnOverflow, AnyValue{});
        visit(&GlobalSettingsCopy::splitCaptures, AnyValue{});
        visit(&GlobalSettingsCopy::splitAtLineBreaks, AnyValue{});
        visit(&GlobalSettingsCopy::splitString, NonEmpty{});
        visit(&GlobalSettingsCopy::richText, AnyValue{});
        visit(&GlobalSettingsCopy::toolbarOpensOnHover, AnyValue{});
        visit(&GlobalSettingsCopy::pauseWhileTextWindowActive, AnyValue{});
        visit(&GlobalSettingsCopy::textFontName, NonEmpty{});
        visit(&GlobalSettingsCopy::textFontSize, FontSizeRange{});
        visit(&GlobalSettingsCopy::leftEdgeAction, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&GlobalSettingsCopy::rightEdgeAction, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&GlobalSettingsCopy::topEdgeAction, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&GlobalSettingsCopy::bottomEdgeAction, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&GlobalSettingsCopy::edgeZoneWidth, InRange<qint32>{EdgeZoneMin, EdgeZoneMax});
        visit(&GlobalSettingsCopy::edgeZoneHeight, InRange<qint32>{EdgeZoneMin, EdgeZoneMax});
    }
};
