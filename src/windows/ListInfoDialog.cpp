// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ListInfoDialog.h"

#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "storage/ListFigures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString entryText(const QString &prefix, const ListRecord &list)
{
    QString text = prefix + list.name;
    if (list.sameNameNumber != 0)
        text += QLatin1Char('(') + QString::number(list.sameNameNumber) + QLatin1Char(')');
    return text;
}
} // namespace

ListInfoDialog::ListInfoDialog(ListCollection &lists, ListDisplay &display, QWidget &mainWindow,
                               ListDataDialogSettings &settings)
    : SideWindow(mainWindow, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), m_lists(lists), m_display(display),
      m_settings(settings)
{
    setObjectName(QStringLiteral("ListInfoDialog"));
    setWindowTitle(QStringLiteral("ﾘｽﾄ詳細情報"));
    auto *grid = new QGridLayout(this);
    auto named = [](QWidget *widget, const char *name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    listSelector = new QComboBox(this);
    named(listSelector, "listSelector");
    auto *nameLabel = new QLabel(QStringLiteral("ﾘｽﾄ名(&M):"), this);
    nameLabel->setBuddy(listSelector);
    fileNameEdit = new QLineEdit(this);
    named(fileNameEdit, "fileNameEdit");
    fileNameEdit->setReadOnly(true);
    auto *saveLabel = new QLabel(QStringLiteral("ﾘｽﾄ保存場所(&A):"), this);
    saveLabel->setBuddy(fileNameEdit);
    itemCountLabel = new QLabel(this);
    characterCountLabel = new QLabel(this);
    byteCountLabel = new QLabel(this);
    named(itemCountLabel, "itemCountLabel");
    named(characterCountLabel, "characterCountLabel");
    named(byteCountLabel, "byteCountLabel");
    for (QLabel *figure : {itemCountLabel, characterCountLabel, byteCountLabel}) {
        figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    okButton = new QPushButton(QStringLiteral("O.K."), this);
    named(okButton, "okButton");
    okButton->setDefault(true);
    grid->addWidget(nameLabel, 0, 0, 1, 2);
    grid->addWidget(listSelector, 1, 0, 1, 2);
    grid->addWidget(saveLabel, 2, 0, 1, 2);
    grid->addWidget(fileNameEdit, 3, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("項目数:"), this), 4, 0);
    grid->addWidget(itemCountLabel, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("全文字数:"), this), 5, 0);
    grid->addWidget(characterCountLabel, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("ﾊﾞｲﾄ数:"), this), 6, 0);
    grid->addWidget(byteCountLabel, 6, 1);
    grid->addWidget(okButton, 7, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    listSelector->setMinimumWidth(220);
    connect(listSelector, &QComboBox::activated, this, &ListInfoDialog::showFigures);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
}

void ListInfoDialog::showListData()
{
    buildEntries();
    listSelector->setCurrentIndex(m_focusEntry);
    showFigures(m_focusEntry);
    if (isVisible()) {
        activateWindow();
        return;
    }
    adjustSize();
    placeBesideMain(QPoint(m_settings.offsetX, m_settings.offsetY));
    showActive();
}

void ListInfoDialog::buildEntries()
{
    QStringList entries;
    m_listNumbers.clear();
    m_focusEntry = 0;
    for (qint16 position = 0; position < m_display.paneCount(); ++position) {
        const PaneNumber pane = m_display.paneAtPosition(position);
        const ListNumber list = m_display.listOfPane(pane);
        entries.append(entryText(QStringLiteral("[表示]-"), m_lists.at(list)));
        m_listNumbers.append(list);
        if (pane == m_display.focusedPane())
            m_focusEntry = position;
    }
    if (m_lists.count() - m_display.paneCount() >= 1) {
        const QList<ListNumber> shown = m_listNumbers;
        for (ListNumber list{0}; list < m_lists.count(); ++list) {
            if (shown.contains(list))
                continue;
            entries.append(entryText(QStringLiteral("[非表示]-"), m_lists.at(list)));
            m_listNumbers.append(list);
        }
    }
    listSelector->clear();
    listSelector->addItems(entries);
}

void ListInfoDialog::showFigures(int entry)
{
    if (entry < 0 || entry >= m_listNumbers.size())
        return;
    ListRecord &list = m_lists.at(m_listNumbers.at(entry));
    fileNameEdit->setText(list.fileName.isEmpty() ? QStringLiteral("(なし)") : list.fileName);
    const ListFigures figures = ListFigures::of(list.items());
    itemCountLabel->setText(QString::number(figures.items) + QStringLiteral(" 個"));
    characterCountLabel->setText(ListFigures::withCommas(figures.characters) + QStringLiteral(" 文字"));
    byteCountLabel->setText(ListFigures::withCommas(figures.bytes) + QStringLiteral(" ﾊﾞｲﾄ"));
}

void ListInfoDialog::storePlacement()
{
    storeOffset(m_settings);
}

void ListInfoDialog::deactivated(bool mayClose)
{
    if (mayClose)
        close();
}

void ListInfoDialog::closeEvent(QCloseEvent *event)
{
    storePlacement();
    m_listNumbers.clear();
    event->accept();
}
