#include "capture/ItemMaker.h"

#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityGrobal.h"

#include <QList>
#include <algorithm>

namespace {

// The pieces of a split text: each but the last keeps its separator; the last may be empty.
QList<QStringView> splitKeepingSeparators(QStringView text, QStringView separator)
{
    QList<QStringView> pieces;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(separator, from); at >= 0; at = text.indexOf(separator, from)) {
        pieces.append(text.mid(from, at + separator.size() - from));
        from = at + separator.size();
    }
    pieces.append(text.mid(from));
    return pieces;
}

} // namespace

void ItemMaker::MakeItems(qint16 pane, qint16 list, const QString &text)
{
    const UtilityGrobal &settings = m_grobal.utilityGrobal();
    if (!settings.ReturnIm) {
        AddOneItem(pane, list, text);
    } else {
        QString separator = m_grobal.CrLf;
        if (!settings.ReturnOrLetter && !settings.LetterIm.isEmpty())
            separator = settings.LetterIm;
        const QList<QStringView> pieces = splitKeepingSeparators(text, separator);

        // Added at the top or bottom, a piece that later pieces push out of a full list leaves no
        // trace: the same rows are dropped from the far end whether it came in or not. Skipping
        // such pieces keeps a split of many lines from costing more than the list can hold.
        qsizetype first = 0;
        ListOb &options = m_grobal.listControl().lcListOb(list);
        const bool atEnds = !options.PosAdd || m_grobal.listExControl().lecItemGetFocus(pane) < 0;
        if (atEnds) {
            const qsizetype held = options.loItemControl().UB();
            const qsizetype room = std::max<qsizetype>(held, std::max<qsizetype>(1, options.UpperCount));
            const qsizetype kept = std::min<qsizetype>(held + pieces.size(), room);
            first = std::max<qsizetype>(0, pieces.size() - kept);
        }
        for (qsizetype i = first; i < pieces.size(); ++i)
            AddOneItem(pane, list, pieces[i].toString());
    }
    m_grobal.ClearTextSave(pane);
}

void ItemMaker::AddOneItem(qint16 pane, qint16 list, const QString &text)
{
    ListOb &options = m_grobal.listControl().lcListOb(list);
    ItemControl &items = options.loItemControl();
    ListExControl &panes = m_grobal.listExControl();
    qint16 focused = panes.lecItemGetFocus(pane);
    if (options.PosAdd && focused >= 0) {
        items.icMakePinItem(pane, text, focused);
        panes.lecItemSetBlue(pane, options.WayAdd ? qint16(focused + 1) : focused);
        return;
    }
    const qint16 row = items.icMakeItem(pane, text);
    if (row >= 0)
        panes.lecItemSetBlue(pane, row);
}
