// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TextWindow.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/seams/MessageBoxPort.h"
#include "model/ProgramTexts.h"
#include "model/RunFlags.h"
#include "model/GlobalSettings.h"
#include "storage/TextWindowSettings.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
constexpr QChar blockBreak(QChar::ParagraphSeparator);

// The box's text as the item keeps it: every line break CR LF, every other character untouched
// (the document's plain text would turn no-break spaces into spaces).
QString programText(const QPlainTextEdit *box)
{
    QString text = box->document()->toRawText();
    return text.replace(blockBreak, QStringLiteral("\r\n"));
}

// The length of programText without building it.
qsizetype programLength(const QPlainTextEdit *box)
{
    const QTextDocument *document = box->document();
    return document->characterCount() - 1 + document->blockCount() - 1;
}

// How many of the first limit characters to take, never ending between the CR and the LF of
// one line break.
qsizetype cutLength(const QString &text, qsizetype limit)
{
    if (text.size() <= limit)
        return text.size();
    if (limit > 0 && text.at(limit - 1) == u'\r' && text.at(limit) == u'\n')
        --limit;
    return limit;
}

QString cutText(const QString &text, qsizetype limit)
{
    return text.left(cutLength(text, limit));
}

QString notAllShown()
{
    return QStringLiteral("文字が入りきりません。一部を表示します。");
}

// The box position just after a prefix of the program text (a CR LF is one position there).
qsizetype boxPosition(const QString &programPrefix)
{
    return programPrefix.size() - programPrefix.count(QStringLiteral("\r\n"));
}
} // namespace

TextWindow::TextWindow(ListCollection &lists, GlobalSettings &programSettings, RunFlags &flags, ItemCommands &commands,
                       ClipboardWatcher &watcher, MessageBoxPort &messages, QWidget &mainWindow,
                       TextWindowSettings &settings)
    : SideWindow(mainWindow, Qt::Tool), m_lists(lists), m_programSettings(programSettings), m_flags(flags),
      m_commands(commands), m_watcher(watcher),
      m_messages(messages), m_settings(settings)
{
    setObjectName(QStringLiteral("TextWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int index = 0; index < 2; ++index) {
        auto *box = new QPlainTextEdit(this);
        box->setObjectName(QStringLiteral("box%1").arg(index));
        box->setFrameShape(QFrame::NoFrame);
        box->installEventFilter(this);
        layout->addWidget(box, 1);
        connect(box, &QPlainTextEdit::textChanged, this, [this, box] {
            if (box == visibleBox())
                boxChanged();
        });
        m_boxes[index] = box;
    }
    m_boxes[0]->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_boxes[0]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_boxes[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_boxes[1]->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_boxes[1]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_boxes[1]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->hide();
    layout->addWidget(m_message);
    buildMenus();
    layout->setMenuBar(m_menuBar);
    m_boxes[1]->hide();
}

void TextWindow::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    auto named = [this](QAction *action, const char *name) {
        action->setObjectName(QString::fromLatin1(name));
        // The window's own keys, never the main window's commands of the same keys.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    m_menu = m_menuBar->addMenu(QStringLiteral("ﾒﾆｭｰ(&M)"));
    m_menu->setObjectName(QStringLiteral("textMenu"));
    m_divideAction = named(m_menu->addAction(QStringLiteral("二分割(&C)")), "divideAction");
    m_divideAction->setShortcut(Qt::CTRL | Qt::Key_T);
    m_saveAction = named(m_menu->addAction(QStringLiteral("変更を保存する(&S)")), "saveAction");
    m_saveAction->setShortcut(Qt::CTRL | Qt::Key_S);
    m_menu->addSeparator();
    m_closeAction = named(m_menu->addAction(QStringLiteral("閉じる(&X)")), "closeAction");
    m_closeAction->setShortcut(Qt::CTRL | Qt::Key_Q);
    connect(m_menu, &QMenu::aboutToShow, this, [this] { m_saveAction->setEnabled(m_edited); });
    // A disabled action ignores its key: Ctrl+S must still save an edit made after the menu closed.
    connect(m_menu, &QMenu::aboutToHide, this, [this] { m_saveAction->setEnabled(true); });
    connect(m_divideAction, &QAction::triggered, this, &TextWindow::divideCommand);
    connect(m_saveAction, &QAction::triggered, this, &TextWindow::saveCommand);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);

    m_viewMenu = m_menuBar->addMenu(QStringLiteral("表示(&E)"));
    m_viewMenu->setObjectName(QStringLiteral("viewMenu"));
    m_lockAction = named(m_viewMenu->addAction(QStringLiteral("表示のﾛｯｸ(&L)")), "lockAction");
    m_lockAction->setShortcut(Qt::CTRL | Qt::Key_L);
    m_lockAction->setCheckable(true);
    m_viewMenu->addSeparator();
    m_verticalAction = named(m_viewMenu->addAction(QStringLiteral("縦ｽｸﾛｰﾙ表示(&V)")), "verticalAction");
    m_bothAction = named(m_viewMenu->addAction(QStringLiteral("縦横ｽｸﾛｰﾙ表示(&B)")), "bothAction");
    m_verticalAction->setCheckable(true);
    m_bothAction->setCheckable(true);
    connect(m_lockAction, &QAction::triggered, this, &TextWindow::lockCommand);
    connect(m_verticalAction, &QAction::triggered, this, [this] { switchScrollMode(TextWindowSettings::VerticalOnly); });
    connect(m_bothAction, &QAction::triggered, this, [this] { switchScrollMode(TextWindowSettings::BothScrollBars); });

    m_captureAction = named(m_menuBar->addAction(QString()), "captureAction");
    connect(m_captureAction, &QAction::triggered, this, &TextWindow::toggleCapture);
}

QPlainTextEdit *TextWindow::visibleBox() const
{
    return m_boxes[m_settings.scrollMode == TextWindowSettings::VerticalOnly ? 1 : 0];
}

void TextWindow::pointAt(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item)
{
    ListItems &items = m_lists.at(list).items();
    const ClipItem &shown = items.at(item);
    disconnect(m_rowWatch);
    m_rowWatch = connect(&items, &ListItems::rowsRearranged, this, [this] { m_itemMatches = false; });
    m_pane = pane;
    m_list = list;
    m_row = row;
    m_item = item;
    m_text = shown.text;
    m_title = shown.name;
    m_itemMatches = true;
}

void TextWindow::showItem(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item)
{
    m_shown = true;
    pointAt(pane, list, row, item);
    if (isVisible()) {
        renew();
        activateWindow();
        return;
    }
    prepareToShow();
    showActive();
}

void TextWindow::prepareToShow()
{
    m_closeOnDeactivation = false;
    m_divided = false;
    m_messageShown = false;
    m_captureRecorded = false;
    m_message->hide();
    QFont font(m_programSettings.textFontName);
    if (m_programSettings.textFontSize > 0)
        font.setPointSizeF(m_programSettings.textFontSize);
    for (QPlainTextEdit *box : m_boxes)
        box->setFont(font);
    placeBesideMain(QPoint(m_settings.offsetX, m_settings.offsetY), QSize(m_settings.width, m_settings.height));
    const bool vertical = m_settings.scrollMode == TextWindowSettings::VerticalOnly;
    m_boxes[0]->setVisible(!vertical);
    m_boxes[1]->setVisible(vertical);
    m_verticalAction->setChecked(vertical);
    m_bothAction->setChecked(!vertical);
    renew();
    m_lockAction->setChecked(m_settings.locked);
    setCapturingCaption(m_watcher.capturing());
}

void TextWindow::followClick(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item)
{
    if (!m_shown)
        return;
    pointAt(pane, list, row, item);
    renew();
}

void TextWindow::paneClosed(PaneNumber pane)
{
    if (m_pane == pane)
        m_itemMatches = false;
}

void TextWindow::setHoldsEdits(bool holds)
{
    if (holds == m_holdsEdits)
        return;
    m_holdsEdits = holds;
    emit editingChanged(holds);
}

void TextWindow::renew()
{
    m_edited = false;
    keepUnshown(m_text, cutLength(m_text, MaxChars));
    putText(visibleBox() == m_boxes[1] ? 1 : 0, m_text);
    showCaption();
}

void TextWindow::keepUnshown(const QString &text, qsizetype shownLength)
{
    m_filledText = text;
    m_unshownFrom = shownLength;
    m_pushedOut.clear();
}

bool TextWindow::showsPart() const
{
    return m_filledText.size() >= MaxChars || m_unshownFrom < m_filledText.size();
}

QString TextWindow::withUnshown(QString shown) const
{
    const QStringView unshown = QStringView(m_filledText).mid(m_unshownFrom);
    shown.reserve(shown.size() + m_pushedOut.size() + unshown.size());
    return shown.append(m_pushedOut).append(unshown);
}

void TextWindow::endText()
{
    m_shown = false;
    m_itemMatches = false;
    m_text.clear();
    m_title.clear();
    keepUnshown(QString(), 0);
}

void TextWindow::putText(int index, const QString &text)
{
    m_boxReady = false;
    if (text.size() < MaxChars && !showsPart()) {
        m_boxes[index]->setPlainText(text);
        hideMessage();
    } else {
        // Only the start goes into the box, never the whole of a huge item.
        m_boxes[index]->setPlainText(cutText(text, MaxChars));
        showMessage(notAllShown());
    }
    m_boxReady = true;
}

void TextWindow::showMessage(const QString &text)
{
    m_message->setText(text);
    m_messageShown = true;
    m_message->show();
}

void TextWindow::hideMessage()
{
    if (!m_messageShown)
        return;
    m_messageShown = false;
    m_message->clear();
    m_message->hide();
}

void TextWindow::boxChanged()
{
    if (!m_boxReady)
        return;
    if (!m_edited) {
        setWindowTitle(QStringLiteral("* ") + windowTitle());
        m_edited = true;
        setHoldsEdits(true);
    }
    QPlainTextEdit *box = visibleBox();
    if (programLength(box) < MaxChars) {
        if (!showsPart())
            hideMessage();
        return;
    }
    const QString text = programText(box);
    const QString kept = cutText(text, MaxChars);
    // Showing the start of a longer text, the box's end goes back to the part not shown.
    if (showsPart())
        m_pushedOut.prepend(QStringView(text).mid(kept.size()));
    m_boxReady = false;
    QTextCursor cut(box->document());
    cut.setPosition(int(boxPosition(kept)));
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    QTextCursor caret = box->textCursor();
    caret.setPosition(qMin(m_caretAfterKey, box->document()->characterCount() - 1));
    box->setTextCursor(caret);
    m_boxReady = true;
    showMessage(showsPart() ? notAllShown() : QStringLiteral("文字を増やせません。末尾を削除します。"));
}

void TextWindow::showCaption()
{
    setWindowTitle(m_title.isEmpty() ? QStringLiteral("ﾃｷｽﾄ表示") : m_title);
}

void TextWindow::switchScrollMode(int mode)
{
    const int shown = mode == TextWindowSettings::VerticalOnly ? 1 : 0;
    const int other = 1 - shown;
    m_bothAction->setChecked(shown == 0);
    m_verticalAction->setChecked(shown == 1);
    // The mode in force: its box holds the text, and the other box's emptiness must not replace it.
    if (visibleBox() == m_boxes[shown])
        return;
    // The text moves, it is not edited.
    const QString text = programText(m_boxes[other]);
    m_settings.scrollMode = mode;
    // Emptied first, so the message line tells about the text that is shown.
    putText(other, QString());
    putText(shown, text);
    m_boxes[other]->hide();
    m_boxes[shown]->show();
}

void TextWindow::saveCommand()
{
    if (!m_itemMatches) {
        KeepOnDeactivate keep(*this);
        m_messages.show(ProgramTexts::title(), QStringLiteral("ﾘｽﾄが変更されたため、保存できません。"),
                        MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::Ok);
        regainActivation();
        return;
    }
    if (m_edited)
        saveEdits();
}

void TextWindow::saveEdits()
{
    const QString shown = programText(visibleBox());
    m_text = withUnshown(shown);
    keepUnshown(m_text, shown.size());
    m_commands.saveText(m_pane, m_list, m_row, m_item, m_text);
    showCaption();
    m_edited = false;
}

void TextWindow::divideCommand()
{
    KeepOnDeactivate keep(*this);
    if (!m_itemMatches) {
        m_messages.show(ProgramTexts::title(), QStringLiteral("ﾘｽﾄが変更されたため、二分割できません。"),
                        MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
        regainActivation();
        return;
    }
    const QPlainTextEdit *box = visibleBox();
    const QTextCursor cursor = box->textCursor();
    const QString raw = box->document()->toRawText();
    const auto program = [](QString text) { return text.replace(blockBreak, QStringLiteral("\r\n")); };
    QString first;
    QString second;
    if (cursor.hasSelection()) {
        const int start = cursor.selectionStart();
        const int end = cursor.selectionEnd();
        first = program(raw.mid(start, end - start));
        second = program(raw.left(start) + raw.mid(end));
    } else {
        first = program(raw.left(cursor.position()));
        second = program(raw.mid(cursor.position()));
    }
    // What the box does not show stays with the second part.
    if (!m_commands.divideItem(m_pane, m_list, m_row, m_item, first, withUnshown(second))) {
        regainActivation();
        return;
    }
    m_divided = true;
    close();
}

void TextWindow::lockCommand()
{
    if (!m_settings.locked)
        m_closeOnDeactivation = false;
    m_settings.locked = !m_settings.locked;
    m_lockAction->setChecked(m_settings.locked);
}

void TextWindow::setCapturingCaption(bool capturing)
{
    m_captureAction->setText(capturing ? QStringLiteral("作動中(&S)") : QStringLiteral("停止中(&S)"));
}

void TextWindow::toggleCapture()
{
    // Whatever was copied while capture was stopped is not new text.
    if (m_programSettings.pauseWhileTextWindowActive && !m_watcher.capturing())
        m_watcher.markClipboardSeen();
    m_watcher.setCapturing(!m_watcher.capturing());
}

void TextWindow::activated()
{
    if (m_edited)
        setHoldsEdits(true);
    if (!m_programSettings.pauseWhileTextWindowActive)
        return;
    // Active again before the loss of activation was judged: the state recorded then still holds.
    if (!m_captureRecorded) {
        m_capturingAtActivation = m_watcher.capturing();
        m_captureRecorded = true;
    }
    if (m_watcher.capturing())
        toggleCapture();
}

void TextWindow::restoreCaptureSwitch()
{
    if (m_programSettings.pauseWhileTextWindowActive && m_captureRecorded
        && m_watcher.capturing() != m_capturingAtActivation)
        toggleCapture();
    m_captureRecorded = false;
}

void TextWindow::deactivated(bool mayClose)
{
    restoreCaptureSwitch();
    if (!mayClose)
        return;
    m_closeOnDeactivation = true;
    close();
}

void TextWindow::closeEvent(QCloseEvent *event)
{
    restoreCaptureSwitch();
    if (!m_flags.ending) {
        if (m_edited && !m_divided) {
            KeepOnDeactivate keep(*this);
            MessageBoxPort::Answer answer;
            if (m_itemMatches) {
                answer = m_messages.show(ProgramTexts::title() + QLatin1Char(' ') + windowTitle(),
                                         QStringLiteral("内容が変更されています。") + ProgramTexts::lineBreak() +
                                             QStringLiteral("保存しますか?"),
                                         MessageBoxPort::Icon::Question, MessageBoxPort::Buttons::YesNoCancel);
                if (answer == MessageBoxPort::Answer::Yes)
                    saveEdits();
            } else {
                answer = m_messages.show(ProgramTexts::title(), QStringLiteral("ﾘｽﾄが変更されたため、保存されません。"),
                                         MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::OkCancel);
            }
            if (answer == MessageBoxPort::Answer::Cancel) {
                m_closeOnDeactivation = false;
                event->ignore();
                regainActivation();
                return;
            }
        }
        if (m_settings.locked && m_closeOnDeactivation) {
            m_closeOnDeactivation = false;
            setHoldsEdits(false);
            event->ignore();
            return;
        }
    }
    setHoldsEdits(false);
    m_closeOnDeactivation = false;
    storePlacement();
    endText();
    event->accept();
}

void TextWindow::hideEvent(QHideEvent *event)
{
    // However it closed, capture is as it was before the window was active.
    restoreCaptureSwitch();
    SideWindow::hideEvent(event);
}

void TextWindow::storePlacement()
{
    if (!storeOffset(m_settings))
        return;
    m_settings.height = outerHeight();
    m_settings.width = outerWidth();
}

void TextWindow::selectAll()
{
    visibleBox()->selectAll();
}

bool TextWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_boxes[0] || watched == m_boxes[1])) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Ctrl alone with A; Ctrl+Shift+A is not select-all.
        if (key->key() == Qt::Key_A && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
            selectAll();
            return true;
        }
        m_caretAfterKey = static_cast<QPlainTextEdit *>(watched)->textCursor().position() + 1;
    }
    return SideWindow::eventFilter(watched, event);
}

void TextWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_A && event->modifiers() == Qt::ControlModifier) {
        selectAll();
        return;
    }
    SideWindow::keyPressEvent(event);
}
