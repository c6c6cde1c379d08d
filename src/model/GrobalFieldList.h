#pragma once

#include "model/SettingRanges.h"
#include "model/UtilGrobal.h"

// The global settings, each once: in the order the settings file keeps them, with what a stored
// value must satisfy. Reads, writes and copies of the settings all go through this list.
struct GrobalFieldList {
    template <typename Visit>
    void operator()(Visit &&visit) const
    {
        using namespace SettingRanges;
        visit(&UtilGrobal::TimerInterval, InRange<qint16>{TimerIntervalMin, TimerIntervalMax});
        visit(&UtilGrobal::BarClr, AnyValue{});
        visit(&UtilGrobal::AddMode, AnyValue{});
        visit(&UtilGrobal::AddSave, AnyValue{});
        visit(&UtilGrobal::AddDelete, AnyValue{});
        visit(&UtilGrobal::AddDeleteError, AnyValue{});
        visit(&UtilGrobal::ReturnIm, AnyValue{});
        visit(&UtilGrobal::ReturnOrLetter, AnyValue{});
        visit(&UtilGrobal::LetterIm, NonEmpty{});
        visit(&UtilGrobal::HTMLReco, AnyValue{});
        visit(&UtilGrobal::ToolOvOrCk, AnyValue{});
        visit(&UtilGrobal::TextExpTimer, AnyValue{});
        visit(&UtilGrobal::TextFName, NonEmpty{});
        visit(&UtilGrobal::TextFSize, FontSize{});
        visit(&UtilGrobal::HowLAddMove, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&UtilGrobal::HowRAddMove, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&UtilGrobal::HowTAddMove, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&UtilGrobal::HowBAddMove, InRange<qint16>{EdgeActionMin, EdgeActionMax});
        visit(&UtilGrobal::HowAddMoveHIval, InRange<qint32>{EdgeZoneMin, EdgeZoneMax});
        visit(&UtilGrobal::HowAddMoveVIval, InRange<qint32>{EdgeZoneMin, EdgeZoneMax});
    }
};
