// SPDX-License-Identifier: GPL-3.0-or-later
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

// A field whose visible caption is not a label (a radio button, or none at all) is still found by
// a screen reader through a label of its name: one that is never shown.
void linkUnseenLabel(QWidget *field)
{
    auto *label = new QLabel(field->accessibleName(), field->parentWidget());
    label->setBuddy(field);
    label->hide();
}
} // namespace

QString ListOptionsPage::suffixed(const char *name) const
{
    return QString::fromLatin1(name) + (m_kind == Kind::PerList ? QStringLiteral("PerList") : QString());
}

ListOptionsPage::ListOptionsPage(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    auto *grid = new QGridLayout(this);
    int row = 0;
    if (kind == Kind::Defaults) {
        nameEdit = named(new QLineEdit, QStringLiteral("nameEdit"));
        grid->addWidget(buddyLabel(QStringLiteral("初期ﾘｽﾄ名(&N):"), nameEdit), row, 0);
        grid->addWidget(nameEdit, row++, 1, 1, 2);
    } else {
        listSelector = named(new QComboBox, QStringLiteral("listSelector"));
        listSelector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        listSelector->setMinimumContentsLength(16);
        listSelector->setAccessibleName(QStringLiteral("設定するﾘｽﾄ"));
        grid->addWidget(listSelector, row++, 0, 1, 3);
        linkUnseenLabel(listSelector);
    }

    auto *font = new QGroupBox(QStringLiteral("ﾌｫﾝﾄの設定(&O):"));
    auto *fontGrid = new QGridLayout(font);
    fontNameLabel = named(new QLabel, suffixed("fontNameLabel"));
    fontSizeLabel = named(new QLabel, suffixed("fontSizeLabel"));
    fontButton = named(new QPushButton(QStringLiteral("ﾌｫﾝﾄの変更")), suffixed("fontButton"));
    fontGrid->addWidget(new QLabel(QStringLiteral("ﾌｫﾝﾄ名:")), 0, 0);
    fontGrid->addWidget(fontNameLabel, 0, 1);
    fontGrid->addWidget(new QLabel(QStringLiteral("ｻｲｽﾞ:")), 1, 0);
    fontGrid->addWidget(fontSizeLabel, 1, 1);
    fontGrid->addWidget(fontButton, 0, 2, 2, 1);
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
        colourSamples[i] = new ColourSample(suffixed("colourSamples") + QString::number(i));
        colourSamples[i]->setAccessibleName((i < 2 ? QStringLiteral("ﾌｫｰｶｽのあるときの") : QStringLiteral("ﾌｫｰｶｽのないときの"))
                                            + (i % 2 ? QStringLiteral("文字色") : QStringLiteral("背景色")));
        colourGrid->addWidget(colourSamples[i], 1 + i / 2, 1 + i % 2);
    }
    grid->addWidget(colours, row++, 2);

    auto *captions = new QButtonGroup(this);
    const QString captionTexts[2] = {QStringLiteral("表示文字数(&E):"), QStringLiteral("表示文字幅(&W):")};
    for (int i = 0; i < 2; ++i) {
        captionModeRadios[i] = named(new QRadioButton(captionTexts[i]), suffixed("captionModeRadios") + QString::number(i));
        captionSizeEdits[i] = named(new QLineEdit, suffixed("captionSizeEdits") + QString::number(i));
        captionSizeEdits[i]->setAccessibleName(QString(captionTexts[i]).remove(QStringLiteral("(&E):")).remove(QStringLiteral("(&W):")));
        captions->addButton(captionModeRadios[i], i);
        grid->addWidget(captionModeRadios[i], row, 0);
        grid->addWidget(captionSizeEdits[i], row++, 1);
        linkUnseenLabel(captionSizeEdits[i]);
    }
    showLengthCheck = named(new QCheckBox(QStringLiteral("文字数を表示(&X)")), suffixed("showLengthCheck"));
    grid->addWidget(showLengthCheck, row - 2, 2);

    itemLimitEdit = named(new QLineEdit, suffixed("itemLimitEdit"));
    largestLimitCheck = named(new QCheckBox(QStringLiteral("最大上限に設定(32767)(&M)")), suffixed("largestLimitCheck"));
    grid->addWidget(buddyLabel(QStringLiteral("上限項目数(&U):"), itemLimitEdit), row, 0);
    grid->addWidget(itemLimitEdit, row, 1);
    grid->addWidget(largestLimitCheck, row++, 2);
    connect(largestLimitCheck, &QCheckBox::toggled, itemLimitEdit, &QWidget::setDisabled);

    lineBreakMarkEdit = named(new QLineEdit, suffixed("lineBreakMarkEdit"));
    grid->addWidget(buddyLabel(QStringLiteral("改行文字(&R):"), lineBreakMarkEdit), row, 0);
    grid->addWidget(lineBreakMarkEdit, row++, 1);

    addDirectionBox = named(new QComboBox, suffixed("addDirectionBox"));
    addDirectionBox->addItems({QStringLiteral("ﾘｽﾄの上から追加"), QStringLiteral("ﾘｽﾄの下から追加")});
    addAtFocusCheck = named(new QCheckBox(QStringLiteral("選択位置に追加(&S)")), suffixed("addAtFocusCheck"));
    grid->addWidget(buddyLabel(QStringLiteral("追加方法の指定(&A):"), addDirectionBox), row, 0);
    grid->addWidget(addDirectionBox, row, 1);
    grid->addWidget(addAtFocusCheck, row++, 2);

    focusModeBox = named(new QComboBox, suffixed("focusModeBox"));
    focusModeBox->setAccessibleName(QStringLiteral("貼り付け後のﾌｫｰｶｽ"));
    focusModeBox->addItems({QStringLiteral("貼り付け後ﾌｫｰｶｽを移動"), QStringLiteral("貼り付け後ﾌｫｰｶｽは移動しない")});
    grid->addWidget(focusModeBox, row++, 1);
    linkUnseenLabel(focusModeBox);
    grid->setRowStretch(row, 1);
}

void ListOptionsPage::fill(const ListOptionsCopy &options)
{
    if (nameEdit)
        nameEdit->setText(options.nameDefault);
    fontNameLabel->setText(options.fontNameDefault);
    fontSizeLabel->setText(QString::number(options.fontSizeDefault));
    const Colour colours[4] = {options.focusedBackColourDefault, options.focusedTextColourDefault, options.backColourDefault, options.textColourDefault};
    for (int i = 0; i < 4; ++i)
        colourSamples[i]->setColour(colours[i]);
    captionModeRadios[options.captionByWidthDefault ? 1 : 0]->setChecked(true);
    captionSizeEdits[0]->setText(QString::number(options.captionLengthDefault));
    captionSizeEdits[1]->setText(QString::number(options.captionWidthDefault));
    showLengthCheck->setChecked(options.showLengthDefault);
    itemLimitEdit->setText(QString::number(options.itemLimitDefault));
    largestLimitCheck->setChecked(options.itemLimitDefault == SettingRanges::ItemLimitMax);
    itemLimitEdit->setDisabled(largestLimitCheck->isChecked());
    lineBreakMarkEdit->setText(options.lineBreakMarkDefault);
    addDirectionBox->setCurrentIndex(options.addAtBottomDefault ? 1 : 0);
    addAtFocusCheck->setChecked(options.addAtFocusDefault);
    focusModeBox->setCurrentIndex(int(options.focusModeDefault));
}

bool ListOptionsPage::store(ListOptionsCopy &options, SettingsValidator &check)
{
    using namespace SettingRanges;
    const qint32 lengthMax = m_kind == Kind::Defaults ? CaptionLengthMax : CaptionLengthListMax;
    const auto length = check.number(captionSizeEdits[0], CaptionLengthMin, lengthMax, QStringLiteral("表示文字数"));
    if (!length)
        return false;
    const auto width = check.number(captionSizeEdits[1], CaptionWidthMin, CaptionWidthMax, QStringLiteral("表示文字幅"));
    if (!width)
        return false;
    qint32 limit = ItemLimitMax;
    if (!largestLimitCheck->isChecked()) {
        const auto typed = check.number(itemLimitEdit, ItemLimitMin, ItemLimitMax, QStringLiteral("上限項目数"));
        if (!typed)
            return false;
        limit = *typed;
    }
    if (nameEdit)
        options.nameDefault = nameEdit->text();
    options.fontNameDefault = fontNameLabel->text();
    options.fontSizeDefault = fontSizeLabel->text().toFloat();
    options.focusedBackColourDefault = colourSamples[0]->colour();
    options.focusedTextColourDefault = colourSamples[1]->colour();
    options.backColourDefault = colourSamples[2]->colour();
    options.textColourDefault = colourSamples[3]->colour();
    options.captionByWidthDefault = captionModeRadios[1]->isChecked();
    options.captionLengthDefault = qint16(*length);
    options.captionWidthDefault = *width;
    options.showLengthDefault = showLengthCheck->isChecked();
    options.itemLimitDefault = qint16(limit);
    options.lineBreakMarkDefault = lineBreakMarkEdit->text();
    options.addAtBottomDefault = addDirectionBox->currentIndex() == 1;
    options.addAtFocusDefault = addAtFocusCheck->isChecked();
    options.focusModeDefault = FocusMode(focusModeBox->currentIndex());
    return true;
}
