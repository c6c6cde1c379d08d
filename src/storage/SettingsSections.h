#pragma once

class UtilityFirstList;
class UtilityGrobal;
class spgFileCon;

// The settings file's sections of the global settings and the new-list defaults. With Version
// false, or when a section turns out damaged or cut short, every field takes its factory value;
// a value outside the settings dialog's range takes its own factory value.
namespace SettingsSections {

// The toolbar mouse option is assigned through its property; ApplyGrobal follows in every case.
void LoadUtilGrobal(UtilityGrobal &grobal, spgFileCon &Fee, bool Version);
void UGrobalOutofUtility(const UtilityGrobal &grobal, spgFileCon &Fee);

void LoadUtilFirst(UtilityFirstList &firstList, spgFileCon &Fee, bool Version);
void UFirstOutofUtility(const UtilityFirstList &firstList, spgFileCon &Fee);

} // namespace SettingsSections
