#include "FakePaneHost.h"

#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"

#include <stdexcept>

FakePaneHost::FakePaneHost()
{
    boxes[0] = std::make_unique<FakeClipListBox>();
    barPointers.append(DefaultPointer);
}

ClipListBox &FakePaneHost::clipList(qint16 pane)
{
    auto found = boxes.find(pane);
    if (found == boxes.end())
        throw std::out_of_range("no list box loaded for the pane");
    return *found->second;
}

void FakePaneHost::loadClipList(qint16 pane)
{
    if (boxes.count(pane))
        throw std::logic_error("list box loaded twice");
    boxes[pane] = std::make_unique<FakeClipListBox>();
}

void FakePaneHost::unloadClipList(qint16 pane)
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
    : host(std::make_unique<FakePaneHost>()), grobal(std::make_unique<QKPRGrobal>(*host))
{
    FakePaneHost *shown = host.get();
    QObject::connect(&grobal->utilityGrobal(), &UtilityGrobal::timerIntervalChanged,
                     [shown](int milliseconds) { shown->timerInterval = milliseconds; });
    QObject::connect(&grobal->utilityGrobal(), &UtilityGrobal::barColourChanged,
                     [shown](Colour colour) { shown->barColour = colour; });
    QObject::connect(&grobal->listExControl(), &ListExControl::focusedListMovAdd, [shown](qint16 movAdd) {
        shown->lastMovAdd = movAdd;
        ++shown->activations;
    });
    grobal->utilityGrobal().SetGrobalFactory();
    grobal->utilityFirstList().SetFirstFactory();
}

ModelFixture::~ModelFixture()
{
    grobal.reset();
    host.reset();
}

qint16 ModelFixture::showNewList()
{
    ListControl &lists = grobal->listControl();
    const qint16 list = lists.lcMakeList();
    lists.lcExList(list);
    return list;
}

QStringList ModelFixture::rowWords(qint16 pane)
{
    ItemControl &items = grobal->listControl().lcListOb(grobal->getOLx(pane)).loItemControl();
    QStringList words;
    for (qint16 row = 0; row < items.UBic(); ++row)
        words << items.icItemOb(items.prooIx(row)).ioWords;
    return words;
}
