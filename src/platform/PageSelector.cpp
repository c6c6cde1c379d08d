// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PageSelector.h"

#include "platform/WinColour.h"

#include <QApplication>
#include <QLabel>

void PageSelector::registerControl(QLabel *tabLabel, QLabel *wordLabel, QWidget *page)
{
    tabLabel->setAutoFillBackground(true);
    m_baseLabels.append(tabLabel);
    m_wordLabels.append(wordLabel);
    m_frames.append(page);
}

void PageSelector::paint(qint16 index, Colour back, Colour fore)
{
    const QPalette system = QApplication::palette();
    QLabel *base = m_baseLabels.at(index);
    QPalette p = base->palette();
    p.setColor(QPalette::Window, WinColour::toQColor(back, system));
    base->setPalette(p);
    QLabel *word = m_wordLabels.at(index);
    p = word->palette();
    p.setColor(QPalette::WindowText, WinColour::toQColor(fore, system));
    word->setPalette(p);
}

void PageSelector::clickLabel(qint16 index)
{
    if (index == m_visibleIndex || index < 0 || index >= pageCount())
        return;
    qint16 cancel = 0;
    emit pageChanging(m_visibleIndex, index, cancel);
    if (cancel == 1)
        return;
    QWidget *shown = m_frames.at(index);
    if (m_visibleIndex != -1) {
        paint(m_visibleIndex, inactiveBackColour, inactiveTextColour);
        QWidget *old = m_frames.at(m_visibleIndex);
        // Two tabs that share one frame keep it shown.
        if (old->isVisibleTo(old->parentWidget()) && !shown->isVisibleTo(shown->parentWidget()))
            old->hide();
    }
    paint(index, activeBackColour, activeTextColour);
    if (!shown->isVisibleTo(shown->parentWidget()))
        shown->show();
    m_visibleIndex = index;
}
