// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/PaneHost.h"
#include "platform/FontTextWidth.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class ListBoxWidget;
class ListDisplay;
class QFrame;

// The main window's client area: the shown clip lists stacked one above the other, each in its
// own list box, with 3-pixel bars between them, below the room of the toolbar strip.
class PaneArea : public QWidget, public PaneHost {
    Q_OBJECT
public:
    static constexpr int BarHeight = 3;
    static constexpr int ToolStripHeight = 19;
    // Heights are rounded to whole pixels half to even, in the layout and when a divider drops.
    static int roundHalfEven(double value);

    explicit PaneArea(QWidget *parent = nullptr);

    // The display state whose panes are laid out; set once, before the first layout.
    void setPanes(ListDisplay &panes) { m_panes = &panes; }

    // PaneHost. The measuring font is the area's own: the widgets keep theirs.
    ClipListBox &listBox(PaneNumber pane) override;
    void loadListBox(PaneNumber pane) override;
    void unloadListBox(PaneNumber pane) override;
    void loadBar(qint16 index) override;
    void unloadBar(qint16 index) override;
    void setBarPointer(qint16 index, int pointer) override;
    void layOutPanes() override;
    void setFontSize(float points) override;
    void setFontName(const QString &family) override;
    double textWidth(QStringView text) const override { return m_meter->textWidth(text); }
    std::shared_ptr<const TextWidth> measuringNow() const override { return m_meter; }

    // Every bar, and every bar loaded later, takes the colour.
    void setBarColour(Colour colour);
    // The toolbar strip's room at the top.
    void setToolStripShown(bool shown);
    // The strip shown in that room, as wide as the area.
    void setToolStrip(QWidget *strip);
    // No layout while the window is being loaded or is minimised.
    void setLayoutHeld(bool held);

    // The list box of a pane and a bar as layOutPanes placed them.
    ListBoxWidget *clipListWidget(PaneNumber pane) const;
    QFrame *barWidget(qint16 index) const;
    int barCount() const { return int(m_bars.size()); }
    // The pane of a list box and the index of a bar; -1 for any other widget.
    PaneNumber paneOf(const QWidget *widget) const;
    qint16 barOf(const QWidget *widget) const;
    const QFont &measuringFont() const { return m_meter->font(); }
    // The lowest height of a shown pane's list box: one row of its font.
    float minimumListHeight(PaneNumber pane);

signals:
    // A mouse button was released over the list box of a pane.
    void rowReleased(PaneNumber pane);
    // A row of the list box of a pane was double-clicked.
    void rowDoubleClicked(PaneNumber pane);
    // The left button on the list box of a pane (see ListBoxWidget).
    void listLeftPressed(PaneNumber pane, int row, Qt::KeyboardModifiers modifiers, QPoint position);
    void listLeftMoved(PaneNumber pane, QPoint position, QPointF globalPosition);
    void listLeftReleased(PaneNumber pane, QPointF globalPosition);
    // Every layout request, also one that is held (the list menu's enabled states follow).
    void layoutRequested();
    // The right button went down over a list box or a bar.
    void popUpRequested(const QPoint &globalPos);
    // A printable character was typed into the list box of a pane.
    void listTyped(PaneNumber pane, const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ListBoxWidget *makeClipList();
    void applyBarColour(QFrame *bar);
    void setMeasuringFont(const QFont &font);
    double pixelsPerPoint() const;
    // Asks the window for the height the lists lack, or gives back what it grew by.
    void fitWindowHeight(int shortfall);
    int tallestWindowHeight() const;
    static void place(QWidget *widget, const QRect &geometry);

    ListDisplay *m_panes = nullptr;
    std::vector<ListBoxWidget *> m_clipLists; // by pane number; null where no pane is loaded
    std::vector<QFrame *> m_bars;        // bar 0 is the top edge
    Colour m_barColour = 0;
    bool m_barColourSet = false;
    // Replaced, never changed, when the font changes: rows still to be captioned hold the old one.
    std::shared_ptr<FontTextWidth> m_meter;
    bool m_toolStrip = true;
    QWidget *m_stripWidget = nullptr;
    bool m_held = false;
    bool m_inLayout = false;
    bool m_fitQueued = false;
    int m_shortfall = 0;
    // The window's height before the layout made it taller, and the most it asked for since.
    std::optional<int> m_heightBeforeGrowth;
    int m_tallestAsked = 0;
};
