// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePaneHost.h"

#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"

#include <stdexcept>

FakePaneHost::FakePaneHost()
{
    boxes[PaneNumber(0)] = std::make_unique<FakeClipListBox>();
    barPointers.append(DefaultPointer);
}

ClipListBox &FakePaneHost::listBox(PaneNumber pane)
{
    auto found = boxes.find(pane);
    if (found == boxes.end())
        throw std::out_of_range("no list box loaded for the pane");
    return *found->second;
}

std::shared_ptr<const TextWidth> FakePaneHost::measuringNow() const
{
    // Measures at the font size of now, whatever the host's later.
    struct Frozen : TextWidth {
        double scale = 1;
        double textWidth(QStringView text) const override { return 10.0 * text.size() * scale; }
    };
    auto frozen = std::make_shared<Frozen>();
    frozen->scale = widthFollowsFontSize ? fontSize / 9 : 1;
    return frozen;
}

void FakePaneHost::loadListBox(PaneNumber pane)
{
    if (boxes.count(pane))
        throw std::logic_error("list box loaded twice");
    boxes[pane] = std::make_unique<FakeClipListBox>();
}

void FakePaneHost::unloadListBox(PaneNumber pane)
{
    if (pane == 0 || !boxes.erase(pane))
        throw std::logic_error("unloading a list box that is not loaded");
}

void FakePaneHost::loadBar(qint16 index)
{
    if (index != barPointers.size())
        throw std::logic_error("bars must be loaded in order");
    barPointers.append(DefaultPointer);
}

void FakePaneHost::unloadBar(qint16 index)
{
    if (index != barPointers.size() - 1 || index == 0)
        throw std::logic_error("only the last bar is unloaded");
    barPointers.removeLast();
}

void FakePaneHost::setBarPointer(qint16 index, int pointer)
{
    barPointers[index] = pointer;
}

ModelFixture::ModelFixture()
    : host(std::make_unique<FakePaneHost>()), state(std::make_unique<ProgramState>(*host))
{
    FakePaneHost *shown = host.get();
    QObject::connect(&state->settings(), &GlobalSettings::timerIntervalChanged,
                     [shown](int milliseconds) { shown->timerInterval = milliseconds; });
    QObject::connect(&state->settings(), &GlobalSettings::barColourChanged,
                     [shown](Colour colour) { shown->barColour = colour; });
    QObject::connect(&state->display(), &ListDisplay::focusedListFocusMode, [shown](FocusMode focusMode) {
        shown->lastFocusMode = int(focusMode);
        ++shown->activations;
    });
    state->settings().setFactoryValues();
    state->newListDefaults().setFactoryValues();
}

ModelFixture::~ModelFixture()
{
    state.reset();
    host.reset();
}

ListNumber ModelFixture::showNewList()
{
    ListCollection &lists = state->lists();
    const ListNumber list = lists.makeList();
    state->display().showList(list);
    return list;
}

QStringList ModelFixture::rowWords(PaneNumber pane)
{
    ListItems &items = state->display().recordOfPane(pane).items();
    QStringList words;
    for (RowNumber row{0}; row < items.rowCount(); ++row)
        words << items.at(items.itemOfRow(row)).text;
    return words;
}
