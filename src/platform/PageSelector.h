// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// Turns a row of labels into page tabs: each page has a background label, a caption label lying
// on it and a frame. Before a switch the owner is asked through pageChanging and may refuse it.
class PageSelector : public QObject {
    Q_OBJECT
public:
    explicit PageSelector(QObject *parent = nullptr) : QObject(parent) {}

    // Appends a page; its visibility stays as the owner set it (designed hidden).
    void registerControl(QLabel *tabLabel, QLabel *wordLabel, QWidget *page);
    // Shows the page, unless it is shown already or the owner refuses.
    void clickLabel(qint16 index);
    qint16 visibleIndex() const { return m_visibleIndex; }
    qint16 pageCount() const { return qint16(m_frames.size()); }

    Colour activeBackColour = systemColour(13);
    Colour activeTextColour = systemColour(14);
    Colour inactiveBackColour = systemColour(22);
    Colour inactiveTextColour = systemColour(8);

signals:
    // Set cancel to 1 to keep the page shown. Connect directly: cancel is read back at once.
    void pageChanging(qint16 before, qint16 index, qint16 &cancel);

private:
    void paint(qint16 index, Colour back, Colour fore);

    QList<QPointer<QLabel>> m_baseLabels;
    QList<QPointer<QLabel>> m_wordLabels;
    QList<QPointer<QWidget>> m_frames;
    qint16 m_visibleIndex = -1;
};
