#include "windows/TextWindow.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/seams/MessageBoxPort.h"
#include "model/ProgramTexts.h"
#include "model/ProgramState.h"
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
const QChar blockBreak(QChar::ParagraphSeparator);

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

const QString NotAllShown = QStringLiteral("文字が入りきりません。一部を表示します。");

// The box position just after a prefix of the program text (a CR LF is one position there).
qsizetype boxPosition(const QString &programPrefix)
{
    return programPrefix.size() - programPrefix.count(QStringLiteral("\r\n"));
}
} // namespace

TextWindow::TextWindow(ProgramState &state, ItemCommands &commands, ClipboardWatcher &watcher,
                       MessageBoxPort &messages, QWidget &mainWindow, TextWindowSettings &settings)
    : SideWindow(mainWindow, Qt::Tool), m_state(state), m_commands(commands), m_watcher(watcher),
      m_messages(messages), m_settings(settings)
{
    setObjectName(QStringLiteral("TextWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int index = 0; index < 2; ++index) {
        auto *box = new QPlainTextEdit(this);
        box->setObjectName(QStringLiteral("Texttxt%1").arg(index));
        box->setFrameShape(QFrame::NoFrame);
        box->installEventFilter(this);
        layout->addWidget(box, 1);
        connect(box, &QPlainTextEdit::textChanged, this, [this, box] {
            if (box == visibleBox())
                boxChanged();
        });
        Texttxt[index] = box;
    }
    Texttxt[0]->setLineWrapMode(QPlainTextEdit::NoWrap);
    Texttxt[0]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Texttxt[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Texttxt[1]->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Texttxt[1]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Texttxt[1]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ErrorMess = new QLabel(this);
    ErrorMess->setObjectName(QStringLiteral("ErrorMess"));
    ErrorMess->hide();
    layout->addWidget(ErrorMess);
    buildMenus();
    layout->setMenuBar(m_menuBar);
    Texttxt[1]->hide();
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
    Menunu = m_menuBar->addMenu(QStringLiteral("ﾒﾆｭｰ(&M)"));
    Menunu->setObjectName(QStringLiteral("Menunu"));
    Cutnu = named(Menunu->addAction(QStringLiteral("二分割(&C)")), "Cutnu");
    Cutnu->setShortcut(Qt::CTRL | Qt::Key_T);
    Savenu = named(Menunu->addAction(QStringLiteral("変更を保存する(&S)")), "Savenu");
    Savenu->setShortcut(Qt::CTRL | Qt::Key_S);
    Menunu->addSeparator();
    Closenu = named(Menunu->addAction(QStringLiteral("閉じる(&X)")), "Closenu");
    Closenu->setShortcut(Qt::CTRL | Qt::Key_Q);
    connect(Menunu, &QMenu::aboutToShow, this, [this] { Savenu->setEnabled(textChanged); });
    // A disabled action ignores its key: Ctrl+S must still save an edit made after the menu closed.
    connect(Menunu, &QMenu::aboutToHide, this, [this] { Savenu->setEnabled(true); });
    connect(Cutnu, &QAction::triggered, this, &TextWindow::divideCommand);
    connect(Savenu, &QAction::triggered, this, &TextWindow::saveCommand);
    connect(Closenu, &QAction::triggered, this, &QWidget::close);

    Expressnu = m_menuBar->addMenu(QStringLiteral("表示(&E)"));
    Expressnu->setObjectName(QStringLiteral("Expressnu"));
    Locknu = named(Expressnu->addAction(QStringLiteral("表示のﾛｯｸ(&L)")), "Locknu");
    Locknu->setShortcut(Qt::CTRL | Qt::Key_L);
    Locknu->setCheckable(true);
    Expressnu->addSeparator();
    Verticalnu = named(Expressnu->addAction(QStringLiteral("縦ｽｸﾛｰﾙ表示(&V)")), "Verticalnu");
    Bothnu = named(Expressnu->addAction(QStringLiteral("縦横ｽｸﾛｰﾙ表示(&B)")), "Bothnu");
    Verticalnu->setCheckable(true);
    Bothnu->setCheckable(true);
    connect(Locknu, &QAction::triggered, this, &TextWindow::lockCommand);
    connect(Verticalnu, &QAction::triggered, this, [this] { switchScrollMode(TextWindowSettings::VerticalOnly); });
    connect(Bothnu, &QAction::triggered, this, [this] { switchScrollMode(TextWindowSettings::BothScrollBars); });

    StopGonu = named(m_menuBar->addAction(QString()), "StopGonu");
    connect(StopGonu, &QAction::triggered, this, &TextWindow::toggleCapture);
}

QPlainTextEdit *TextWindow::visibleBox() const
{
    return Texttxt[m_settings.textVBoth == TextWindowSettings::VerticalOnly ? 1 : 0];
}

void TextWindow::pointAt(qint16 pane, qint16 list, qint16 row, qint16 item)
{
    const ClipItem &shown = m_state.lists().at(list).items().at(item);
    m_pane = pane;
    m_list = list;
    m_row = row;
    m_item = item;
    m_text = shown.text;
    m_title = shown.name;
    m_itemMatches = true;
}

void TextWindow::showItem(qint16 pane, qint16 list, qint16 row, qint16 item)
{
    m_shown = true;
    pointAt(pane, list, row, item);
    if (isVisible()) {
        renew();
        activateWindow();
        return;
    }
    loadForm();
    showActive();
}

void TextWindow::loadForm()
{
    closeByDeactivate = false;
    textDivided = false;
    errorShown = false;
    stopGoRecorded = false;
    ErrorMess->hide();
    const GlobalSettings &settings = m_state.settings();
    QFont font(settings.textFontName);
    if (settings.textFontSize > 0)
        font.setPointSizeF(settings.textFontSize);
    for (QPlainTextEdit *box : Texttxt)
        box->setFont(font);
    placeBesideMain(QPoint(m_settings.offsetX, m_settings.offsetY), QSize(m_settings.width, m_settings.height));
    const bool vertical = m_settings.textVBoth == TextWindowSettings::VerticalOnly;
    Texttxt[0]->setVisible(!vertical);
    Texttxt[1]->setVisible(vertical);
    Verticalnu->setChecked(vertical);
    Bothnu->setChecked(!vertical);
    renew();
    Locknu->setChecked(m_settings.textLock);
    setCapturingCaption(m_watcher.capturing());
}

void TextWindow::followClick(qint16 pane, qint16 list, qint16 row, qint16 item)
{
    if (!m_shown)
        return;
    pointAt(pane, list, row, item);
    renew();
}

void TextWindow::rowsChanged(qint16 pane)
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
    textChanged = false;
    keepUnshown(m_text, cutLength(m_text, MaxChars));
    putText(visibleBox() == Texttxt[1] ? 1 : 0, m_text);
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
    textReady = false;
    if (text.size() < MaxChars && !showsPart()) {
        Texttxt[index]->setPlainText(text);
        hideErrorMess();
    } else {
        // Only the start goes into the box, never the whole of a huge item.
        Texttxt[index]->setPlainText(cutText(text, MaxChars));
        showErrorMess(NotAllShown);
    }
    textReady = true;
}

void TextWindow::showErrorMess(const QString &text)
{
    ErrorMess->setText(text);
    errorShown = true;
    ErrorMess->show();
}

void TextWindow::hideErrorMess()
{
    if (!errorShown)
        return;
    errorShown = false;
    ErrorMess->clear();
    ErrorMess->hide();
}

void TextWindow::boxChanged()
{
    if (!textReady)
        return;
    if (!textChanged) {
        setWindowTitle(QStringLiteral("* ") + windowTitle());
        textChanged = true;
        setHoldsEdits(true);
    }
    QPlainTextEdit *box = visibleBox();
    if (programLength(box) < MaxChars) {
        if (!showsPart())
            hideErrorMess();
        return;
    }
    const QString text = programText(box);
    const QString kept = cutText(text, MaxChars);
    // Showing the start of a longer text, the box's end goes back to the part not shown.
    if (showsPart())
        m_pushedOut.prepend(QStringView(text).mid(kept.size()));
    textReady = false;
    QTextCursor cut(box->document());
    cut.setPosition(int(boxPosition(kept)));
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    QTextCursor caret = box->textCursor();
    caret.setPosition(qMin(caretAfterKey, box->document()->characterCount() - 1));
    box->setTextCursor(caret);
    textReady = true;
    showErrorMess(showsPart() ? NotAllShown : QStringLiteral("文字を増やせません。末尾を削除します。"));
}

void TextWindow::showCaption()
{
    setWindowTitle(m_title.isEmpty() ? QStringLiteral("ﾃｷｽﾄ表示") : m_title);
}

void TextWindow::switchScrollMode(int mode)
{
    const int shown = mode == TextWindowSettings::VerticalOnly ? 1 : 0;
    const int other = 1 - shown;
    Bothnu->setChecked(shown == 0);
    Verticalnu->setChecked(shown == 1);
    // The mode in force: its box holds the text, and the other box's emptiness must not replace it.
    if (visibleBox() == Texttxt[shown])
        return;
    // The text moves, it is not edited.
    const QString text = programText(Texttxt[other]);
    m_settings.textVBoth = mode;
    // Emptied first, so the message line tells about the text that is shown.
    putText(other, QString());
    putText(shown, text);
    Texttxt[other]->hide();
    Texttxt[shown]->show();
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
    if (textChanged)
        saveEdits();
}

void TextWindow::saveEdits()
{
    const QString shown = programText(visibleBox());
    m_text = withUnshown(shown);
    keepUnshown(m_text, shown.size());
    m_commands.saveText(m_pane, m_list, m_row, m_item, m_text);
    showCaption();
    textChanged = false;
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
    textDivided = true;
    close();
}

void TextWindow::lockCommand()
{
    if (!m_settings.textLock)
        closeByDeactivate = false;
    m_settings.textLock = !m_settings.textLock;
    Locknu->setChecked(m_settings.textLock);
}

void TextWindow::setCapturingCaption(bool capturing)
{
    StopGonu->setText(capturing ? QStringLiteral("作動中(&S)") : QStringLiteral("停止中(&S)"));
}

void TextWindow::toggleCapture()
{
    // Whatever was copied while capture was stopped is not new text.
    if (m_state.settings().pauseWhileTextWindowActive && !m_watcher.capturing())
        m_watcher.markClipboardSeen();
    m_watcher.setCapturing(!m_watcher.capturing());
}

void TextWindow::activated()
{
    if (textChanged)
        setHoldsEdits(true);
    if (!m_state.settings().pauseWhileTextWindowActive)
        return;
    // Active again before the loss of activation was judged: the state recorded then still holds.
    if (!stopGoRecorded) {
        stopGoAtActivate = m_watcher.capturing();
        stopGoRecorded = true;
    }
    if (m_watcher.capturing())
        toggleCapture();
}

void TextWindow::watcherRuleBack()
{
    if (m_state.settings().pauseWhileTextWindowActive && stopGoRecorded && m_watcher.capturing() != stopGoAtActivate)
        toggleCapture();
    stopGoRecorded = false;
}

void TextWindow::deactivated(bool mayClose)
{
    watcherRuleBack();
    if (!mayClose)
        return;
    closeByDeactivate = true;
    close();
}

void TextWindow::closeEvent(QCloseEvent *event)
{
    watcherRuleBack();
    if (!m_state.ending) {
        if (textChanged && !textDivided) {
            KeepOnDeactivate keep(*this);
            MessageBoxPort::Answer answer;
            if (m_itemMatches) {
                answer = m_messages.show(ProgramTexts::title() + QLatin1Char(' ') + windowTitle(),
                                         QStringLiteral("内容が変更されています。") + m_state.lineBreak +
                                             QStringLiteral("保存しますか?"),
                                         MessageBoxPort::Icon::Question, MessageBoxPort::Buttons::YesNoCancel);
                if (answer == MessageBoxPort::Answer::Yes)
                    saveEdits();
            } else {
                answer = m_messages.show(ProgramTexts::title(), QStringLiteral("ﾘｽﾄが変更されたため、保存されません。"),
                                         MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::OkCancel);
            }
            if (answer == MessageBoxPort::Answer::Cancel) {
                closeByDeactivate = false;
                event->ignore();
                regainActivation();
                return;
            }
        }
        if (m_settings.textLock && closeByDeactivate) {
            closeByDeactivate = false;
            setHoldsEdits(false);
            event->ignore();
            return;
        }
    }
    setHoldsEdits(false);
    closeByDeactivate = false;
    storePlacement();
    endText();
    event->accept();
}

void TextWindow::hideEvent(QHideEvent *event)
{
    // However it closed, capture is as it was before the window was active.
    watcherRuleBack();
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
    if (event->type() == QEvent::KeyPress && (watched == Texttxt[0] || watched == Texttxt[1])) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Ctrl alone with A; Ctrl+Shift+A is not select-all.
        if (key->key() == Qt::Key_A && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
            selectAll();
            return true;
        }
        caretAfterKey = static_cast<QPlainTextEdit *>(watched)->textCursor().position() + 1;
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
