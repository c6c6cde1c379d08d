// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsSections.h"

#include "model/GlobalSettingFieldList.h"
#include "model/ListOptionFieldList.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "storage/FieldIO.h"

namespace {
constexpr auto defaultFields = [](auto &&visit) { ListOptionFieldList::defaults(visit); };
} // namespace

void SettingsSections::readGlobalSettings(GlobalSettings &state, RecordFile &file, bool headerAccepted)
{
    state.setFactoryValues();
    if (headerAccepted) {
        GlobalSettingsCopy read;
        FieldIO::readAll(file, read, GlobalSettingFieldList{});
        if (file.intact()) {
            GlobalSettingsCopy taken = state.copyOut();
            FieldIO::takeChecked(taken, read, GlobalSettingFieldList{});
            state.copyIn(taken);
        }
    }
    state.applyToWindows();
}

void SettingsSections::writeGlobalSettings(const GlobalSettings &state, RecordFile &file)
{
    FieldIO::writeAll(file, state.copyOut(), GlobalSettingFieldList{});
}

void SettingsSections::readNewListDefaults(NewListDefaults &firstList, RecordFile &file, bool headerAccepted)
{
    firstList.setFactoryValues();
    if (!headerAccepted)
        return;
    NewListDefaultFields read;
    FieldIO::readAll(file, read, defaultFields);
    if (file.intact())
        FieldIO::takeChecked<NewListDefaultFields>(firstList, read, defaultFields);
}

void SettingsSections::writeNewListDefaults(const NewListDefaults &firstList, RecordFile &file)
{
    FieldIO::writeAll<NewListDefaultFields>(file, firstList, defaultFields);
}
