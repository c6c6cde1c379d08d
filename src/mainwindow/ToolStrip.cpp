#include "mainwindow/ToolStrip.h"

#include "mainwindow/ListCommands.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ToolButton.h"
#include "mainwindow/ToolbarField.h"
#include "model/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"
#include "platform/ProgramPictures.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Group buttons open a field; separators stand before these buttons (the first two form the grip).
constexpr std::array<int, 6> separatorPlaces{0, 0, 2, 6, 8, 10};
constexpr int PictureSize = 16;

struct Layout {
    std::array<int, ToolStrip::ButtonCount> buttons{};
    std::array<int, 6> separators{2, 5, 0, 0, 0, 0};
};

constexpr Layout layOut()
{
    Layout layout;
    int x = 10;
    size_t next = 2;
    for (int i = 0; i < ToolStrip::ButtonCount; ++i) {
        if (next < separatorPlaces.size() && separatorPlaces[next] == i) {
            layout.separators[next++] = x;
            x += 5;
        }
        layout.buttons[size_t(i)] = x;
        x += PictureSize + 4;
    }
    return layout;
}
constexpr Layout stripLayout = layOut();

struct Picture {
    const char *key;
    const char *toolTip;
};
// The fixed pictures; buttons 3 and 4 follow their switches.
constexpr std::array<Picture, ToolStrip::ButtonCount> stripPictures{{
    {"TOPSA", "ﾌｧｲﾙ操作"},
    {"TUPDNSC", "ﾘｽﾄ設定"},
    {"TEXPRS", "表示設定"},
    {"", ""},
    {"", ""},
    {"TCMIN", "最小ｳｨﾝﾄﾞｳ化"},
    {"TLIST", "ﾘｽﾄ操作"},
    {"TCLEAR", "ﾘｽﾄをｸﾘｱ"},
    {"TITEM", "項目操作"},
    {"TDELEI", "項目を消去する"},
    {"THELP", "ﾍﾙﾌﾟ"},
}};

void add(QStringList &keys, QStringList &toolTips, bool first, Picture ifTrue, Picture ifFalse)
{
    const Picture &p = first ? ifTrue : ifFalse;
    keys << QString::fromLatin1(p.key);
    toolTips << QString::fromUtf8(p.toolTip);
}
} // namespace

const std::array<int, ToolStrip::ButtonCount> ToolStrip::ButtonLefts = stripLayout.buttons;
const std::array<int, 6> ToolStrip::SeparatorLefts = stripLayout.separators;

ToolStrip::ToolStrip(ProgramState &state, MainCommands &commands, ListCommands &lists, MainWindow &window,
                     PaneArea &area)
    : QWidget(&area), m_state(state), m_commands(commands), m_lists(lists), m_window(window), m_area(area),
      m_field(new ToolbarField(&area))
{
    setMouseTracking(true);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new ToolButton(this);
        button->movePicture(ButtonLefts[size_t(i)], ButtonTop);
        button->setPicture(QString::fromLatin1(stripPictures[size_t(i)].key),
                           QString::fromUtf8(stripPictures[size_t(i)].toolTip));
        connect(button, &ToolButton::hovered, this, [this, i] { hoverOver(i); });
        connect(button, &ToolButton::pressed, this, [this, i] {
            if (i != m_openGroup)
                closeFieldInClickMode();
            if (m_openGroup < 0 && m_frameAt == i) {
                m_framePressed = true;
                showFrame();
            }
        });
        connect(button, &ToolButton::released, this, [this] {
            if (m_openGroup < 0) {
                m_framePressed = false;
                showFrame();
            }
        });
        connect(button, &ToolButton::clicked, this, [this, i] { buttonClicked(i); });
        m_buttons[size_t(i)] = button;
    }
    connect(m_field, &ToolbarField::buttonClicked, this, &ToolStrip::fieldButtonClicked);
    connect(m_field, &ToolbarField::backgroundClicked, this, &ToolStrip::closeFieldInClickMode);
    // Moves over the rest of the list area take the hover frame away; presses there close a
    // field opened by a click.
    m_area.setMouseTracking(true);
    qApp->installEventFilter(this);
    setToolbarOpensOnHover(state.settings().toolbarOpensOnHover());
}

ToolStrip::~ToolStrip()
{
    qApp->removeEventFilter(this);
}

QList<QWidget *> ToolStrip::buttons() const
{
    return {m_buttons.begin(), m_buttons.end()};
}

bool ToolStrip::hoverMode() const
{
    return m_state.settings().toolbarOpensOnHover();
}

void ToolStrip::trigger(const char *command)
{
    if (QAction *action = m_commands.action(QString::fromLatin1(command)))
        action->trigger();
}

void ToolStrip::setAlwaysOnTopShown(bool onTop)
{
    m_buttons[3]->setPicture(onTop ? QStringLiteral("TCTOP") : QStringLiteral("TNTOP"),
                             onTop ? QStringLiteral("常に手前に表示") : QStringLiteral("常に手前に表示しない"));
}

void ToolStrip::setStopGoShown(bool capturing)
{
    m_buttons[4]->setPicture(capturing ? QStringLiteral("TNSTOP") : QStringLiteral("TCSTOP"),
                             capturing ? QStringLiteral("作動中") : QStringLiteral("停止中"));
}

void ToolStrip::setToolbarOpensOnHover(bool hover)
{
    if (hover) {
        m_field->setCursor(ProgramPictures::cursor(ProgramPictures::ToolHoverCursor));
        return;
    }
    m_field->unsetCursor();
    for (ToolButton *button : m_buttons)
        button->unsetCursor();
}

void ToolStrip::buttonClicked(int index)
{
    switch (index) {
    case 3: trigger("Frontnu"); break;
    case 4: trigger("Stopnu"); break;
    case 5: m_commands.minimiseFromToolbar(); break;
    case 7: trigger("Clearnu"); break;
    case 9: trigger("popDeleInu"); break;
    case 10: trigger("Helpinnu"); break;
    case 0:
    case 1:
    case 2:
    case 6:
    case 8: groupClicked(index); break;
    default: break;
    }
}

void ToolStrip::groupClicked(int index)
{
    // In hover mode the field opened when the mouse came.
    if (hoverMode())
        return;
    if (m_openGroup == index)
        closeField();
    else
        openField(index, false);
}

bool ToolStrip::groupPictures(int group, QStringList &keys, QStringList &toolTips)
{
    ListDisplay &panes = m_state.display();
    const bool shown = panes.paneCount() > 0;
    switch (group) {
    case 0:
        add(keys, toolTips, true, {"TOPEN", "開く"}, {});
        add(keys, toolTips, true, {"TSAVE", "上書き保存"}, {});
        add(keys, toolTips, true, {"TCLOSE", "閉じる"}, {});
        add(keys, toolTips, m_window.windowStateNumber() == 2, {"TNORWIN", "元のｻｲｽﾞに戻す"}, {"TMAXWIN", "最大化"});
        return true;
    case 1: {
        if (!shown)
            return false;
        const ListRecord &focused = m_lists.focusedList();
        // Any other focusMode (from a damaged file) shows no picture.
        add(keys, toolTips, focused.focusMode == 0, {"TUPDNADD", "ﾌｫｰｶｽを移動"},
            focused.focusMode == 1 ? Picture{"TNLCOPY", "ﾌｫｰｶｽを移動しない"} : Picture{"", ""});
        add(keys, toolTips, focused.addAtBottom, {"TDNADD", "ﾘｽﾄの下から追加"}, {"TUPADD", "ﾘｽﾄの上から追加"});
        add(keys, toolTips, focused.addAtFocus, {"TCSEL", "指定位置へ追加"}, {"TNSEL", "ﾌｫｰｶｽと無関係に追加"});
        return true;
    }
    case 2:
        add(keys, toolTips, true, {"TLISTEXP", "ﾘｽﾄ表示"}, {});
        add(keys, toolTips, m_window.menuBarShown(), {"TCMENU", "ﾒﾆｭｰ表示"}, {"TNMENU", "ﾒﾆｭｰ非表示"});
        return true;
    case 6:
        m_deleteRefused = panes.paneCount() <= 1;
        add(keys, toolTips, true, {"TMAKEL", "ﾘｽﾄを作る"}, {});
        add(keys, toolTips, true, {"TNAMEL", "ﾘｽﾄに名前をつける"}, {});
        add(keys, toolTips, !m_deleteRefused, {"TDELEL", "ﾘｽﾄを消去する"}, {"TUDELEL", "ﾘｽﾄを消去できません"});
        add(keys, toolTips, true, {"TLDATA", "ﾘｽﾄの詳細情報"}, {});
        return true;
    case 8: {
        if (!shown)
            return false;
        const int highlighted = panes.box(panes.focusedPane()).selCount();
        const bool hasItems = m_lists.focusedList().items().count() > 0;
        add(keys, toolTips, highlighted >= 2, {"TJOIN", "項目を結合する"}, {"TUJOIN", "項目を結合できません"});
        add(keys, toolTips, hasItems, {"TNAMEI", "項目に名前をつける"}, {"TUNAMEI", "項目に名前をつけられません"});
        return true;
    }
    default: return false;
    }
}

void ToolStrip::openField(int group, bool hoverCall)
{
    // Each mode opens the field only its own way.
    if (hoverCall != hoverMode())
        return;
    if (!hoverCall)
        m_openedByClick = true;
    if (m_field->isVisible())
        closeField();
    QStringList keys;
    QStringList toolTips;
    if (!groupPictures(group, keys, toolTips)) {
        m_openedByClick = false;
        return;
    }
    const int width = ToolbarField::fieldWidth(int(keys.size()));
    int left = ButtonLefts[size_t(group)] + 6;
    // Near the right edge the field ends just inside the window.
    if (left + width > m_area.width())
        left = m_area.width() - width - 2;
    m_field->showField(keys, toolTips, QPoint(left, ButtonTop + 12));
    if (hoverCall)
        m_buttons[size_t(group)]->setCursor(ProgramPictures::cursor(ProgramPictures::ToolHoverCursor));
    m_framePressed = true;
    showFrame();
    m_openGroup = group;
}

void ToolStrip::closeField()
{
    if (m_openGroup < 0)
        return;
    m_field->hideField();
    m_openGroup = -1;
    m_openedByClick = false;
    m_framePressed = false;
    showFrame();
}

void ToolStrip::closeFieldInClickMode()
{
    if (!hoverMode())
        closeField();
}

void ToolStrip::fieldButtonClicked(int index)
{
    const int group = m_openGroup;
    // Commands that end, resize or pop up something run once the field is gone.
    const char *afterClose = nullptr;
    bool listDisplay = false;
    switch (group) {
    case 0:
        if (index == 0)
            trigger("Opennu");
        else if (index == 1)
            trigger("OvSavenu");
        else if (index == 2)
            afterClose = "Endnu";
        else if (index == 3)
            afterClose = "MaxNormnu";
        break;
    case 1: {
        const ListRecord &focused = m_lists.focusedList();
        if (index == 0 && (focused.focusMode == 0 || focused.focusMode == 1))
            trigger(focused.focusMode == 0 ? "NonMovenu" : "UpDnMovenu");
        else if (index == 1)
            trigger(focused.addAtBottom ? "ListUpnu" : "ListDownnu");
        else if (index == 2)
            trigger("ListPositionnu");
        break;
    }
    case 2:
        if (index == 0)
            listDisplay = true;
        else if (index == 1)
            trigger("MenuExnu");
        break;
    case 6: {
        static constexpr std::array<const char *, 4> commands{"Newnu", "Namenu", "Delenu", "ListInfonu"};
        if (index == 2 && m_deleteRefused)
            break;
        if (index >= 0 && index < 4)
            trigger(commands[size_t(index)]);
        break;
    }
    case 8:
        if (index == 0)
            trigger("popJoinnu");
        else if (index == 1)
            trigger("popNameInu");
        break;
    default: break;
    }
    closeField();
    if (afterClose)
        trigger(afterClose);
    if (listDisplay)
        emit listDisplayRequested(QCursor::pos());
}

void ToolStrip::hoverOver(int index)
{
    // A field opened by a click keeps the strip as it is.
    if (m_openedByClick && m_openGroup >= 0)
        return;
    if (index == m_hovered)
        return;
    if (index < 0) {
        m_frameShown = false;
        showFrame();
        if (hoverMode())
            closeField();
    } else {
        m_frameAt = index;
        m_frameShown = true;
        showFrame();
        openField(index, true);
    }
    m_hovered = index;
}

void ToolStrip::showFrame()
{
    for (int i = 0; i < ButtonCount; ++i) {
        ToolButton::Frame frame = ToolButton::Frame::None;
        if (m_frameShown && i == m_frameAt)
            frame = m_framePressed ? ToolButton::Frame::Pressed : ToolButton::Frame::Raised;
        m_buttons[size_t(i)]->setFrame(frame);
    }
}

void ToolStrip::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    for (int x : SeparatorLefts) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(x, 1, x, 17);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(x + 1, 1, x + 1, 17);
    }
}

void ToolStrip::mouseMoveEvent(QMouseEvent *event)
{
    // Between the buttons is the window's own area.
    hoverOver(-1);
    QWidget::mouseMoveEvent(event);
}

void ToolStrip::hideEvent(QHideEvent *event)
{
    closeField();
    QWidget::hideEvent(event);
}

bool ToolStrip::insideToolbar(const QWidget *widget) const
{
    return widget == this || isAncestorOf(widget) || widget == m_field || m_field->isAncestorOf(widget);
}

bool ToolStrip::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::MouseButtonPress) &&
        watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if ((widget == &m_area || m_area.isAncestorOf(widget)) && !insideToolbar(widget)) {
            if (type == QEvent::MouseButtonPress)
                closeFieldInClickMode();
            else
                hoverOver(-1);
        }
    }
    return QWidget::eventFilter(watched, event);
}
