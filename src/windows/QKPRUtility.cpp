#include "windows/QKPRUtility.h"

#include "mainwindow/QKPRbase.h"
#include "model/ListExControl.h"
#include "model/MessageBoxPort.h"
#include "model/ProgramTexts.h"
#include "model/QKPRGrobal.h"
#include "model/SettingRanges.h"
#include "model/SettingText.h"
#include "platform/spgComDLColor.h"
#include "platform/spgComDLFont.h"
#include "platform/spgSelFrame.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <type_traits>

namespace {
const char *const PageMessages[5] = {
    "ｿﾌﾄの動作する環境の設定を行っています...",
    "新しいﾘｽﾄ作成時の既定値の設定を行っています...",
    "既存のﾘｽﾄの設定を行っています...",
    "項目の内容を表示するﾃｷｽﾄの設定を行っています...",
    "貼り付け後のﾌｫｰｶｽ移動の設定を行っています...",
};
} // namespace

QKPRUtility::QKPRUtility(QKPRGrobal &grobal, QKPRbase &main, MessageBoxPort &messages, spgComDLFont &fonts,
                         spgComDLColor &colours, QWidget *parent)
    : QDialog(parent ? parent : &main), m_grobal(grobal), m_main(main), m_messages(messages), m_fonts(fonts),
      m_colours(colours), m_check(messages), m_pages(new spgSelFrame(this))
{
    setObjectName(QStringLiteral("QKPRUtility"));
    setWindowIcon(main.windowIcon());

    QWidget *pages[5] = {buildGlobalPage(), nullptr, nullptr, buildTextPage(), buildMovePage()};
    pages[1] = m_defaults = new ListOptionsPage(ListOptionsPage::Kind::Defaults);
    pages[2] = m_perList = new ListOptionsPage(ListOptionsPage::Kind::PerList);
    buildTabs(pages);

    ComDLFontSet font;
    m_fonts.GetComDLFont(font);
    font.hOwner = this;
    font.Flags = spgComDLFont::CF_SCREENFONTS | spgComDLFont::CF_FORCEFONTEXIST;
    m_fonts.SetComDLFont(font);
    ComDLColorSet colour;
    m_colours.GetComDLColor(colour);
    colour.hOwner = this;
    colour.Flags = spgComDLColor::CC_RGBINIT;
    m_colours.SetComDLColor(colour);

    m_example.setParent(this);
    m_example.setObjectName(QStringLiteral("TIvlExampleTimer"));
    m_work.LoadWorkCopies(grobal);
    FillControls();
    connectHandlers();
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->installEventFilter(this);

    connect(m_pages, &spgSelFrame::ChangedIndex, this, &QKPRUtility::inSelUtil_ChangedIndex);
    m_pages->EventActionClickLabel(0);
    m_listIndex = -1;
    m_perList->ListNameSel->addItems(m_work.entries);
    m_perList->ListNameSel->setCurrentIndex(0);
    ListNameSelChanged(0);
}

QKPRUtility::~QKPRUtility() = default;

template <typename Handler>
void QKPRUtility::guarded(Handler &&handler)
{
    const UtilityWorkCopies before = m_work;
    const int listBefore = m_listIndex;
    try {
        handler();
    } catch (...) {
        m_work = before;
        m_listIndex = listBefore;
        m_check.ShowWarning(QStringLiteral("予期せぬｴﾗｰが発生しました。\r\nこのｱﾌﾟﾘｹｰｼｮﾝを終了させることをお勧めします。"));
    }
}

template <typename Sender, typename Signal, typename Handler>
void QKPRUtility::on(Sender *sender, Signal signal, Handler handler)
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

void QKPRUtility::connectHandlers()
{
    on(m_perList->ListNameSel, &QComboBox::currentIndexChanged, [this](int index) { ListNameSelChanged(index); });
    on(AllRenew, &QPushButton::clicked, [this] { ApplyDefaultsToAllLists(); });
    on(FilePosCmd, &QPushButton::clicked, [this] { showFilePlace(); });
    on(TimerSel, &QComboBox::editTextChanged, [this](const QString &text) { exampleIntervalTyped(text); });
    connect(&m_example, &QTimer::timeout, this, [this] { guarded([this] { exampleTick(); }); });
    on(ReturnIm, &QRadioButton::toggled, [this](bool) { RetterReturnUt->setEnabled(LetterIm->isChecked()); });
    on(AMHInterval, &QLineEdit::textChanged, [this](const QString &text) {
        AMHmm->setText(SettingText::millimetres(text, screen()->physicalDotsPerInchX()));
    });
    on(AMVInterval, &QLineEdit::textChanged, [this](const QString &text) {
        AMVmm->setText(SettingText::millimetres(text, screen()->physicalDotsPerInchY()));
    });
    on(BarColor, &QPushButton::clicked, [this] { PickColor(BarClr); });
    on(BarClr, &ColourSample::clicked, [this] { PickColor(BarClr); });
    for (ListOptionsPage *page : {m_defaults, m_perList}) {
        for (ColourSample *sample : page->SetColors)
            on(sample, &ColourSample::clicked, [this, sample] { PickColor(sample); });
        on(page->ListFontChange, &QPushButton::clicked, [this, page] { PickFont(page->FontNamee, page->FontSizee); });
    }
    on(TextFontChange, &QPushButton::clicked, [this] { PickFont(TextFontName, TextFontSize); });
    auto *ok = findChild<QPushButton *>(QStringLiteral("OKButton"));
    on(ok, &QPushButton::clicked, [this] { confirm(true); });
    on(findChild<QPushButton *>(QStringLiteral("RenewButton")), &QPushButton::clicked, [this] { confirm(false); });
    connect(findChild<QPushButton *>(QStringLiteral("CancelButton")), &QPushButton::clicked, this, &QDialog::reject);
}

void QKPRUtility::showEvent(QShowEvent *event)
{
    // The dialog must not hide under the main window while it is up; whoever shows it puts the
    // switch back afterwards.
    if (!event->spontaneous() && m_main.TopZOrder())
        m_main.setTopZOrder(false);
    QDialog::showEvent(event);
}

bool QKPRUtility::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (qint16 i = 0; i < 5; ++i) {
            if (watched == m_tabs[i] || watched == m_tabWords[i]) {
                guarded([&] { m_pages->EventActionClickLabel(i); });
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void QKPRUtility::inSelUtil_ChangedIndex(qint16 Before, qint16 Index, qint16 &Cancel)
{
    Cancel = 1;
    guarded([&] {
        if (Index != Before && Before >= 0 && !StorePage(Before))
            return;
        Cancel = 0;
        const QString message = QString::fromUtf8(PageMessages[Index]);
        setWindowTitle(ProgramTexts::title() + QLatin1Char(' ') + message);
        m_message->setText(message);
        if (Index == 0)
            m_example.start();
        else
            m_example.stop();
        AllRenew->setVisible(Index == 1 || Index == 2);
    });
}

void QKPRUtility::FillControls()
{
    const UtilGrobal &g = m_work.grobal;
    TimerSel->setEditText(QString::number(g.TimerInterval));
    m_example.setInterval(g.TimerInterval);
    BarClr->setColour(g.BarClr);
    MouseAction->button(g.ToolOvOrCk ? 1 : 0)->setChecked(true);
    AddModeCheck->setChecked(g.AddMode);
    GroAddSave->setChecked(g.AddSave);
    MoveUpper->button(g.AddDelete ? 1 : 0)->setChecked(true);
    MoveError->setChecked(g.AddDeleteError);
    ReturnIMake->setChecked(g.ReturnIm);
    (g.ReturnOrLetter ? ReturnIm : LetterIm)->setChecked(true);
    RetterReturnUt->setText(g.LetterIm);
    RetterReturnUt->setEnabled(!g.ReturnOrLetter);
    HTMLReNize->setChecked(g.HTMLReco);
    TimerSG->setChecked(g.TextExpTimer);
    TextFontName->setText(g.TextFName);
    TextFontSize->setText(QString::number(g.TextFSize));
    const qint16 ways[4] = {g.HowLAddMove, g.HowRAddMove, g.HowTAddMove, g.HowBAddMove};
    for (int i = 0; i < 4; ++i)
        MoveWay[i]->setCurrentIndex(ways[i]);
    AMHInterval->setText(QString::number(g.HowAddMoveHIval));
    AMVInterval->setText(QString::number(g.HowAddMoveVIval));
    AMHmm->setText(SettingText::millimetres(AMHInterval->text(), screen()->physicalDotsPerInchX()));
    AMVmm->setText(SettingText::millimetres(AMVInterval->text(), screen()->physicalDotsPerInchY()));
    m_defaults->fill(m_work.defaults);
}

void QKPRUtility::ShowListPage(int index)
{
    m_perList->fill(m_work.lists[size_t(index)]);
    m_listIndex = index;
}

void QKPRUtility::ListNameSelChanged(int index)
{
    if (m_revertingList || index < 0 || index == m_listIndex)
        return;
    if (m_listIndex >= 0 && !StoreListPage()) {
        m_revertingList = true;
        m_perList->ListNameSel->setCurrentIndex(m_listIndex);
        m_revertingList = false;
        return;
    }
    ShowListPage(index);
}

bool QKPRUtility::StorePage(int index)
{
    switch (index) {
    case 0: return StoreGlobalPage();
    case 1: return StoreDefaultsPage();
    case 2: return StoreListPage();
    case 3: return StoreTextPage();
    case 4: return StoreMovePage();
    default: return true;
    }
}

bool QKPRUtility::StoreGlobalPage()
{
    using namespace SettingRanges;
    const auto interval = m_check.number(TimerSel->lineEdit(), TimerIntervalMin, TimerIntervalMax,
                                         QStringLiteral("ﾀｲﾏｰの時間間隔"), 4);
    if (!interval)
        return false;
    if (RetterReturnUt->text().isEmpty()) {
        if (!RetterReturnUt->isEnabled()) {
            RetterReturnUt->setEnabled(true);
            LetterIm->setChecked(true);
        }
        m_check.refuse(RetterReturnUt,
                       QStringLiteral("一文字以上の文字を入れてください。\r\n\r\n「文字ごとに項目を作成する」ﾃｷｽﾄ欄"));
        return false;
    }
    UtilGrobal &g = m_work.grobal;
    g.TimerInterval = qint16(*interval);
    g.BarClr = BarClr->colour();
    g.ToolOvOrCk = MouseAction->checkedId() == 1;
    g.AddMode = AddModeCheck->isChecked();
    g.AddSave = GroAddSave->isChecked();
    g.AddDelete = MoveUpper->checkedId() == 1;
    g.AddDeleteError = MoveError->isChecked();
    g.ReturnIm = ReturnIMake->isChecked();
    g.ReturnOrLetter = ReturnIm->isChecked();
    g.LetterIm = RetterReturnUt->text();
    g.HTMLReco = HTMLReNize->isChecked();
    return true;
}

bool QKPRUtility::StoreDefaultsPage()
{
    return m_defaults->store(m_work.defaults, m_check);
}

bool QKPRUtility::StoreListPage()
{
    return m_listIndex < 0 || m_perList->store(m_work.lists[size_t(m_listIndex)], m_check);
}

bool QKPRUtility::StoreTextPage()
{
    UtilGrobal &g = m_work.grobal;
    g.TextExpTimer = TimerSG->isChecked();
    g.TextFName = TextFontName->text();
    g.TextFSize = TextFontSize->text().toFloat();
    return true;
}

bool QKPRUtility::StoreMovePage()
{
    using namespace SettingRanges;
    const auto across = m_check.number(AMHInterval, EdgeZoneMin, EdgeZoneMax, QStringLiteral("水平方向の幅"));
    if (!across)
        return false;
    const auto down = m_check.number(AMVInterval, EdgeZoneMin, EdgeZoneMax, QStringLiteral("垂直方向の幅"));
    if (!down)
        return false;
    UtilGrobal &g = m_work.grobal;
    qint16 *ways[4] = {&g.HowLAddMove, &g.HowRAddMove, &g.HowTAddMove, &g.HowBAddMove};
    for (int i = 0; i < 4; ++i)
        *ways[i] = qint16(MoveWay[i]->currentIndex());
    g.HowAddMoveHIval = *across;
    g.HowAddMoveVIval = *down;
    return true;
}

void QKPRUtility::confirm(bool close)
{
    if (!StorePage(m_pages->NowVisIndex()))
        return;
    if (ApplyAll() && close)
        accept();
}

bool QKPRUtility::ApplyAll()
{
    m_work.ApplyGlobal(m_grobal);
    m_work.ApplyDefaults(m_grobal);
    const int refused = m_work.ApplyLists(m_grobal, m_messages);
    if (refused < 0)
        return true;
    // Show the list whose limit was kept, with its limit ready to be typed again.
    m_pages->EventActionClickLabel(2);
    if (m_pages->NowVisIndex() == 2) {
        if (m_listIndex != refused) {
            m_revertingList = true;
            m_perList->ListNameSel->setCurrentIndex(refused);
            m_revertingList = false;
            ShowListPage(refused);
        }
        m_perList->UpperNum->setFocus(Qt::OtherFocusReason);
        m_perList->UpperNum->selectAll();
    }
    return false;
}

void QKPRUtility::ApplyDefaultsToAllLists()
{
    if (m_pages->NowVisIndex() == 1 && !StorePage(1))
        return;
    m_work.ApplyDefaultsToAllLists();
    // Also while page 2 is hidden: it would otherwise store its old values over the new ones.
    if (m_listIndex >= 0)
        ShowListPage(m_listIndex);
}

void QKPRUtility::PickColor(ColourSample *sample)
{
    ComDLColorSet record;
    m_colours.GetComDLColor(record);
    record.Color = sample->colour();
    m_colours.SetComDLColor(record);
    if (!m_colours.ComDLColorShow())
        return;
    m_colours.GetComDLColor(record);
    sample->setColour(record.Color);
}

void QKPRUtility::PickFont(QLabel *name, QLabel *size)
{
    if (!m_fonts.ComDLFontShow())
        return;
    const auto font = m_fonts.GetComDLFontObject();
    if (!font)
        return;
    name->setText(font->Name);
    size->setText(QString::number(int(font->Size)));
}

void QKPRUtility::showFilePlace()
{
    QString path = m_main.settingsPath();
    if (path.isEmpty())
        path = SettingsFile::location(QCoreApplication::applicationDirPath());
    m_messages.show(ProgramTexts::title(), QStringLiteral("環境ﾌｧｲﾙの保存場所:\r\n\r\n") + QDir::toNativeSeparators(path),
                    MessageBoxPort::Icon::Information, MessageBoxPort::Buttons::Ok);
}

void QKPRUtility::exampleIntervalTyped(const QString &text)
{
    using namespace SettingRanges;
    if (const auto interval = SettingText::inRange(text, TimerIntervalMin, TimerIntervalMax, 4))
        m_example.setInterval(*interval);
}

void QKPRUtility::exampleTick()
{
    m_exampleLit = !m_exampleLit;
    QPalette p = TIvlExample->palette();
    p.setColor(QPalette::Window, m_exampleLit ? QColor(0, 0, 0xFF) : QColor(0xE0, 0xE0, 0xE0));
    TIvlExample->setPalette(p);
}
