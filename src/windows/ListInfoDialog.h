// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include "storage/WindowOffsetSettings.h"
#include "windows/SideWindow.h"

#include <QList>

class QComboBox;
class ListCollection;
class ListDisplay;
class QLabel;
class QLineEdit;
class QPushButton;

// Figures of one clip list: where it is saved, its items, characters and bytes. The drop-down
// names every list, the shown ones first; the dialog opens on the focused list and closes on
// O.K. or when it loses activation.
class ListInfoDialog : public SideWindow {
    Q_OBJECT
public:
    ListInfoDialog(ListCollection &lists, ListDisplay &display, QWidget &mainWindow,
                   ListDataDialogSettings &settings);

    // The focused pane, set by the caller.
    PaneNumber pane;

    void showListData();
    // Remembers the placement in the settings, while the dialog is shown.
    void storePlacement();

protected:
    void deactivated(bool mayClose) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildEntries();
    void showFigures(int entry);

    ListCollection &m_lists;
    ListDisplay &m_display;
    ListDataDialogSettings &m_settings;
    QComboBox *listSelector;
    QLineEdit *fileNameEdit;
    QLabel *itemCountLabel;
    QLabel *characterCountLabel;
    QLabel *byteCountLabel;
    QPushButton *okButton;
    QList<ListNumber> m_listNumbers;
    qint16 m_focusEntry = 0;
};
