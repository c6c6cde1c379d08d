// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NewListDefaultFields.h"
#include "model/ListOptions.h"
#include "model/SettingRanges.h"

// The options a new list takes from the new-list defaults, each once: the list's field, the
// default it starts from, and what a stored default must satisfy, in the order the settings file
// keeps the defaults. The settings file, new lists and the settings dialog's copies use this list.
struct ListOptionFieldList {
    template <typename Visit>
    void operator()(Visit &&visit) const
    {
        using namespace SettingRanges;
        using L = ListOptions;
        using D = NewListDefaultFields;
        visit(&L::captionByWidth, &D::captionByWidthDefault, AnyValue{});
        visit(&L::captionLength, &D::captionLengthDefault, InRange<qint16>{CaptionLengthMin, CaptionLengthMax});
        visit(&L::captionWidth, &D::captionWidthDefault, InRange<qint32>{CaptionWidthMin, CaptionWidthMax});
        visit(&L::lineBreakMark, &D::lineBreakMarkDefault, AnyValue{});
        visit(&L::showLength, &D::showLengthDefault, AnyValue{});
        visit(&L::itemLimit, &D::itemLimitDefault, InRange<qint16>{ItemLimitMin, ItemLimitMax});
        visit(&L::addAtBottom, &D::addAtBottomDefault, AnyValue{});
        visit(&L::addAtFocus, &D::addAtFocusDefault, AnyValue{});
        visit(&L::focusMode, &D::focusModeDefault, InRange<FocusMode>{FocusMode::MovesAtScreenEdges, FocusMode::Stays});
        visit(&L::fileName, &D::fileNameDefault, AnyValue{});
        visit(&L::name, &D::nameDefault, AnyValue{});
        visit(&L::fontName, &D::fontNameDefault, NonEmpty{});
        visit(&L::fontSize, &D::fontSizeDefault, FontSizeRange{});
        visit(&L::backColour, &D::backColourDefault, AnyValue{});
        visit(&L::textColour, &D::textColourDefault, AnyValue{});
        visit(&L::focusedBackColour, &D::focusedBackColourDefault, AnyValue{});
        visit(&L::focusedTextColour, &D::focusedTextColourDefault, AnyValue{});
    }

    // The defaults' side alone, for reading and writing them: visit(default member, check).
    template <typename Visit>
    static void defaults(Visit &&visit)
    {
        ListOptionFieldList{}([&](auto, auto def, auto check) { visit(def, check); });
    }
};
