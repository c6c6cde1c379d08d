// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/FindBar.h"

#include "capture/ClipboardWatcher.h"
#include "mainwindow/AllListsMatches.h"
#include "mainwindow/PaneArea.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "platform/ListBoxWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

FindBar::FindBar(ListCollection &lists, ListDisplay &display, PaneArea &panes, ClipboardWatcher &watcher, QWidget *parent)
    : QToolBar(parent), m_lists(lists), m_display(display), m_panes(panes), m_watcher(watcher),
      m_folding(lists), m_filter(lists, display, panes, m_folding.finder()), m_edit(new QLineEdit), m_count(new QLabel),
      m_allLists(new QCheckBox(QStringLiteral("全ﾘｽﾄ(&A)"))), m_results(new AllListsMatches)
{
    setObjectName(QStringLiteral("findBar"));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    toggleViewAction()->setVisible(false);

    auto *content = new QWidget;
    auto *rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(1);
    rows->addWidget(m_results);
    auto *line = new QHBoxLayout;
    line->setSpacing(3);
    auto *caption = new QLabel(QStringLiteral("検索:"));
    caption->setBuddy(m_edit);
    line->addWidget(caption);
    line->addWidget(m_edit, 1);
    line->addWidget(m_count);
    line->addWidget(m_allLists);
    auto *close = new QToolButton;
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("検索を閉じる (Esc)"));
    close->setAccessibleName(QStringLiteral("検索を閉じる"));
    close->setAutoRaise(true);
    line->addWidget(close);
    rows->addLayout(line);
    addWidget(content);
    // The tool bar's own button for what does not fit has no name of its own.
    if (auto *more = findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("その他"));

    m_edit->setToolTip(QStringLiteral("空白で区切った語をすべて含む項目だけを表示します"));
    m_allLists->setToolTip(QStringLiteral("すべてのﾘｽﾄから探す (Shift+Enter)"));
    m_results->setAccessibleName(QStringLiteral("全ﾘｽﾄの検索結果"));
    m_allLists->setFocusPolicy(Qt::NoFocus);
    m_results->hide();
    m_edit->installEventFilter(this);
    m_results->installEventFilter(this);

    // Only the user's edits count: an empty query closes the bar.
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text.isEmpty())
            closeBar();
        else
            find();
    });
    connect(m_allLists, &QCheckBox::toggled, this, &FindBar::find);
    connect(close, &QToolButton::clicked, this, &FindBar::closeBar);
    // Esc closes the bar from the lists too, while it is open.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), parent ? parent : this, this, &FindBar::closeBar);
    m_escape->setEnabled(false);
    connect(&m_filter, &PaneFilter::filtered, this, [this] { showCount(m_filter.matchCount(), m_filter.rowCount()); });
    connect(m_results, &QListWidget::itemClicked, this, &FindBar::choose);
    m_rowsChanged.setSingleShot(true);
    m_rowsChanged.setInterval(0);
    connect(&m_rowsChanged, &QTimer::timeout, this, [this] {
        // A filtered pane follows its own rows.
        if (isOpen() && m_allLists->isChecked() && !m_edit->text().isEmpty())
            findInAllLists();
    });
    hide();
}

void FindBar::open(const QString &text)
{
    if (!isOpen()) {
        followListLook();
        show();
        m_escape->setEnabled(true);
    }
    if (!text.isEmpty()) {
        m_edit->setText(m_edit->text() + text);
        find();
    }
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->end(false);
}

void FindBar::closeBar()
{
    const PaneNumber pane = m_filter.active() ? m_filter.pane() : m_display.focusedPane();
    m_filter.clear();
    // The matches stay until the next find: the bar may be closing from a click on one of them.
    m_results->hide();
    m_edit->clear();
    hide();
    m_escape->setEnabled(false);
    if (ListBoxWidget *list = m_panes.clipListWidget(pane); list && m_display.positionOf(pane) >= 0)
        list->setFocus(Qt::OtherFocusReason);
}

void FindBar::typedInList(PaneNumber pane, const QString &text)
{
    if (text.isEmpty() || !text.front().isPrint())
        return;
    if (m_display.focusedPane() != pane)
        m_display.focusPane(pane);
    // The slash only opens the bar, as Ctrl+K does.
    open(text == QStringLiteral("/") ? QString() : text);
}

void FindBar::rowsChanged()
{
    // Several lists may change at once (every capture, a change of settings): one find follows them all.
    m_rowsChanged.start();
}

void FindBar::find()
{
    if (!isOpen() || m_edit->text().isEmpty())
        return;
    if (m_allLists->isChecked())
        findInAllLists();
    else
        findInFocusedList();
}

void FindBar::findInFocusedList()
{
    m_results->clear();
    m_results->hide();
    m_filter.apply(m_display.focusedPane(), FindQuery(m_edit->text()), true);
}

void FindBar::findInAllLists()
{
    m_filter.clear();
    const auto counts = m_results->fill(m_lists, m_folding.finder(), FindQuery(m_edit->text()));
    m_results->show();
    showCount(counts.matches, counts.rows);
}

void FindBar::choose(const QListWidgetItem *match)
{
    const auto place = m_results->placeOf(match);
    if (!place)
        return;
    const auto [list, row] = *place;
    if (list >= m_lists.count() || row >= m_lists.at(list).items().rowCount())
        return;
    PaneNumber pane(-1);
    for (qint16 position = 0; position < m_display.paneCount(); ++position) {
        if (m_display.listOfPane(m_display.paneAtPosition(position)) == list) {
            pane = m_display.paneAtPosition(position);
            break;
        }
    }
    if (pane < 0) {
        m_display.showList(list);
        pane = m_display.focusedPane();
    }
    closeBar();
    m_display.focusPane(pane);
    m_display.highlightRow(pane, row);
    if (ListBoxWidget *box = m_panes.clipListWidget(pane))
        box->setFocus(Qt::OtherFocusReason);
}

void FindBar::copyFocusedMatch()
{
    m_filter.settle();
    if (!m_filter.active() || m_filter.matchCount() == 0)
        return;
    const PaneNumber pane = m_filter.pane();
    const ListBoxWidget *list = m_panes.clipListWidget(pane);
    if (list && list->currentRow() >= 0 && !list->isRowHidden(list->currentRow())) {
        m_watcher.clickItem(pane);
        emit picked();
    }
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QToolBar::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Escape:
        closeBar();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (key->modifiers() & Qt::ShiftModifier)
            m_allLists->toggle();
        else if (m_allLists->isChecked())
            choose(m_results->currentItem());
        else
            copyFocusedMatch();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (watched == m_edit) {
            // The arrows move among the matches while the query keeps the keys.
            QWidget *target = m_allLists->isChecked() ? static_cast<QWidget *>(m_results)
                                                      : m_panes.clipListWidget(m_filter.pane());
            m_filter.settle();
            if (target && (m_allLists->isChecked() || m_filter.active())) {
                QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
                QApplication::sendEvent(target, &copy);
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QToolBar::eventFilter(watched, event);
}

void FindBar::followListLook()
{
    if (const ListBoxWidget *list = m_panes.clipListWidget(m_display.focusedPane())) {
        for (QWidget *part : {static_cast<QWidget *>(m_edit), static_cast<QWidget *>(m_results)}) {
            part->setFont(list->font());
            QPalette colours = part->palette();
            colours.setColor(QPalette::Base, list->palette().color(QPalette::Base));
            colours.setColor(QPalette::Text, list->palette().color(QPalette::Text));
            part->setPalette(colours);
        }
        m_count->setFont(list->font());
    }
    // Eight lines of matches, in the font they are shown in.
    m_results->setFixedHeight(m_results->fontMetrics().height() * 8);
}

void FindBar::showCount(int matches, int rows)
{
    const QLocale numbers(QLocale::Japanese);
    m_count->setText(QStringLiteral("%1 / %2").arg(numbers.toString(matches), numbers.toString(rows)));
}
