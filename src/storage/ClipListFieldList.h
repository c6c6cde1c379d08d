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
        visit(&L::ioSLength, AnyValue{});
        visit(&L::UpperCount, InRange<qint16>{ItemLimitMin, ItemLimitMax});
        visit(&L::Hper, PaneShare{});
        visit(&L::FontSize, FontSize{});
        visit(&L::PosAdd, AnyValue{});
        visit(&L::WayAdd, AnyValue{});
        visit(&L::MovAdd, AnyValue{});
        visit(&L::BackClr, AnyValue{});
        visit(&L::ForeClr, AnyValue{});
        visit(&L::BackClrFcs, AnyValue{});
        visit(&L::ForeClrFcs, AnyValue{});
        visit(&L::loName, AnyValue{});
        visit(&L::ReturnLetter, AnyValue{});
        visit(&L::fiName, AnyValue{});
        visit(&L::FontName, AnyValue{});
    }
};
