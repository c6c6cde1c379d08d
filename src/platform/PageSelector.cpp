#include "platform/PageSelector.h"

#include "platform/WinColour.h"

#include <QApplication>
#include <QLabel>

void PageSelector::registerControl(QLabel *agBaseLabel, QLabel *agWordLabel, QWidget *agBaseFrame)
{
    agBaseLabel->setAutoFillBackground(true);
    m_baseLabels.append(agBaseLabel);
    m_wordLabels.append(agWordLabel);
    m_frames.append(agBaseFrame);
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

void PageSelector::clickLabel(qint16 Index)
{
    if (Index == m_nowVisIndex || Index < 0 || Index >= pageCount())
        return;
    qint16 Cancel = 0;
    emit ChangedIndex(m_nowVisIndex, Index, Cancel);
    if (Cancel == 1)
        return;
    QWidget *shown = m_frames.at(Index);
    if (m_nowVisIndex != -1) {
        paint(m_nowVisIndex, NotAcvBackColor, NotAcvForeColor);
        QWidget *old = m_frames.at(m_nowVisIndex);
        // Two tabs that share one frame keep it shown.
        if (old->isVisibleTo(old->parentWidget()) && !shown->isVisibleTo(shown->parentWidget()))
            old->hide();
    }
    paint(Index, ActiveBackColor, ActiveForeColor);
    if (!shown->isVisibleTo(shown->parentWidget()))
        shown->show();
    m_nowVisIndex = Index;
}
