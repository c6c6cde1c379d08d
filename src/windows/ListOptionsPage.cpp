#include "windows/ListOptionsPage.h"

#include "model/SettingRanges.h"
#include "model/ListOptionsCopy.h"
#include "windows/ColourSample.h"
#include "windows/SettingsValidator.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename W>
W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}
} // namespace

QString ListOptionsPage::suffixed(const char *name) const
{
    return QString::fromLatin1(name) + (m_kind == Kind::PerList ? QStringLiteral("Pr") : QString());
}

ListOptionsPage::ListOptionsPage(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    auto *grid = new QGridLayout(this);
    int row = 0;
    if (kind == Kind::Defaults) {
        FirstName = named(new QLineEdit, QStringLiteral("FirstName"));
        grid->addWidget(buddyLabel(QStringLiteral("初期ﾘｽﾄ名(&N):"), FirstName), row, 0);
        grid->addWidget(FirstName, row++, 1, 1, 2);
    } else {
        ListNameSel = named(new QComboBox, QStringLiteral("ListNameSel"));
        ListNameSel->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        ListNameSel->setMinimumContentsLength(16);
        grid->addWidget(ListNameSel, row++, 0, 1, 3);
    }

    auto *font = new QGroupBox(QStringLiteral("ﾌｫﾝﾄの設定(&O):"));
    auto *fontGrid = new QGridLayout(font);
    FontNamee = named(new QLabel, suffixed("FontNamee"));
    FontSizee = named(new QLabel, suffixed("FontSizee"));
    ListFontChange = named(new QPushButton(QStringLiteral("ﾌｫﾝﾄの変更")), suffixed("ListFontChange"));
    fontGrid->addWidget(new QLabel(QStringLiteral("ﾌｫﾝﾄ名:")), 0, 0);
    fontGrid->addWidget(FontNamee, 0, 1);
    fontGrid->addWidget(new QLabel(QStringLiteral("ｻｲｽﾞ:")), 1, 0);
    fontGrid->addWidget(FontSizee, 1, 1);
    fontGrid->addWidget(ListFontChange, 0, 2, 2, 1);
    fontGrid->setColumnStretch(1, 1);
    grid->addWidget(font, row, 0, 1, 2);

    auto *colours = new QGroupBox(QStringLiteral("色の設定(&C):"));
    auto *colourGrid = new QGridLayout(colours);
    colourGrid->addWidget(new QLabel(QStringLiteral("背景色")), 0, 1);
    colourGrid->addWidget(new QLabel(QStringLiteral("文字色")), 0, 2);
    colourGrid->addWidget(new QLabel(QStringLiteral("ﾌｫｰｶｽのあるとき")), 1, 0);
    colourGrid->addWidget(new QLabel(QStringLiteral("ﾌｫｰｶｽのないとき")), 2, 0);
    // In index order: focused back, focused fore, back, fore.
    for (int i = 0; i < 4; ++i) {
        SetColors[i] = new ColourSample(suffixed("SetColors") + QString::number(i));
        colourGrid->addWidget(SetColors[i], 1 + i / 2, 1 + i % 2);
    }
    grid->addWidget(colours, row++, 2);

    auto *captions = new QButtonGroup(this);
    const QString captionTexts[2] = {QStringLiteral("表示文字数(&E):"), QStringLiteral("表示文字幅(&W):")};
    for (int i = 0; i < 2; ++i) {
        LetterExp[i] = named(new QRadioButton(captionTexts[i]), suffixed("LetterExp") + QString::number(i));
        ExpLetter[i] = named(new QLineEdit, suffixed("ExpLetter") + QString::number(i));
        captions->addButton(LetterExp[i], i);
        grid->addWidget(LetterExp[i], row, 0);
        grid->addWidget(ExpLetter[i], row++, 1);
    }
    LetterCount = named(new QCheckBox(QStringLiteral("文字数を表示(&X)")), suffixed("LetterCount"));
    grid->addWidget(LetterCount, row - 2, 2);

    UpperNum = named(new QLineEdit, suffixed("UpperNum"));
    MaxUpper = named(new QCheckBox(QStringLiteral("最大上限に設定(32767)(&M)")), suffixed("MaxUpper"));
    grid->addWidget(buddyLabel(QStringLiteral("上限項目数(&U):"), UpperNum), row, 0);
    grid->addWidget(UpperNum, row, 1);
    grid->addWidget(MaxUpper, row++, 2);
    connect(MaxUpper, &QCheckBox::toggled, UpperNum, &QWidget::setDisabled);

    lineBreakMark = named(new QLineEdit, suffixed("lineBreakMark"));
    grid->addWidget(buddyLabel(QStringLiteral("改行文字(&R):"), lineBreakMark), row, 0);
    grid->addWidget(lineBreakMark, row++, 1);

    WayAddSel = named(new QComboBox, suffixed("WayAddSel"));
    WayAddSel->addItems({QStringLiteral("ﾘｽﾄの上から追加"), QStringLiteral("ﾘｽﾄの下から追加")});
    PosAddSel = named(new QCheckBox(QStringLiteral("選択位置に追加(&S)")), suffixed("PosAddSel"));
    grid->addWidget(buddyLabel(QStringLiteral("追加方法の指定(&A):"), WayAddSel), row, 0);
    grid->addWidget(WayAddSel, row, 1);
    grid->addWidget(PosAddSel, row++, 2);

    MovWaySel = named(new QComboBox, suffixed("MovWaySel"));
    MovWaySel->addItems({QStringLiteral("貼り付け後ﾌｫｰｶｽを移動"), QStringLiteral("貼り付け後ﾌｫｰｶｽは移動しない")});
    grid->addWidget(MovWaySel, row++, 1);
    grid->setRowStretch(row, 1);
}

void ListOptionsPage::fill(const ListOptionsCopy &options)
{
    if (FirstName)
        FirstName->setText(options.nameDefault);
    FontNamee->setText(options.fontNameDefault);
    FontSizee->setText(QString::number(options.fontSizeDefault));
    const Colour colours[4] = {options.focusedBackColourDefault, options.focusedTextColourDefault, options.backColourDefault, options.textColourDefault};
    for (int i = 0; i < 4; ++i)
        SetColors[i]->setColour(colours[i]);
    LetterExp[options.captionByWidthDefault ? 1 : 0]->setChecked(true);
    ExpLetter[0]->setText(QString::number(options.captionLengthDefault));
    ExpLetter[1]->setText(QString::number(options.captionWidthDefault));
    LetterCount->setChecked(options.showLengthDefault);
    UpperNum->setText(QString::number(options.itemLimitDefault));
    MaxUpper->setChecked(options.itemLimitDefault == SettingRanges::ItemLimitMax);
    UpperNum->setDisabled(MaxUpper->isChecked());
    lineBreakMark->setText(options.lineBreakMarkDefault);
    WayAddSel->setCurrentIndex(options.addAtBottomDefault ? 1 : 0);
    PosAddSel->setChecked(options.addAtFocusDefault);
    MovWaySel->setCurrentIndex(options.focusModeDefault);
}

bool ListOptionsPage::store(ListOptionsCopy &options, SettingsValidator &check)
{
    using namespace SettingRanges;
    const qint32 lengthMax = m_kind == Kind::Defaults ? CaptionLengthMax : CaptionLengthListMax;
    const auto length = check.number(ExpLetter[0], CaptionLengthMin, lengthMax, QStringLiteral("表示文字数"));
    if (!length)
        return false;
    const auto width = check.number(ExpLetter[1], CaptionWidthMin, CaptionWidthMax, QStringLiteral("表示文字幅"));
    if (!width)
        return false;
    qint32 limit = ItemLimitMax;
    if (!MaxUpper->isChecked()) {
        const auto typed = check.number(UpperNum, ItemLimitMin, ItemLimitMax, QStringLiteral("上限項目数"));
        if (!typed)
            return false;
        limit = *typed;
    }
    if (FirstName)
        options.nameDefault = FirstName->text();
    options.fontNameDefault = FontNamee->text();
    options.fontSizeDefault = FontSizee->text().toFloat();
    options.focusedBackColourDefault = SetColors[0]->colour();
    options.focusedTextColourDefault = SetColors[1]->colour();
    options.backColourDefault = SetColors[2]->colour();
    options.textColourDefault = SetColors[3]->colour();
    options.captionByWidthDefault = LetterExp[1]->isChecked();
    options.captionLengthDefault = qint16(*length);
    options.captionWidthDefault = *width;
    options.showLengthDefault = LetterCount->isChecked();
    options.itemLimitDefault = qint16(limit);
    options.lineBreakMarkDefault = lineBreakMark->text();
    options.addAtBottomDefault = WayAddSel->currentIndex() == 1;
    options.addAtFocusDefault = PosAddSel->isChecked();
    options.focusModeDefault = qint16(MovWaySel->currentIndex());
    return true;
}
