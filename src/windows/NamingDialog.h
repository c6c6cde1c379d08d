// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include "storage/WindowOffsetSettings.h"
#include "windows/SideWindow.h"

#include <QPoint>

class ListCollection;
class QLabel;
class QLineEdit;
class TextWidth;

// A small borderless dialog with one field, naming a list (target 0) or an item (target 1).
// It draws its own title strip and buttons, is dragged by its background, and is cancelled when
// it loses activation.
class NamingDialog : public SideWindow {
    Q_OBJECT
public:
    static constexpr int ForList = 0;
    static constexpr int ForItem = 1;

    NamingDialog(ListCollection &lists, QWidget &mainWindow, NameDialogSettings &settings);

    PaneNumber pane;
    ListNumber list;
    RowNumber row;
    QString name;
    QString title;
    bool accepted = false;
    qint32 target = ForList;

    void showName();
    void endNaming();

    // The text as it fits the width, cut before the first character that, followed by "...",
    // would not fit, and ended with "..."; the whole text when it fits.
    static QString fitCaption(const QString &text, double width, const TextWidth &meter);

    // Button colours, 0x00BBGGRR.
    static constexpr quint32 ButtonColour = 14737632;
    static constexpr quint32 HoverColour = 16761024;

protected:
    void deactivated(bool mayClose) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void accept();
    void cancel();
    void hover(int index);
    void paintButton(int index, quint32 colour);
    void startDrag(const QPoint &globalPos);
    void dragTo(const QPoint &globalPos);
    void endDrag(const QPoint &globalPos);

    ListCollection &m_lists;
    NameDialogSettings &m_settings;
    QLabel *titleLabel;
    QLabel *nameLabel;
    QLineEdit *nameEdit;
    QLabel *buttonLabels[2];
    bool m_hoverOn = false;
    int m_hoverIndex = 0;
    bool m_dragOn = false;
    QPoint m_dragOffset;
    bool m_ended = true;
};
