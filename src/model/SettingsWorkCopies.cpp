// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/SettingsWorkCopies.h"

#include "model/seams/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ListOptionFieldList.h"
#include "model/seams/MessageBoxPort.h"
#include "model/seams/PaneHost.h"
#include "model/ProgramTexts.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"

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
    return list.sameNameNumber != 0 ? list.name + QLatin1Char('(') + QString::number(list.sameNameNumber) + QLatin1Char(')')
                              : list.name;
}

ListOptionsCopy copyOfList(const ListRecord &list, ListNumber number)
{
    ListOptionsCopy copy;
    ListOptionFieldList{}([&](auto field, auto def, auto) { copy.*def = list.*field; });
    copy.list = number;
    return copy;
}
} // namespace

QString SettingsWorkCopies::entryText(const ListOptions &list, bool shown)
{
    return (shown ? QStringLiteral("[表示]-") : QStringLiteral("[非表示]-")) + nameWithNumber(list);
}

void SettingsWorkCopies::load(const GlobalSettings &settings, const NewListDefaults &newLists, const ExtraSettings &more,
                              ListCollection &all, ListDisplay &panes)
{
    global = settings.copyOut();
    static_cast<NewListDefaultFields &>(defaults) = newLists;
    extra = more;
    buildListEntries(all, panes);
}

void SettingsWorkCopies::buildListEntries(ListCollection &all, ListDisplay &panes)
{
    lists.clear();
    entries.clear();
    std::vector<bool> shown(size_t(all.count()), false);
    for (qint16 position = 0; position < panes.paneCount(); ++position) {
        const PaneNumber pane = panes.paneAtPosition(position);
        const ListNumber number = panes.paneRecord(pane).list;
        ListOptionsCopy copy = copyOfList(all.at(number), number);
        copy.shown = true;
        copy.pane = pane;
        lists.push_back(copy);
        entries.append(entryText(all.at(number), true));
        shown[size_t(number.value())] = true;
    }
    for (ListNumber number{0}; number < all.count(); ++number) {
        if (shown[size_t(number.value())])
            continue;
        lists.push_back(copyOfList(all.at(number), number));
        entries.append(entryText(all.at(number), false));
    }
}

void SettingsWorkCopies::applyDefaultsToAllLists()
{
    for (ListOptionsCopy &copy : lists) {
        ListOptionFieldList::defaults([&](auto def, auto) {
            if (!isOneOf(def, &NewListDefaultFields::nameDefault, &NewListDefaultFields::fileNameDefault))
                copy.*def = defaults.*def;
        });
    }
}

void SettingsWorkCopies::applyGlobal(GlobalSettings &settings) const
{
    settings.copyIn(global);
}

void SettingsWorkCopies::applyDefaults(NewListDefaults &newLists) const
{
    static_cast<NewListDefaultFields &>(newLists) = defaults;
}

int SettingsWorkCopies::applyLists(ListCollection &all, ListDisplay &panes, MessageBoxPort &messages) const
{
    using L = ListOptions;
    const QString &crLf = ProgramTexts::lineBreak();
    // Each list's options go in through the collection, which notes them for the history, before
    // its limit is asked about: a refusal there keeps what earlier lists took (a layout that did
    // not change is not written).
    for (size_t index = 0; index < lists.size(); ++index) {
        const ListOptionsCopy &copy = lists[index];
        ListRecord &list = all.at(copy.list);
        ListOptions changed = list;
        bool looks = false;
        bool captions = false;
        ListOptionFieldList{}([&](auto field, auto def, auto) {
            if (isOneOf(field, &L::name, &L::fileName, &L::itemLimit) || changed.*field == copy.*def)
                return;
            changed.*field = copy.*def;
            if (isOneOf(field, &L::fontName, &L::fontSize, &L::backColour, &L::textColour, &L::focusedBackColour,
                        &L::focusedTextColour))
                looks = true;
            else if (isOneOf(field, &L::captionByWidth, &L::captionLength, &L::captionWidth, &L::lineBreakMark, &L::showLength))
                captions = true;
        });
        all.setOptions(copy.list, changed);
        const PaneNumber pane = copy.shown ? copy.pane : PaneNumber(-1);
        if (looks && pane >= 0) {
            ClipListBox &box = panes.box(pane);
            box.setListFont(list.fontName, list.fontSize);
            if (panes.focusedPane() == pane) {
                box.setColours(list.focusedBackColour, list.focusedTextColour);
                panes.host().setFontSize(box.fontSize());
            } else {
                box.setColours(list.backColour, list.textColour);
            }
        }
        if (copy.itemLimitDefault != list.itemLimit) {
            if (copy.itemLimitDefault < list.itemLimit) {
                const QString text = QStringLiteral("上限項目数を変更前の値より小さく設定すると、") + crLf
                                     + QStringLiteral("あふれた項目は削除されます。") + crLf
                                     + QStringLiteral("続行しますか?") + crLf + crLf + QStringLiteral("ﾘｽﾄ名:")
                                     + nameWithNumber(list) + crLf + QStringLiteral("\r変更前値:\"")
                                     + QString::number(list.itemLimit) + QStringLiteral("\"") + crLf
                                     + QStringLiteral("\r変更値:\"") + QString::number(copy.itemLimitDefault)
                                     + QStringLiteral("\"");
                const auto answer = messages.show(ProgramTexts::title() + QStringLiteral(" 変更の注意"), text,
                                                  MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::OkCancel);
                if (answer != MessageBoxPort::Answer::Ok) {
                    messages.show(ProgramTexts::title(), QStringLiteral("設定は、完了していません。"),
                                  MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::Ok);
                    return int(index);
                }
            }
            changed.itemLimit = copy.itemLimitDefault;
            all.setOptions(copy.list, changed);
            list.items().trimToLimit();
            captions = true;
        }
        if (captions && pane >= 0) {
            panes.fillPane(copy.list, pane, true);
        }
    }
    // The focused list's colours and its add-focus mode take effect at once.
    if (panes.paneCount() > 0)
        panes.focusPane(panes.focusedPane());
    return -1;
}
