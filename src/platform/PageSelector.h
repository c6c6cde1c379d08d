#pragma once

#include "model/ModelTypes.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// Turns a row of labels into page tabs: each page has a background label, a caption label lying
// on it and a frame. Before a switch the owner is asked through ChangedIndex and may refuse it.
class PageSelector : public QObject {
    Q_OBJECT
public:
    explicit PageSelector(QObject *parent = nullptr) : QObject(parent) {}

    // Appends a page; its visibility stays as the owner set it (designed hidden).
    void registerControl(QLabel *agBaseLabel, QLabel *agWordLabel, QWidget *agBaseFrame);
    // Shows the page, unless it is shown already or the owner refuses.
    void clickLabel(qint16 Index);
    qint16 visibleIndex() const { return m_nowVisIndex; }
    qint16 pageCount() const { return qint16(m_frames.size()); }

    Colour ActiveBackColor = systemColour(13);
    Colour ActiveForeColor = systemColour(14);
    Colour NotAcvBackColor = systemColour(22);
    Colour NotAcvForeColor = systemColour(8);

signals:
    // Set Cancel to 1 to keep the page shown. Connect directly: Cancel is read back at once.
    void ChangedIndex(qint16 Before, qint16 Index, qint16 &Cancel);

private:
    void paint(qint16 index, Colour back, Colour fore);

    QList<QPointer<QLabel>> m_baseLabels;
    QList<QPointer<QLabel>> m_wordLabels;
    QList<QPointer<QWidget>> m_frames;
    qint16 m_nowVisIndex = -1;
};
