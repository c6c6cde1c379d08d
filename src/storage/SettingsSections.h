// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class NewListDefaults;
class GlobalSettings;
class RecordFile;

// The settings file's sections of the global settings and the new-list defaults. With headerAccepted
// false, or when a section turns out damaged or cut short, every field takes its factory value;
// a value outside the settings dialog's range takes its own factory value.
namespace SettingsSections {

// The toolbar mouse option is assigned through its property; applyToWindows follows in every case.
void readGlobalSettings(GlobalSettings &state, RecordFile &file, bool headerAccepted);
void writeGlobalSettings(const GlobalSettings &state, RecordFile &file);

void readNewListDefaults(NewListDefaults &firstList, RecordFile &file, bool headerAccepted);
void writeNewListDefaults(const NewListDefaults &firstList, RecordFile &file);

} // namespace SettingsSections
