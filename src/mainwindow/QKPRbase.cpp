#include "mainwindow/QKPRbase.h"

#include "app/QKPRGrobal.h"
#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainMenus.h"
#include "model/ListExControl.h"
#include "platform/ClipList.h"
#include "platform/QtClipboard.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/WinColour.h"

#include <QApplication>
#include <QFrame>
#include <QMenuBar>
#include <QTimer>
#include <memory>
#include <stdexcept>

QKPRbase::QKPRbase(QKPRGrobal &grobal, ClipboardPort *clipboard, MessageBoxPort *messages,
                   FileDialogPort *fileDialogs, QWidget *parent)
    : QMainWindow(parent), m_grobal(grobal)
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_client->installEventFilter(this);
    m_looker = new QTimer(this);
    m_looker->setObjectName(QStringLiteral("Looker"));
    if (!clipboard) {
        m_ownClipboard = std::make_unique<QtClipboard>();
        clipboard = m_ownClipboard.get();
    }
    m_watcher = std::make_unique<ClipboardWatcher>(grobal, *clipboard, *this);
    if (!messages) {
        m_ownMessages = std::make_unique<QtMessageBoxes>(this);
        messages = m_ownMessages.get();
    }
    m_messages = messages;
    m_itemCommands = std::make_unique<ItemCommands>(grobal, *messages);
    if (!fileDialogs) {
        m_ownFileDialogs = std::make_unique<QtFileDialogs>(this);
        fileDialogs = m_ownFileDialogs.get();
    }
    m_listFiles = std::make_unique<ListFileCommands>(grobal, *this, *messages, *fileDialogs);
    connect(m_looker, &QTimer::timeout, this, [this] { m_watcher->Looker_Timer(); });

    // Pane 0's list box exists from the start and is never unloaded.
    m_clipLists.push_back(makeClipList());
    m_clipLists[0]->hide();
    loadBar(0);

    m_meter.setFont(font());
    m_grobal.setPaneHost(this);
    m_grobal.setGrobalTarget(this);
    m_menus = new MainMenus(grobal, *this, menuBar());
}

QKPRbase::~QKPRbase()
{
    m_grobal.setPaneHost(nullptr);
    m_grobal.setGrobalTarget(nullptr);
}

ClipList *QKPRbase::makeClipList()
{
    auto *list = new ClipList(m_client);
    list->installEventFilter(this);
    connect(list, &ClipList::mouseReleased, this, [this, list] {
        const qint16 pane = paneOf(list);
        if (pane >= 0 && m_grobal.listExControl().geteLx(pane) >= 0)
            m_watcher->ClickItem(pane);
    });
    return list;
}

qint16 QKPRbase::paneOf(const ClipList *list) const
{
    for (size_t pane = 0; pane < m_clipLists.size(); ++pane) {
        if (m_clipLists[pane] == list)
            return qint16(pane);
    }
    return -1;
}

ClipList *QKPRbase::clipListWidget(qint16 pane) const
{
    if (pane < 0 || size_t(pane) >= m_clipLists.size())
        return nullptr;
    return m_clipLists[size_t(pane)];
}

QFrame *QKPRbase::barWidget(qint16 index) const
{
    if (index < 0 || size_t(index) >= m_bars.size())
        return nullptr;
    return m_bars[size_t(index)];
}

ClipListBox &QKPRbase::clipList(qint16 pane)
{
    ClipList *list = clipListWidget(pane);
    if (!list)
        throw std::out_of_range("no list box for that pane");
    return *list;
}

void QKPRbase::loadClipList(qint16 pane)
{
    if (size_t(pane) >= m_clipLists.size())
        m_clipLists.resize(size_t(pane) + 1, nullptr);
    if (!m_clipLists[size_t(pane)])
        m_clipLists[size_t(pane)] = makeClipList();
}

void QKPRbase::unloadClipList(qint16 pane)
{
    if (pane == 0 || size_t(pane) >= m_clipLists.size())
        return;
    std::unique_ptr<ClipList> unloaded(m_clipLists[size_t(pane)]);
    m_clipLists[size_t(pane)] = nullptr;
    while (m_clipLists.size() > 1 && !m_clipLists.back())
        m_clipLists.pop_back();
}

void QKPRbase::applyBarColour(QFrame *bar)
{
    QPalette p = bar->palette();
    // Until the settings are applied the bars keep their light grey.
    p.setColor(QPalette::Window, m_barColourSet ? WinColour::toQColor(m_barColour, QApplication::palette())
                                                : QColor(192, 192, 192));
    bar->setPalette(p);
}

void QKPRbase::loadBar(qint16 index)
{
    while (m_bars.size() <= size_t(index)) {
        auto *bar = new QFrame(m_client);
        bar->setAutoFillBackground(true);
        applyBarColour(bar);
        bar->setGeometry(0, 0, m_client->width(), BarHeight);
        bar->installEventFilter(this);
        m_bars.push_back(bar);
    }
}

void QKPRbase::unloadBar(qint16 index)
{
    if (index <= 0 || size_t(index) >= m_bars.size())
        return;
    std::unique_ptr<QFrame> unloaded(m_bars[size_t(index)]);
    m_bars.erase(m_bars.begin() + index);
}

void QKPRbase::setBarPointer(qint16 index, int pointer)
{
    if (index < 0 || size_t(index) >= m_bars.size())
        return;
    if (pointer == DraggablePointer)
        m_bars[size_t(index)]->setCursor(Qt::SplitVCursor);
    else
        m_bars[size_t(index)]->unsetCursor();
}

void QKPRbase::setBarColour(qint16 bar, Colour colour)
{
    // Bars loaded later take the same colour.
    m_barColour = colour;
    m_barColourSet = true;
    if (QFrame *shown = barWidget(bar))
        applyBarColour(shown);
}

void QKPRbase::setTimerInterval(int milliseconds)
{
    m_looker->setInterval(milliseconds);
}

void QKPRbase::setFontSize(float points)
{
    QFont f = font();
    if (points > 0)
        f.setPointSizeF(points);
    setFont(f);
    m_meter.setFont(f);
}

void QKPRbase::setFontName(const QString &family)
{
    QFont f = font();
    f.setFamily(family);
    setFont(f);
    m_meter.setFont(f);
}

void QKPRbase::ListClipActive(qint16 movAdd)
{
    m_watcher->ListClipActive(movAdd);
}

bool QKPRbase::timerRunning() const
{
    return m_looker->isActive();
}

void QKPRbase::setTimerRunning(bool running)
{
    if (running)
        m_looker->start();
    else
        m_looker->stop();
}
