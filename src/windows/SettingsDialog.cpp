// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SettingsDialog.h"

#include "mainwindow/MainWindow.h"
#include "model/ListDisplay.h"
#include "model/seams/MessageBoxPort.h"
#include "model/ProgramTexts.h"
#include "model/ProgramState.h"
#include "model/SettingRanges.h"
#include "model/SettingText.h"
#include "platform/ColourDialog.h"
#include "platform/FontDialog.h"
#include "platform/PageSelector.h"
#include "storage/SettingsFile.h"
#include "windows/ColourSample.h"
#include "windows/ListOptionsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <type_traits>
#include <utility>

namespace {
const char *const PageMessages[SettingsDialog::PageCount] = {
    "ｿﾌﾄの動作する環境の設定を行っています...",
    "新しいﾘｽﾄ作成時の既定値の設定を行っています...",
    "既存のﾘｽﾄの設定を行っています...",
    "項目の内容を表示するﾃｷｽﾄの設定を行っています...",
    "貼り付け後のﾌｫｰｶｽ移動の設定を行っています...",
    "その他の動作の設定を行っています...",
};
} // namespace

SettingsDialog::SettingsDialog(ProgramState &state, MainWindow &main, MessageBoxPort &messages, FontDialog &fonts,
                         ColourDialog &colours, QWidget *parent)
    : QDialog(parent ? parent : &main), m_state(state), m_main(main), m_messages(messages), m_fonts(fonts),
      m_colours(colours), m_check(messages), m_pages(new PageSelector(this))
{
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowIcon(main.windowIcon());

    QWidget *pages[PageCount] = {buildGlobalPage(), nullptr, nullptr, buildTextPage(), buildMovePage(), buildMorePage()};
    pages[int(Page::NewListDefaults)] = m_defaults = new ListOptionsPage(ListOptionsPage::Kind::Defaults);
    pages[int(Page::PerList)] = m_perList = new ListOptionsPage(ListOptionsPage::Kind::PerList);
    buildTabs(pages);
    nameComboBoxParts();

    FontDialogRequest font;
    m_fonts.fontFromDialog(font);
    font.owner = this;
    font.Flags = FontDialog::CF_SCREENFONTS | FontDialog::CF_FORCEFONTEXIST;
    m_fonts.setDialogFont(font);
    ColourDialogRequest colour;
    m_colours.colourFromDialog(colour);
    colour.owner = this;
    colour.Flags = ColourDialog::CC_RGBINIT;
    m_colours.setDialogColour(colour);

    m_example.setParent(this);
    m_example.setObjectName(QStringLiteral("TIvlExampleTimer"));
    m_work.load(state.settings(), state.newListDefaults(), state.extraSettings, state.lists(), state.display());
    fillControls();
    connectHandlers();
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->installEventFilter(this);

    connect(m_pages, &PageSelector::pageChanging, this, &SettingsDialog::changePage);
    clickPage(Page::Global);
    // Page keys as in tabbed dialogs elsewhere; Ctrl+Shift+Tab arrives as Backtab.
    const std::pair<QKeyCombination, int> pageKeys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1}, {Qt::CTRL | Qt::Key_PageDown, 1}, {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1}, {Qt::CTRL | Qt::Key_PageUp, -1}};
    for (const auto &[key, step] : pageKeys)
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this, step] { stepPage(step); });
    m_listIndex = -1;
    m_perList->listSelector->addItems(m_work.entries);
    m_perList->listSelector->setCurrentIndex(0);
    listSelectionChanged(0);
}

SettingsDialog::~SettingsDialog() = default;

template <typename Handler>
void SettingsDialog::guarded(Handler &&handler)
{
    const SettingsWorkCopies before = m_work;
    const int listBefore = m_listIndex;
    try {
        handler();
    } catch (...) {
        m_work = before;
        m_listIndex = listBefore;
        m_check.showWarning(QStringLiteral("予期せぬｴﾗｰが発生しました。\r\nこのｱﾌﾟﾘｹｰｼｮﾝを終了させることをお勧めします。"));
    }
}

template <typename Sender, typename Signal, typename Handler>
void SettingsDialog::on(Sender *sender, Signal signal, Handler handler)
{
    connect(sender, signal, this, [this, handler](auto &&...args) {
        guarded([&] {
            // A handler may leave out the signal's arguments.
            if constexpr (std::is_invocable_v<Handler, decltype(args)...>)
                handler(args...);
            else
                handler();
        });
    });
}

void SettingsDialog::connectHandlers()
{
    on(m_perList->listSelector, &QComboBox::currentIndexChanged, [this](int index) { listSelectionChanged(index); });
    on(applyToAllListsButton, &QPushButton::clicked, [this] { applyDefaultsToAllLists(); });
    on(settingsPlaceButton, &QPushButton::clicked, [this] { showFilePlace(); });
    on(intervalBox, &QComboBox::editTextChanged, [this](const QString &text) { exampleIntervalTyped(text); });
    connect(&m_example, &QTimer::timeout, this, [this] { guarded([this] { exampleTick(); }); });
    on(splitAtLineBreaksRadio, &QRadioButton::toggled, [this](bool) { splitStringEdit->setEnabled(splitAtStringRadio->isChecked()); });
    on(edgeZoneWidthEdit, &QLineEdit::textChanged, [this](const QString &text) {
        edgeZoneWidthMillimetres->setText(SettingText::millimetres(text, screen()->physicalDotsPerInchX()));
    });
    on(edgeZoneHeightEdit, &QLineEdit::textChanged, [this](const QString &text) {
        edgeZoneHeightMillimetres->setText(SettingText::millimetres(text, screen()->physicalDotsPerInchY()));
    });
    on(barColourButton, &QPushButton::clicked, [this] { pickColour(barColour); });
    on(barColour, &ColourSample::clicked, [this] { pickColour(barColour); });
    for (ListOptionsPage *page : {m_defaults, m_perList}) {
        for (ColourSample *sample : page->colourSamples)
            on(sample, &ColourSample::clicked, [this, sample] { pickColour(sample); });
        on(page->fontButton, &QPushButton::clicked, [this, page] { pickFont(page->fontNameLabel, page->fontSizeLabel); });
    }
    on(textFontButton, &QPushButton::clicked, [this] { pickFont(textFontNameLabel, textFontSizeLabel); });
    auto *ok = findChild<QPushButton *>(QStringLiteral("OKButton"));
    on(ok, &QPushButton::clicked, [this] { confirm(true); });
    on(findChild<QPushButton *>(QStringLiteral("RenewButton")), &QPushButton::clicked, [this] { confirm(false); });
    connect(findChild<QPushButton *>(QStringLiteral("CancelButton")), &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    // The dialog must not hide under the main window while it is up; whoever shows it puts the
    // switch back afterwards.
    if (!event->spontaneous() && m_main.alwaysOnTop())
        m_main.setAlwaysOnTop(false);
    QDialog::showEvent(event);
}

bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    if (watched == m_tabStrip) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            markTabFocus();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) {
                stepPage(key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (qint16 i = 0; i < PageCount; ++i) {
            if (watched == m_tabs[i] || watched == m_tabWords[i]) {
                guarded([&] { m_pages->clickLabel(i); });
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::stepPage(int step)
{
    const qint16 to = qint16((m_pages->visibleIndex() + step + PageCount) % PageCount);
    guarded([&] { m_pages->clickLabel(to); });
    markTabFocus();
}

void SettingsDialog::markTabFocus()
{
    for (qint16 i = 0; i < PageCount; ++i) {
        QFont font = m_tabWords[i]->font();
        font.setUnderline(i == m_pages->visibleIndex() && m_tabStrip->hasFocus());
        m_tabWords[i]->setFont(font);
    }
}

void SettingsDialog::changePage(qint16 before, qint16 index, qint16 &cancel)
{
    cancel = 1;
    guarded([&] {
        if (index != before && before >= 0 && !storePage(Page(before)))
            return;
        cancel = 0;
        const QString message = QString::fromUtf8(PageMessages[index]);
        setWindowTitle(ProgramTexts::title() + QLatin1Char(' ') + message);
        m_message->setText(message);
        const Page page = Page(index);
        if (page == Page::Global)
            m_example.start();
        else
            m_example.stop();
        applyToAllListsButton->setVisible(page == Page::NewListDefaults || page == Page::PerList);
    });
}

void SettingsDialog::fillControls()
{
    const GlobalSettingsCopy &g = m_work.global;
    intervalBox->setEditText(QString::number(g.pollInterval));
    m_example.setInterval(g.pollInterval);
    barColour->setColour(g.barColour);
    toolbarOpensGroup->button(g.toolbarOpensOnHover ? 1 : 0)->setChecked(true);
    addOptionsToAllListsCheck->setChecked(g.addOptionsToAllLists);
    addOptionsAsDefaultsCheck->setChecked(g.addOptionsAsDefaults);
    overflowGroup->button(g.dropOverflowOnMove ? 1 : 0)->setChecked(true);
    warnOnOverflowCheck->setChecked(g.warnOnOverflow);
    splitCapturesCheck->setChecked(g.splitCaptures);
    (g.splitAtLineBreaks ? splitAtLineBreaksRadio : splitAtStringRadio)->setChecked(true);
    splitStringEdit->setText(g.splitString);
    splitStringEdit->setEnabled(!g.splitAtLineBreaks);
    richTextCheck->setChecked(g.richText);
    pauseCaptureCheck->setChecked(g.pauseWhileTextWindowActive);
    textFontNameLabel->setText(g.textFontName);
    textFontSizeLabel->setText(QString::number(g.textFontSize));
    const qint16 ways[4] = {g.leftEdgeAction, g.rightEdgeAction, g.topEdgeAction, g.bottomEdgeAction};
    for (int i = 0; i < 4; ++i)
        edgeActionBoxes[i]->setCurrentIndex(ways[i]);
    edgeZoneWidthEdit->setText(QString::number(g.edgeZoneWidth));
    edgeZoneHeightEdit->setText(QString::number(g.edgeZoneHeight));
    edgeZoneWidthMillimetres->setText(SettingText::millimetres(edgeZoneWidthEdit->text(), screen()->physicalDotsPerInchX()));
    edgeZoneHeightMillimetres->setText(SettingText::millimetres(edgeZoneHeightEdit->text(), screen()->physicalDotsPerInchY()));
    m_defaults->fill(m_work.defaults);
    keepHistoryCheck->setChecked(m_work.extra.keepHistory);
    startAtLoginCheck->setChecked(m_work.extra.startAtLogin);
    hotkeyOnCheck->setChecked(m_work.extra.hotkeyOn);
    hotkeyEdit->setEnabled(m_work.extra.hotkeyOn);
    hotkeyEdit->setKeySequence(QKeySequence(m_work.extra.hotkey, QKeySequence::PortableText));
    pasteAfterPickCheck->setChecked(m_work.extra.pasteAfterPick);
    keepWindowAfterPickCheck->setChecked(m_work.extra.keepWindowAfterPick);
    moveDuplicatesCheck->setChecked(m_work.extra.moveDuplicates);
    captureSelectionCheck->setChecked(m_work.extra.captureSelection);
    ignoredProgramsEdit->setPlainText(m_work.extra.ignoredPrograms.join(QLatin1Char('\n')));
    keepClipboardCheck->setChecked(m_work.extra.keepClipboard);
    trayIconCheck->setChecked(m_work.extra.trayIcon);
    closeToTrayCheck->setChecked(m_work.extra.closeToTray);
    largestTextEdit->setText(QString::number(m_work.extra.largestTextMiB));
}

void SettingsDialog::showListPage(int index)
{
    m_perList->fill(m_work.lists[size_t(index)]);
    m_listIndex = index;
}

void SettingsDialog::listSelectionChanged(int index)
{
    if (m_revertingList || index < 0 || index == m_listIndex)
        return;
    if (m_listIndex >= 0 && !storeListPage()) {
        m_revertingList = true;
        m_perList->listSelector->setCurrentIndex(m_listIndex);
        m_revertingList = false;
        return;
    }
    showListPage(index);
}

SettingsDialog::Page SettingsDialog::shownPage() const
{
    return Page(m_pages->visibleIndex());
}

void SettingsDialog::clickPage(Page page)
{
    m_pages->clickLabel(qint16(page));
}

bool SettingsDialog::storePage(Page page)
{
    switch (page) {
    case Page::Global: return storeGlobalPage();
    case Page::NewListDefaults: return storeDefaultsPage();
    case Page::PerList: return storeListPage();
    case Page::TextWindow: return storeTextPage();
    case Page::ScreenEdges: return storeEdgePage();
    case Page::More: return storeMorePage();
    }
    return true;
}

bool SettingsDialog::storeGlobalPage()
{
    using namespace SettingRanges;
    const auto interval = m_check.number(intervalBox->lineEdit(), TimerIntervalMin, TimerIntervalMax,
                                         QStringLiteral("ﾀｲﾏｰの時間間隔"), 4);
    if (!interval)
        return false;
    if (splitStringEdit->text().isEmpty()) {
        if (!splitStringEdit->isEnabled()) {
            splitStringEdit->setEnabled(true);
            splitAtStringRadio->setChecked(true);
        }
        m_check.refuse(splitStringEdit,
                       QStringLiteral("一文字以上の文字を入れてください。\r\n\r\n「文字ごとに項目を作成する」ﾃｷｽﾄ欄"));
        return false;
    }
    GlobalSettingsCopy &g = m_work.global;
    g.pollInterval = qint16(*interval);
    g.barColour = barColour->colour();
    g.toolbarOpensOnHover = toolbarOpensGroup->checkedId() == 1;
    g.addOptionsToAllLists = addOptionsToAllListsCheck->isChecked();
    g.addOptionsAsDefaults = addOptionsAsDefaultsCheck->isChecked();
    g.dropOverflowOnMove = overflowGroup->checkedId() == 1;
    g.warnOnOverflow = warnOnOverflowCheck->isChecked();
    g.splitCaptures = splitCapturesCheck->isChecked();
    g.splitAtLineBreaks = splitAtLineBreaksRadio->isChecked();
    g.splitString = splitStringEdit->text();
    g.richText = richTextCheck->isChecked();
    return true;
}

bool SettingsDialog::storeDefaultsPage()
{
    return m_defaults->store(m_work.defaults, m_check);
}

bool SettingsDialog::storeListPage()
{
    return m_listIndex < 0 || m_perList->store(m_work.lists[size_t(m_listIndex)], m_check);
}

bool SettingsDialog::storeTextPage()
{
    GlobalSettingsCopy &g = m_work.global;
    g.pauseWhileTextWindowActive = pauseCaptureCheck->isChecked();
    g.textFontName = textFontNameLabel->text();
    g.textFontSize = textFontSizeLabel->text().toFloat();
    return true;
}

bool SettingsDialog::storeEdgePage()
{
    using namespace SettingRanges;
    const auto across = m_check.number(edgeZoneWidthEdit, EdgeZoneMin, EdgeZoneMax, QStringLiteral("水平方向の幅"));
    if (!across)
        return false;
    const auto down = m_check.number(edgeZoneHeightEdit, EdgeZoneMin, EdgeZoneMax, QStringLiteral("垂直方向の幅"));
    if (!down)
        return false;
    GlobalSettingsCopy &g = m_work.global;
    qint16 *ways[4] = {&g.leftEdgeAction, &g.rightEdgeAction, &g.topEdgeAction, &g.bottomEdgeAction};
    for (int i = 0; i < 4; ++i)
        *ways[i] = qint16(edgeActionBoxes[i]->currentIndex());
    g.edgeZoneWidth = *across;
    g.edgeZoneHeight = *down;
    return true;
}

bool SettingsDialog::storeMorePage()
{
    m_work.extra.keepHistory = keepHistoryCheck->isChecked();
    m_work.extra.startAtLogin = startAtLoginCheck->isChecked();
    // Only the first key of a sequence can be grabbed; a key without Ctrl, Alt or the logo key
    // would be taken from every program's typing.
    const QKeySequence typed = hotkeyEdit->keySequence();
    const Qt::KeyboardModifiers needed = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const bool functionKey = !typed.isEmpty() && typed[0].key() >= Qt::Key_F1 && typed[0].key() <= Qt::Key_F24;
    if (hotkeyOnCheck->isChecked() && (typed.isEmpty() || !(functionKey || (typed[0].keyboardModifiers() & needed)))) {
        hotkeyEdit->setFocus();
        m_check.showWarning(QStringLiteral("ﾎｯﾄｷｰには Ctrl、Alt などと組み合わせたｷｰかﾌｧﾝｸｼｮﾝｷｰを指定してください。"));
        return false;
    }
    m_work.extra.hotkeyOn = hotkeyOnCheck->isChecked();
    if (!typed.isEmpty())
        m_work.extra.hotkey = QKeySequence(typed[0]).toString(QKeySequence::PortableText);
    m_work.extra.pasteAfterPick = pasteAfterPickCheck->isChecked();
    m_work.extra.keepWindowAfterPick = keepWindowAfterPickCheck->isChecked();
    m_work.extra.moveDuplicates = moveDuplicatesCheck->isChecked();
    m_work.extra.captureSelection = captureSelectionCheck->isChecked();
    // One name a line; blank lines and the spaces around a name are no part of it.
    QStringList ignored;
    for (const QString &line : ignoredProgramsEdit->toPlainText().split(QLatin1Char('\n'))) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && !ignored.contains(name, Qt::CaseInsensitive))
            ignored << name;
    }
    m_work.extra.ignoredPrograms = ignored;
    m_work.extra.keepClipboard = keepClipboardCheck->isChecked();
    m_work.extra.trayIcon = trayIconCheck->isChecked();
    m_work.extra.closeToTray = closeToTrayCheck->isChecked();
    const auto largest = m_check.number(largestTextEdit, SettingRanges::LargestTextMin, SettingRanges::LargestTextMax,
                                        QStringLiteral("取り込むﾃｷｽﾄの上限"));
    if (!largest)
        return false;
    m_work.extra.largestTextMiB = *largest;
    return true;
}

void SettingsDialog::confirm(bool close)
{
    if (!storePage(shownPage()))
        return;
    if (applyAll() && close)
        accept();
}

bool SettingsDialog::applyAll()
{
    m_work.applyGlobal(m_state.settings());
    m_work.applyDefaults(m_state.newListDefaults());
    m_state.extraSettings = m_work.extra;
    const int refused = m_work.applyLists(m_state.lists(), m_state.display(), m_messages);
    if (refused < 0)
        return true;
    // Show the list whose limit was kept, with its limit ready to be typed again.
    clickPage(Page::PerList);
    if (shownPage() == Page::PerList) {
        if (m_listIndex != refused) {
            m_revertingList = true;
            m_perList->listSelector->setCurrentIndex(refused);
            m_revertingList = false;
            showListPage(refused);
        }
        m_perList->itemLimitEdit->setFocus(Qt::OtherFocusReason);
        m_perList->itemLimitEdit->selectAll();
    }
    return false;
}

void SettingsDialog::applyDefaultsToAllLists()
{
    if (shownPage() == Page::NewListDefaults && !storePage(Page::NewListDefaults))
        return;
    m_work.applyDefaultsToAllLists();
    // Also while the per-list page is hidden: it would otherwise store its old values over the new ones.
    if (m_listIndex >= 0)
        showListPage(m_listIndex);
}

void SettingsDialog::pickColour(ColourSample *sample)
{
    ColourDialogRequest record;
    m_colours.colourFromDialog(record);
    record.Color = sample->colour();
    m_colours.setDialogColour(record);
    if (!m_colours.showColourDialog())
        return;
    m_colours.colourFromDialog(record);
    sample->setColour(record.Color);
}

void SettingsDialog::pickFont(QLabel *name, QLabel *size)
{
    if (!m_fonts.showFontDialog())
        return;
    const auto font = m_fonts.fontObjectFromDialog();
    if (!font)
        return;
    name->setText(font->Name);
    size->setText(QString::number(int(font->Size)));
}

void SettingsDialog::showFilePlace()
{
    QString path = m_main.settingsPath();
    if (path.isEmpty())
        path = SettingsFile::location(QCoreApplication::applicationDirPath());
    m_messages.show(ProgramTexts::title(), QStringLiteral("環境ﾌｧｲﾙの保存場所:\r\n\r\n") + QDir::toNativeSeparators(path),
                    MessageBoxPort::Icon::Information, MessageBoxPort::Buttons::Ok);
}

void SettingsDialog::exampleIntervalTyped(const QString &text)
{
    using namespace SettingRanges;
    if (const auto interval = SettingText::inRange(text, TimerIntervalMin, TimerIntervalMax, 4))
        m_example.setInterval(*interval);
}

void SettingsDialog::exampleTick()
{
    m_exampleLit = !m_exampleLit;
    QPalette p = intervalExample->palette();
    p.setColor(QPalette::Window, m_exampleLit ? QColor(0, 0, 0xFF) : QColor(0xE0, 0xE0, 0xE0));
    intervalExample->setPalette(p);
}
