#pragma once

#include "model/FirstListFields.h"
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
        using D = FirstListFields;
        visit(&L::ioSFLG, &D::ioSFLGDef, AnyValue{});
        visit(&L::ioSLength, &D::ioSLengthDef, InRange<qint16>{CaptionLengthMin, CaptionLengthMax});
        visit(&L::ioSWidth, &D::ioSWidthDef, InRange<qint32>{CaptionWidthMin, CaptionWidthMax});
        visit(&L::ReturnLetter, &D::returnLetterDef, AnyValue{});
        visit(&L::LenNum, &D::LenNumDef, AnyValue{});
        visit(&L::UpperCount, &D::UpperCountDef, InRange<qint16>{ItemLimitMin, ItemLimitMax});
        visit(&L::WayAdd, &D::WayAddDef, AnyValue{});
        visit(&L::PosAdd, &D::PosAddDef, AnyValue{});
        visit(&L::MovAdd, &D::MovAddDef, InRange<qint16>{MoveModeMin, MoveModeMax});
        visit(&L::fiName, &D::fiNameDef, AnyValue{});
        visit(&L::loName, &D::loNameDef, AnyValue{});
        visit(&L::FontName, &D::FontNameDef, NonEmpty{});
        visit(&L::FontSize, &D::FontSizeDef, FontSize{});
        visit(&L::BackClr, &D::BackClrDef, AnyValue{});
        visit(&L::ForeClr, &D::ForeClrDef, AnyValue{});
        visit(&L::BackClrFcs, &D::BackClrFcsDef, AnyValue{});
        visit(&L::ForeClrFcs, &D::ForeClrFcsDef, AnyValue{});
    }

    // The defaults' side alone, for reading and writing them: visit(default member, check).
    template <typename Visit>
    static void defaults(Visit &&visit)
    {
        ListOptionFieldList{}([&](auto, auto def, auto check) { visit(def, check); });
    }
};
