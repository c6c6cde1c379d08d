// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include "windows/SideWindow.h"

class ClipboardWatcher;
class ItemCommands;
class MessageBoxPort;
class QAction;
class ListCollection;
class GlobalSettings;
struct RunFlags;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
struct TextWindowSettings;

// Shows the whole text of one item, lets the user edit and save it or divide the item in two.
// It closes when it loses activation unless locked, and can stop capture while it is active, so
// text copied out of it is not taken as a new item. Saving and dividing are item commands; it
// refuses them once the rows of its pane changed, until a click points it at an item again.
class TextWindow : public SideWindow {
    Q_OBJECT
public:
    // The most characters a box holds (a line break counts two, as the item keeps it).
    static constexpr int MaxChars = 16384;

    TextWindow(ListCollection &lists, GlobalSettings &programSettings, RunFlags &flags, ItemCommands &commands,
               ClipboardWatcher &watcher, MessageBoxPort &messages, QWidget &mainWindow, TextWindowSettings &settings);

    // Opens the window on the item of the list, shown in the row of the pane.
    void showItem(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item);
    // Shown, from opening until it really closed (a locked window ignores a close).
    bool showsItem() const { return m_shown; }
    // It holds edits not yet saved.
    bool holdsEdits() const { return m_holdsEdits; }
    // Its item still matches the list: saving and dividing are allowed.
    bool itemMatchesList() const { return m_itemMatches; }
    // A click on a row: a shown window turns to its item, dropping any edit.
    void followClick(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item);
    // The pane no longer shows the list the shown item is in.
    void paneClosed(PaneNumber pane);
    // The capture switch as the window's menu shows it.
    void setCapturingCaption(bool capturing);
    // Remembers the placement in the settings, while the window is shown.
    void storePlacement();

signals:
    // It began or stopped holding unsaved edits.
    void editingChanged(bool editing);

protected:
    void activated() override;
    void deactivated(bool mayClose) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    // Clears the last showing's state and takes the font the settings give.
    void prepareToShow();
    void pointAt(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item);
    void renew();
    void endText();
    void setHoldsEdits(bool holds);
    QPlainTextEdit *visibleBox() const;
    void putText(int index, const QString &text);
    bool showsPart() const;
    QString withUnshown(QString shown) const;
    void keepUnshown(const QString &text, qsizetype shownLength);
    void boxChanged();
    void showMessage(const QString &text);
    void hideMessage();
    void showCaption();
    void switchScrollMode(int mode);
    void saveCommand();
    void saveEdits();
    void divideCommand();
    void lockCommand();
    void toggleCapture();
    void restoreCaptureSwitch();
    void selectAll();

    ListCollection &m_lists;
    GlobalSettings &m_programSettings;
    RunFlags &m_flags;
    ItemCommands &m_commands;
    ClipboardWatcher &m_watcher;
    MessageBoxPort &m_messages;
    TextWindowSettings &m_settings;

    QMenuBar *m_menuBar;
    QMenu *m_menu;
    QAction *m_divideAction;
    QAction *m_saveAction;
    QAction *m_closeAction;
    QMenu *m_viewMenu;
    QAction *m_lockAction;
    QAction *m_verticalAction;
    QAction *m_bothAction;
    QAction *m_captureAction;
    QPlainTextEdit *m_boxes[2];
    QLabel *m_message;

    // The item shown, by pane and row as listed and by list and item number as stored.
    PaneNumber m_pane{0};
    ListNumber m_list{0};
    RowNumber m_row{0};
    ItemNumber m_item{0};
    QString m_text;
    QString m_title;
    bool m_shown = false;
    bool m_holdsEdits = false;
    bool m_itemMatches = false;
    // Rows added or removed in the shown item's list may move it to another row.
    QMetaObject::Connection m_rowWatch;

    bool m_edited = false;
    bool m_boxReady = false;
    bool m_closeOnDeactivation = false;
    bool m_divided = false;
    bool m_capturingAtActivation = false;
    bool m_captureRecorded = false;
    bool m_messageShown = false;
    int m_caretAfterKey = 0;
    // The text the box was filled from and where in it the part the box does not show begins;
    // what typing pushed out of a full box comes before that part. Saving and dividing keep it.
    QString m_filledText;
    qsizetype m_unshownFrom = 0;
    QString m_pushedOut;
};
