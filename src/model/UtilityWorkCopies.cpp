#include "model/UtilityWorkCopies.h"

#include "model/ClipListBox.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/ListOptionFieldList.h"
#include "model/MessageBoxPort.h"
#include "model/PaneHost.h"
#include "model/ProgramTexts.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"

#include <type_traits>

namespace {
template <typename A, typename B>
bool sameMember(A a, B b)
{
    if constexpr (std::is_same_v<A, B>)
        return a == b;
    else
        return false;
}

template <typename M>
bool isOneOf(M) { return false; }
template <typename M, typename First, typename... Rest>
bool isOneOf(M member, First first, Rest... rest)
{
    return sameMember(member, first) || isOneOf(member, rest...);
}

QString nameWithNumber(const ListOptions &list)
{
    return list.loNameEx != 0 ? list.loName + QLatin1Char('(') + QString::number(list.loNameEx) + QLatin1Char(')')
                              : list.loName;
}

UtilListOb copyOfList(const ListOb &list, qint16 number)
{
    UtilListOb copy;
    ListOptionFieldList{}([&](auto field, auto def, auto) { copy.*def = list.*field; });
    copy.oLxMeter = number;
    return copy;
}
} // namespace

QString UtilityWorkCopies::entryText(const ListOptions &list, bool shown)
{
    return (shown ? QStringLiteral("[表示]-") : QStringLiteral("[非表示]-")) + nameWithNumber(list);
}

void UtilityWorkCopies::LoadWorkCopies(QKPRGrobal &live)
{
    grobal = live.utilityGrobal().copyOut();
    static_cast<FirstListFields &>(defaults) = live.utilityFirstList();
    BuildListEntries(live);
}

void UtilityWorkCopies::BuildListEntries(QKPRGrobal &live)
{
    ListControl &all = live.listControl();
    ListExControl &panes = live.listExControl();
    lists.clear();
    entries.clear();
    std::vector<bool> shown(size_t(all.UB()), false);
    for (qint16 position = 0; position < panes.UBEx(); ++position) {
        const qint16 pane = panes.lecEx(position);
        const qint16 number = panes.lecListOb(pane).leoListOb;
        UtilListOb copy = copyOfList(all.lcListOb(number), number);
        copy.Expression = true;
        copy.cLxMeter = pane;
        lists.push_back(copy);
        entries.append(entryText(all.lcListOb(number), true));
        shown[size_t(number)] = true;
    }
    for (qint16 number = 0; number < all.UB(); ++number) {
        if (shown[size_t(number)])
            continue;
        lists.push_back(copyOfList(all.lcListOb(number), number));
        entries.append(entryText(all.lcListOb(number), false));
    }
}

void UtilityWorkCopies::ApplyDefaultsToAllLists()
{
    for (UtilListOb &copy : lists) {
        ListOptionFieldList::defaults([&](auto def, auto) {
            if (!isOneOf(def, &FirstListFields::loNameDef, &FirstListFields::fiNameDef))
                copy.*def = defaults.*def;
        });
    }
}

void UtilityWorkCopies::ApplyGlobal(QKPRGrobal &live) const
{
    UtilityGrobal &settings = live.utilityGrobal();
    const bool newInterval = settings.TimerInterval != grobal.TimerInterval;
    const bool newBarColour = settings.BarClr != grobal.BarClr;
    // The toolbar mouse option goes through its property, so the pointers change at once.
    settings.copyIn(grobal);
    if (newInterval)
        emit settings.timerIntervalChanged(settings.TimerInterval);
    if (newBarColour)
        emit settings.barColourChanged(settings.BarClr);
}

void UtilityWorkCopies::ApplyDefaults(QKPRGrobal &live) const
{
    static_cast<FirstListFields &>(live.utilityFirstList()) = defaults;
}

int UtilityWorkCopies::ApplyLists(QKPRGrobal &live, MessageBoxPort &messages) const
{
    using L = ListOptions;
    ListExControl &panes = live.listExControl();
    const QString &crLf = live.CrLf;
    for (size_t index = 0; index < lists.size(); ++index) {
        const UtilListOb &copy = lists[index];
        ListOb &list = live.listControl().lcListOb(copy.oLxMeter);
        bool looks = false;
        bool captions = false;
        ListOptionFieldList{}([&](auto field, auto def, auto) {
            if (isOneOf(field, &L::loName, &L::fiName, &L::UpperCount) || list.*field == copy.*def)
                return;
            list.*field = copy.*def;
            if (isOneOf(field, &L::FontName, &L::FontSize, &L::BackClr, &L::ForeClr, &L::BackClrFcs,
                        &L::ForeClrFcs))
                looks = true;
            else if (isOneOf(field, &L::ioSFLG, &L::ioSLength, &L::ioSWidth, &L::ReturnLetter, &L::LenNum))
                captions = true;
        });
        const qint16 pane = copy.Expression ? copy.cLxMeter : qint16(-1);
        if (looks && pane >= 0) {
            ClipListBox &box = panes.box(pane);
            box.setListFont(list.FontName, list.FontSize);
            if (panes.lecListFocus() == pane) {
                box.setColours(list.BackClrFcs, list.ForeClrFcs);
                panes.host().setFontSize(box.fontSize());
            } else {
                box.setColours(list.BackClr, list.ForeClr);
            }
        }
        if (copy.UpperCountDef != list.UpperCount) {
            if (copy.UpperCountDef < list.UpperCount) {
                const QString text = QStringLiteral("上限項目数を変更前の値より小さく設定すると、") + crLf
                                     + QStringLiteral("あふれた項目は削除されます。") + crLf
                                     + QStringLiteral("続行しますか?") + crLf + crLf + QStringLiteral("ﾘｽﾄ名:")
                                     + nameWithNumber(list) + crLf + QStringLiteral("\r変更前値:\"")
                                     + QString::number(list.UpperCount) + QStringLiteral("\"") + crLf
                                     + QStringLiteral("\r変更値:\"") + QString::number(copy.UpperCountDef)
                                     + QStringLiteral("\"");
                const auto answer = messages.show(ProgramTexts::title() + QStringLiteral(" 変更の注意"), text,
                                                  MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::OkCancel);
                if (answer != MessageBoxPort::Answer::Ok) {
                    messages.show(ProgramTexts::title(), QStringLiteral("設定は、完了していません。"),
                                  MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::Ok);
                    return int(index);
                }
            }
            list.UpperCount = copy.UpperCountDef;
            list.loItemControl().icTrimTo(pane);
            // An open text window may show an item that has just gone.
            if (pane >= 0)
                live.ClearTextSave(pane);
            captions = true;
        }
        if (captions && pane >= 0) {
            panes.box(pane).clear();
            panes.lecMakeItem(copy.oLxMeter, pane);
        }
    }
    // The focused list's colours and its add-focus mode take effect at once.
    if (panes.UBEx() > 0)
        panes.lecChaFocus(panes.lecListFocus());
    return -1;
}
