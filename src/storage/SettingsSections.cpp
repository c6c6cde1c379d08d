#include "storage/SettingsSections.h"

#include "model/GrobalFieldList.h"
#include "model/ListOptionFieldList.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"
#include "storage/FieldIO.h"

namespace {
const auto defaultFields = [](auto &&visit) { ListOptionFieldList::defaults(visit); };
} // namespace

void SettingsSections::LoadUtilGrobal(UtilityGrobal &grobal, spgFileCon &Fee, bool Version)
{
    grobal.SetGrobalFactory();
    if (Version) {
        UtilGrobal read;
        FieldIO::readAll(Fee, read, GrobalFieldList{});
        if (Fee.intact()) {
            UtilGrobal taken = grobal.copyOut();
            FieldIO::takeChecked(taken, read, GrobalFieldList{});
            grobal.copyIn(taken);
        }
    }
    grobal.ApplyGrobal();
}

void SettingsSections::UGrobalOutofUtility(const UtilityGrobal &grobal, spgFileCon &Fee)
{
    FieldIO::writeAll(Fee, grobal.copyOut(), GrobalFieldList{});
}

void SettingsSections::LoadUtilFirst(UtilityFirstList &firstList, spgFileCon &Fee, bool Version)
{
    firstList.SetFirstFactory();
    if (!Version)
        return;
    FirstListFields read;
    FieldIO::readAll(Fee, read, defaultFields);
    if (Fee.intact())
        FieldIO::takeChecked<FirstListFields>(firstList, read, defaultFields);
}

void SettingsSections::UFirstOutofUtility(const UtilityFirstList &firstList, spgFileCon &Fee)
{
    FieldIO::writeAll<FirstListFields>(Fee, firstList, defaultFields);
}
