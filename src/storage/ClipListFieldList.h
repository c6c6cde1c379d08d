// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ListOptions.h"
#include "model/SettingRanges.h"

// The list options a clip-list file stores, in its order, with what a stored value must satisfy:
// options this program can never have written are damage. Taken into a list they would upset its
// layout (a pane share that is not a number) or silently drop the file's items (a limit below 1).
struct ClipListFieldList {
    // A share is a fraction up to 1 (-1 when never shown); the slack allows for float rounding.
    struct PaneShare {
        bool operator()(float share) const { return share == -1.0f || (share >= 0.0f && share <= 1.001f); }
    };

    template <typename Visit>
    void operator()(Visit &&visit) const
    {
        using namespace SettingRanges;
        using L = ListOptions;
        visit(&L::captionLength, AnyValue{});
        visit(&L::itemLimit, InRange<qint16>{ItemLimitMin, ItemLimitMax});
        visit(&L::heightShare, PaneShare{});
        visit(&L::fontSize, FontSizeRange{});
        visit(&L::addAtFocus, AnyValue{});
        visit(&L::addAtBottom, AnyValue{});
        visit(&L::focusMode, AnyValue{});
        visit(&L::backColour, AnyValue{});
        visit(&L::textColour, AnyValue{});
        visit(&L::focusedBackColour, AnyValue{});
        visit(&L::focusedTextColour, AnyValue{});
        visit(&L::name, AnyValue{});
        visit(&L::lineBreakMark, AnyValue{});
        visit(&L::fileName, AnyValue{});
        visit(&L::fontName, AnyValue{});
    }
};
