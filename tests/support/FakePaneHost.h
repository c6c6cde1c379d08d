// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeClipListBox.h"
#include "model/seams/PaneHost.h"

#include <QList>
#include <map>
#include <memory>

class ProgramState;

// Stands in for the main window in unit tests: keeps list boxes and bars in memory and
// measures text as 10 units per character (so width-mode captions are easy to predict), times the
// font size over 9 points when widthFollowsFontSize is set.
class FakePaneHost : public PaneHost {
public:
    FakePaneHost();

    ClipListBox &listBox(PaneNumber pane) override;
    void loadListBox(PaneNumber pane) override;
    void unloadListBox(PaneNumber pane) override;
    void loadBar(qint16 index) override;
    void unloadBar(qint16 index) override;
    void setBarPointer(qint16 index, int pointer) override;
    void layOutPanes() override { ++resizes; }
    void setFontSize(float points) override { fontSize = points; }
    void setFontName(const QString &family) override { fontName = family; }
    double textWidth(QStringView text) const override { return 10.0 * text.size() * (widthFollowsFontSize ? fontSize / 9 : 1); }
    std::shared_ptr<const TextWidth> measuringNow() const override;

    FakeClipListBox &box(PaneNumber pane) { return static_cast<FakeClipListBox &>(listBox(pane)); }
    bool isLoaded(PaneNumber pane) const { return boxes.count(pane) > 0; }

    std::map<PaneNumber, std::unique_ptr<FakeClipListBox>> boxes;
    QList<int> barPointers; // by bar index; its size is the number of bars loaded
    Colour barColour = 0; // as the settings last pushed it
    int resizes = 0;
    float fontSize = 0;
    QString fontName;
    int lastFocusMode = -1;
    int activations = 0;
    int timerInterval = 0;
    bool widthFollowsFontSize = false;
};

// A fresh, isolated set of lists, panes and settings with factory values and a fake main window.
struct ModelFixture {
    ModelFixture();
    ~ModelFixture();
    std::unique_ptr<FakePaneHost> host;
    std::unique_ptr<ProgramState> state;

    // Makes a list and shows it in a new pane; returns the list number.
    ListNumber showNewList();
    // The rows of a pane as its list box shows them.
    QStringList rows(PaneNumber pane) { return host->box(pane).rows(); }
    // The texts of a pane's items in row order, read through the row map.
    QStringList rowWords(PaneNumber pane);
};
