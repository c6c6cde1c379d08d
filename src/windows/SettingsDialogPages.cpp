// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's controls and their layout.
#include "windows/SettingsDialog.h"

#include "platform/AccessibleRole.h"
#include "platform/PageSelector.h"
#include "windows/ColourSample.h"
#include "windows/ListOptionsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {
template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

// Two options of one setting, numbered 0 and 1.
QButtonGroup *optionPair(QWidget *owner, QLayout *layout, const char *name, const QString &first,
                         const QString &second)
{
    auto *group = new QButtonGroup(owner);
    const QString captions[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(captions[i]);
        option->setObjectName(QString::fromLatin1(name) + QString::number(i));
        group->addButton(option, i);
        layout->addWidget(option);
    }
    return group;
}

// A titled group box added to rows, its contents in one column.
QVBoxLayout *groupColumn(QBoxLayout *rows, const QString &title)
{
    auto *group = new QGroupBox(title);
    rows->addWidget(group);
    return new QVBoxLayout(group);
}
} // namespace

QWidget *SettingsDialog::buildGlobalPage()
{
    auto *page = named(new QWidget, "globalPage");
    auto *columns = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto *timerRow = new QGridLayout;
    intervalBox = named(new QComboBox, "intervalBox");
    intervalBox->setEditable(true);
    for (int interval = 200; interval <= 900; interval += 100)
        intervalBox->addItem(QString::number(interval));
    intervalBox->setInsertPolicy(QComboBox::NoInsert);
    // What the user types is what is taken: "50" must not become "500".
    intervalBox->setCompleter(nullptr);
    intervalExample = named(new QLabel(QStringLiteral("間隔の目安")), "intervalExample");
    intervalExample->setAutoFillBackground(true);
    intervalExample->setAlignment(Qt::AlignCenter);
    timerRow->addWidget(buddyLabel(QStringLiteral("ﾀｲﾏｰの時間間隔(&Q):"), intervalBox), 0, 0);
    timerRow->addWidget(intervalBox, 0, 1);
    timerRow->addWidget(intervalExample, 0, 2);
    barColour = new ColourSample(QStringLiteral("barColour"));
    barColour->setAccessibleName(QStringLiteral("ﾊﾞｰの色"));
    barColourButton = named(new QPushButton(QStringLiteral("...")), "barColourButton");
    // Its caption says nothing to a screen reader.
    barColourButton->setAccessibleName(QStringLiteral("ﾊﾞｰの色の指定"));
    barColourButton->setMaximumWidth(barColourButton->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    timerRow->addWidget(buddyLabel(QStringLiteral("ﾊﾞｰの色の指定(&B):"), barColourButton), 1, 0);
    timerRow->addWidget(barColour, 1, 1);
    timerRow->addWidget(barColourButton, 1, 2, Qt::AlignLeft);
    left->addLayout(timerRow);

    toolbarOpensGroup = optionPair(this, groupColumn(left, QStringLiteral("ﾂｰﾙﾊﾞｰのﾏｳｽ動作:")), "toolbarOpensGroup",
                                   QStringLiteral("ｸﾘｯｸでﾂｰﾙﾊﾞｰを出す(&C)"), QStringLiteral("ﾏｳｽであてるとﾂｰﾙﾊﾞｰを出す(&M)"));

    auto *addOptionsRows = groupColumn(left, QStringLiteral("追加方法を変更した時:"));
    addOptionsToAllListsCheck = named(new QCheckBox(QStringLiteral("全てのﾘｽﾄに変更を適用する(&A)")), "addOptionsToAllListsCheck");
    addOptionsAsDefaultsCheck = named(new QCheckBox(QStringLiteral("変更を初期値として保存する(&S)")), "addOptionsAsDefaultsCheck");
    addOptionsRows->addWidget(addOptionsToAllListsCheck);
    addOptionsRows->addWidget(addOptionsAsDefaultsCheck);

    auto *movingRows = groupColumn(right, QStringLiteral("移動させると上限項目数を超える時:"));
    overflowGroup = optionPair(this, movingRows, "overflowGroup", QStringLiteral("あふれる項目は移動しない(&N)"),
                           QStringLiteral("他の項目を削除して全て移動する(&O)"));
    warnOnOverflowCheck = named(new QCheckBox(QStringLiteral("ﾒｯｾｰｼﾞを表示(&E)")), "warnOnOverflowCheck");
    movingRows->addWidget(warnOnOverflowCheck);

    auto *adding = new QGroupBox(QStringLiteral("追加のｵﾌﾟｼｮﾝ設定:"));
    auto *addingRows = new QGridLayout(adding);
    splitCapturesCheck = named(new QCheckBox, "splitCapturesCheck");
    splitCapturesCheck->setAccessibleName(QStringLiteral("項目を分けて作成する"));
    splitAtLineBreaksRadio = named(new QRadioButton(QStringLiteral("改行ごとに項目を作成する(&I)")), "splitAtLineBreaksRadio");
    splitAtStringRadio = named(new QRadioButton(QStringLiteral("文字ごとに項目を作成する(&W):")), "splitAtStringRadio");
    splitStringEdit = named(new QLineEdit, "splitStringEdit");
    splitStringEdit->setAccessibleName(QStringLiteral("区切りの文字"));
    richTextCheck = named(new QCheckBox(QStringLiteral("ﾘｯﾁﾃｷｽﾄ(*.rtf)として追加する(&R)")), "richTextCheck");
    addingRows->addWidget(splitCapturesCheck, 0, 0, 2, 1, Qt::AlignTop);
    addingRows->addWidget(splitAtLineBreaksRadio, 0, 1, 1, 2);
    addingRows->addWidget(splitAtStringRadio, 1, 1);
    addingRows->addWidget(splitStringEdit, 1, 2);
    addingRows->addWidget(richTextCheck, 2, 0, 1, 3);
    right->addWidget(adding);

    settingsPlaceButton = named(new QPushButton(QStringLiteral("環境ﾌｧｲﾙ保存場所(&P)")), "settingsPlaceButton");
    right->addWidget(settingsPlaceButton, 0, Qt::AlignRight);
    left->addStretch(1);
    right->addStretch(1);
    return page;
}

QWidget *SettingsDialog::buildTextPage()
{
    auto *page = named(new QWidget, "textPage");
    auto *rows = new QVBoxLayout(page);
    pauseCaptureCheck = named(new QCheckBox(QStringLiteral("ﾀｲﾏｰの作動を停止させる(&S)")), "pauseCaptureCheck");
    groupColumn(rows, QStringLiteral("ﾃｷｽﾄを表示したとき:"))->addWidget(pauseCaptureCheck);

    auto *font = new QGroupBox(QStringLiteral("ﾃｷｽﾄ表示のﾌｫﾝﾄの設定(&O):"));
    auto *fontGrid = new QGridLayout(font);
    textFontNameLabel = named(new QLabel, "textFontNameLabel");
    textFontSizeLabel = named(new QLabel, "textFontSizeLabel");
    textFontButton = named(new QPushButton(QStringLiteral("ﾌｫﾝﾄの変更")), "textFontButton");
    fontGrid->addWidget(new QLabel(QStringLiteral("ﾌｫﾝﾄ名:")), 0, 0);
    fontGrid->addWidget(textFontNameLabel, 0, 1);
    fontGrid->addWidget(new QLabel(QStringLiteral("ｻｲｽﾞ:")), 1, 0);
    fontGrid->addWidget(textFontSizeLabel, 1, 1);
    fontGrid->addWidget(textFontButton, 0, 2, 2, 1);
    fontGrid->setColumnStretch(1, 1);
    rows->addWidget(font);
    rows->addStretch(1);
    return page;
}

QWidget *SettingsDialog::buildMovePage()
{
    auto *page = named(new QWidget, "edgePage");
    auto *rows = new QVBoxLayout(page);
    auto *ways = new QGroupBox(QStringLiteral("ﾌｫｰｶｽを移動させる方法:"));
    auto *waysGrid = new QGridLayout(ways);
    const char *names[4] = {"leftEdgeAction", "rightEdgeAction", "topEdgeAction", "bottomEdgeAction"};
    const QString captions[4] = {QStringLiteral("ﾏｳｽが画面の左端にきたとき(&E):"),
                                 QStringLiteral("ﾏｳｽが画面の右端にきたとき(&R):"),
                                 QStringLiteral("ﾏｳｽが画面の上端にきたとき(&O):"),
                                 QStringLiteral("ﾏｳｽが画面の下端にきたとき(&B):")};
    for (int i = 0; i < 4; ++i) {
        edgeActionBoxes[i] = named(new QComboBox, names[i]);
        edgeActionBoxes[i]->addItems({QStringLiteral("ﾌｫｰｶｽを上へ移動"), QStringLiteral("ﾌｫｰｶｽを下へ移動"),
                              QStringLiteral("ﾌｫｰｶｽを移動しない")});
        waysGrid->addWidget(buddyLabel(captions[i], edgeActionBoxes[i]), i, 0);
        waysGrid->addWidget(edgeActionBoxes[i], i, 1);
    }
    rows->addWidget(ways);

    auto *zone = new QGroupBox(QStringLiteral("ﾏｳｽを感知する領域の幅(単位-ﾋﾟｸｾﾙ, ﾐﾘﾒｰﾄﾙ):"));
    auto *zoneGrid = new QGridLayout(zone);
    edgeZoneWidthEdit = named(new QLineEdit, "edgeZoneWidthEdit");
    edgeZoneHeightEdit = named(new QLineEdit, "edgeZoneHeightEdit");
    edgeZoneWidthMillimetres = named(new QLabel, "edgeZoneWidthMillimetres");
    edgeZoneHeightMillimetres = named(new QLabel, "edgeZoneHeightMillimetres");
    zoneGrid->addWidget(buddyLabel(QStringLiteral("水平方向の幅(&H):"), edgeZoneWidthEdit), 0, 0);
    zoneGrid->addWidget(edgeZoneWidthEdit, 0, 1);
    zoneGrid->addWidget(edgeZoneWidthMillimetres, 0, 2);
    zoneGrid->addWidget(buddyLabel(QStringLiteral("垂直方向の幅(&V):"), edgeZoneHeightEdit), 1, 0);
    zoneGrid->addWidget(edgeZoneHeightEdit, 1, 1);
    zoneGrid->addWidget(edgeZoneHeightMillimetres, 1, 2);
    zoneGrid->setColumnStretch(2, 1);
    rows->addWidget(zone);
    rows->addStretch(1);
    return page;
}

QWidget *SettingsDialog::buildMorePage()
{
    auto *page = new QWidget;
    auto *rows = new QVBoxLayout(page);
    auto *historyRows = groupColumn(rows, QStringLiteral("ﾘｽﾄの保持:"));
    keepHistoryCheck = named(new QCheckBox(QStringLiteral("ﾘｽﾄを次回の起動まで保持する(&H)")), "keepHistoryCheck");
    historyRows->addWidget(keepHistoryCheck);
    auto *note = new QLabel(QStringLiteral("ﾁｪｯｸを外すと、保持していたﾘｽﾄの履歴ﾌｧｲﾙは削除されます。"));
    note->setWordWrap(true);
    historyRows->addWidget(note);
    startAtLoginCheck = named(new QCheckBox(QStringLiteral("ﾛｸﾞｲﾝ時に起動する(&L)")), "startAtLoginCheck");
    groupColumn(rows, QStringLiteral("ﾛｸﾞｲﾝ時の起動:"))->addWidget(startAtLoginCheck);
    auto *hotkeyBox = new QGroupBox(QStringLiteral("ﾎｯﾄｷｰ:"));
    auto *hotkeyRows = new QGridLayout(hotkeyBox);
    hotkeyOnCheck = named(new QCheckBox(QStringLiteral("ﾎｯﾄｷｰでﾘｽﾄを呼び出す(&K)")), "hotkeyOnCheck");
    hotkeyEdit = named(new QKeySequenceEdit, "hotkeyEdit");
    // The focus goes to the field inside, which the label does not name; its hint is Qt's, in English.
    if (auto *keys = hotkeyEdit->findChild<QLineEdit *>()) {
        keys->setAccessibleName(QStringLiteral("ﾎｯﾄｷｰ"));
        keys->setAccessibleDescription(QStringLiteral("ﾎｯﾄｷｰにするｷｰを押してください"));
        keys->setPlaceholderText(QStringLiteral("ｷｰを押してください"));
    }
    pasteAfterPickCheck = named(new QCheckBox(QStringLiteral("Enterで選んだ項目を元のｳｨﾝﾄﾞｳに貼り付ける(&P)")), "pasteAfterPickCheck");
    hotkeyRows->addWidget(hotkeyOnCheck, 0, 0, 1, 2);
    hotkeyRows->addWidget(buddyLabel(QStringLiteral("ｷｰ(&Y):"), hotkeyEdit), 1, 0);
    hotkeyRows->addWidget(hotkeyEdit, 1, 1);
    hotkeyRows->addWidget(pasteAfterPickCheck, 2, 0, 1, 2);
    keepWindowAfterPickCheck = named(new QCheckBox(QStringLiteral("ﾎｯﾄｷｰで選んだ後もｳｨﾝﾄﾞｳを残す(&W)")), "keepWindowAfterPickCheck");
    hotkeyRows->addWidget(keepWindowAfterPickCheck, 3, 0, 1, 2);
    connect(hotkeyOnCheck, &QCheckBox::toggled, hotkeyEdit, &QWidget::setEnabled);
    rows->addWidget(hotkeyBox);
    keepClipboardCheck = named(new QCheckBox(QStringLiteral("ｺﾋﾟｰ元が終了してもｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を残す(&B)")),
                               "keepClipboardCheck");
    groupColumn(rows, QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞの保持:"))->addWidget(keepClipboardCheck);
    auto *trayRow = new QHBoxLayout;
    groupColumn(rows, QStringLiteral("ﾀｽｸﾄﾚｲ:"))->addLayout(trayRow);
    trayIconCheck = named(new QCheckBox(QStringLiteral("ﾀｽｸﾄﾚｲにｱｲｺﾝを表示する(&T)")), "trayIconCheck");
    trayRow->addWidget(trayIconCheck);
    closeToTrayCheck = named(new QCheckBox(QStringLiteral("閉じるﾎﾞﾀﾝでﾀｽｸﾄﾚｲに格納する(&G)")), "closeToTrayCheck");
    trayRow->addWidget(closeToTrayCheck);
    trayRow->addStretch(1);
    largestTextEdit = named(new QLineEdit, "largestTextEdit");
    auto *largestRow = new QHBoxLayout;
    largestRow->addWidget(buddyLabel(QStringLiteral("取り込むﾃｷｽﾄの上限(&M):"), largestTextEdit));
    largestRow->addWidget(largestTextEdit);
    largestRow->addWidget(new QLabel(QStringLiteral("MB (これを超えるﾃｷｽﾄは取り込まない)")));
    largestRow->addStretch(1);
    auto *sizeRows = groupColumn(rows, QStringLiteral("ﾃｷｽﾄの取り込み:"));
    sizeRows->addLayout(largestRow);
    moveDuplicatesCheck = named(new QCheckBox(QStringLiteral("同じﾃｷｽﾄは先頭へ移動する(&D)")), "moveDuplicatesCheck");
    captureSelectionCheck = named(new QCheckBox(QStringLiteral("ﾏｳｽで選択したﾃｷｽﾄも記録する(&S)")), "captureSelectionCheck");
    // Side by side: the page must fit a screen 800 pixels high.
    auto *whatRow = new QHBoxLayout;
    whatRow->addWidget(moveDuplicatesCheck);
    whatRow->addWidget(captureSelectionCheck);
    whatRow->addStretch(1);
    sizeRows->addLayout(whatRow);
    ignoredProgramsEdit = named(new QPlainTextEdit, "ignoredProgramsEdit");
    ignoredProgramsEdit->setTabChangesFocus(true);
    ignoredProgramsEdit->setPlaceholderText(QStringLiteral("1行に1つ (ﾘｽﾄの項目にﾏｳｽを置くとｺﾋﾟｰ元が分かります)"));
    // Two lines tall, beside its label: the page has little room left, and the list scrolls.
    ignoredProgramsEdit->setFixedHeight(ignoredProgramsEdit->fontMetrics().lineSpacing() * 2
                                        + 2 * ignoredProgramsEdit->frameWidth() + 8);
    auto *ignoredRow = new QHBoxLayout;
    auto *ignoredLabel = buddyLabel(QStringLiteral("記録しないﾌﾟﾛｸﾞﾗﾑ(&I):"), ignoredProgramsEdit);
    ignoredLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ignoredRow->addWidget(ignoredLabel);
    ignoredRow->addWidget(ignoredProgramsEdit, 1);
    sizeRows->addLayout(ignoredRow);
    rows->addStretch(1);
    return page;
}

QWidget *SettingsDialog::buildTabs(QWidget *pages[PageCount])
{
    const QString words[PageCount] = {QStringLiteral("環境の設定"), QStringLiteral("ﾘｽﾄの既定値の設定"),
                                      QStringLiteral("ﾘｽﾄ別の設定"), QStringLiteral("ﾃｷｽﾄの設定"),
                                      QStringLiteral("ﾌｫｰｶｽ移動の設定"), QStringLiteral("その他の設定")};
    auto *rows = new QVBoxLayout(this);
    // One stop in the focus chain for all tabs; the arrow keys move through the pages.
    m_tabStrip = named(new QWidget, "pageTabs");
    m_tabStrip->setFocusPolicy(Qt::StrongFocus);
    m_tabStrip->installEventFilter(this);
    AccessibleRole::set(m_tabStrip, QAccessible::PageTabList);
    m_tabStrip->setAccessibleName(QStringLiteral("設定のﾍﾟｰｼﾞ"));
    auto *strip = new QHBoxLayout(m_tabStrip);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(2);
    for (int i = 0; i < PageCount; ++i) {
        m_tabs[i] = new QLabel;
        m_tabs[i]->setObjectName(QStringLiteral("tabBase%1").arg(i));
        m_tabs[i]->setFrameShape(QFrame::Panel);
        m_tabs[i]->setFrameShadow(QFrame::Raised);
        m_tabWords[i] = new QLabel(words[i]);
        m_tabWords[i]->setObjectName(QStringLiteral("tabWord%1").arg(i));
        m_tabWords[i]->setAlignment(Qt::AlignCenter);
        AccessibleRole::set(m_tabs[i], QAccessible::PageTab);
        m_tabs[i]->setAccessibleName(words[i]);
        auto *onTab = new QHBoxLayout(m_tabs[i]);
        onTab->setContentsMargins(8, 4, 8, 4);
        onTab->addWidget(m_tabWords[i]);
        // A label sizes itself by its own text; the caption lying on it must fit.
        m_tabs[i]->setMinimumSize(onTab->minimumSize());
        m_tabs[i]->setCursor(Qt::PointingHandCursor);
        // Designed as tabs not chosen; the selector colours the chosen one.
        m_tabs[i]->setAutoFillBackground(true);
        QPalette look = m_tabs[i]->palette();
        look.setColor(QPalette::Window, look.color(QPalette::Midlight));
        m_tabs[i]->setPalette(look);
        m_tabs[i]->installEventFilter(this);
        m_tabWords[i]->installEventFilter(this);
        strip->addWidget(m_tabs[i]);
    }
    rows->addWidget(m_tabStrip);
    m_message = named(new QLabel, "Message");
    rows->addWidget(m_message);

    // Every page in one place; the selector shows one at a time.
    auto *frames = new QWidget;
    auto *stack = new QGridLayout(frames);
    stack->setContentsMargins(0, 0, 0, 0);
    const char *frameNames[PageCount] = {"globalPage", "defaultsPage", "perListPage", "textPage", "edgePage", "morePage"};
    for (int i = 0; i < PageCount; ++i) {
        pages[i]->setObjectName(QString::fromLatin1(frameNames[i]));
        stack->addWidget(pages[i], 0, 0);
        pages[i]->hide();
        m_pages->registerControl(m_tabs[i], m_tabWords[i], pages[i]);
    }
    rows->addWidget(frames, 1);

    auto *buttons = new QHBoxLayout;
    applyToAllListsButton = named(new QPushButton(QStringLiteral("既定値を全てのﾘｽﾄに適用(&K)")), "applyToAllListsButton");
    buttons->addWidget(applyToAllListsButton);
    buttons->addStretch(1);
    auto *ok = named(new QPushButton(QStringLiteral("O.K.")), "OKButton");
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(named(new QPushButton(QStringLiteral("更新")), "RenewButton"));
    buttons->addWidget(named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ")), "CancelButton"));
    rows->addLayout(buttons);
    return frames;
}

void SettingsDialog::nameComboBoxParts()
{
    // A combo box is named by its value here and found by its label; the parts a screen reader
    // reaches inside it get the caption as their name.
    const QList<QLabel *> labels = findChildren<QLabel *>();
    for (QComboBox *box : findChildren<QComboBox *>()) {
        QString name = box->accessibleName();
        for (const QLabel *label : labels) {
            if (label->buddy() == box)
                name = label->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|:$")));
        }
        box->view()->setAccessibleName(name);
        if (box->lineEdit())
            box->lineEdit()->setAccessibleName(name);
    }
}
