#include "windows/ListInfoDialog.h"

#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ClipList.h"
#include "model/ProgramState.h"
#include "storage/ListFigures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString entryText(const QString &prefix, const ClipList &list)
{
    QString text = prefix + list.name;
    if (list.sameNameNumber != 0)
        text += QLatin1Char('(') + QString::number(list.sameNameNumber) + QLatin1Char(')');
    return text;
}
} // namespace

ListInfoDialog::ListInfoDialog(ProgramState &state, QWidget &mainWindow, ListDataDialogSettings &settings)
    : SideWindow(mainWindow, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), m_state(state), m_settings(settings)
{
    setObjectName(QStringLiteral("ListInfoDialog"));
    setWindowTitle(QStringLiteral("ﾘｽﾄ詳細情報"));
    auto *grid = new QGridLayout(this);
    auto named = [](QWidget *widget, const char *name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    NameOfList = new QComboBox(this);
    named(NameOfList, "NameOfList");
    auto *nameLabel = new QLabel(QStringLiteral("ﾘｽﾄ名(&M):"), this);
    nameLabel->setBuddy(NameOfList);
    SaveAds = new QLineEdit(this);
    named(SaveAds, "SaveAds");
    SaveAds->setReadOnly(true);
    auto *saveLabel = new QLabel(QStringLiteral("ﾘｽﾄ保存場所(&A):"), this);
    saveLabel->setBuddy(SaveAds);
    ExListCount = new QLabel(this);
    ExListLen = new QLabel(this);
    ExListByte = new QLabel(this);
    named(ExListCount, "ExListCount");
    named(ExListLen, "ExListLen");
    named(ExListByte, "ExListByte");
    for (QLabel *figure : {ExListCount, ExListLen, ExListByte}) {
        figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    ldOK = new QPushButton(QStringLiteral("O.K."), this);
    named(ldOK, "ldOK");
    ldOK->setDefault(true);
    grid->addWidget(nameLabel, 0, 0, 1, 2);
    grid->addWidget(NameOfList, 1, 0, 1, 2);
    grid->addWidget(saveLabel, 2, 0, 1, 2);
    grid->addWidget(SaveAds, 3, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("項目数:"), this), 4, 0);
    grid->addWidget(ExListCount, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("全文字数:"), this), 5, 0);
    grid->addWidget(ExListLen, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("ﾊﾞｲﾄ数:"), this), 6, 0);
    grid->addWidget(ExListByte, 6, 1);
    grid->addWidget(ldOK, 7, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    NameOfList->setMinimumWidth(220);
    connect(NameOfList, &QComboBox::activated, this, &ListInfoDialog::showFigures);
    connect(ldOK, &QPushButton::clicked, this, &QWidget::close);
}

void ListInfoDialog::showListData()
{
    buildEntries();
    NameOfList->setCurrentIndex(focusEntry);
    showFigures(focusEntry);
    if (isVisible()) {
        activateWindow();
        return;
    }
    adjustSize();
    placeBesideMain(QPoint(m_settings.NowPosX, m_settings.NowPosY));
    showActive();
}

void ListInfoDialog::buildEntries()
{
    ListDisplay &panes = m_state.display();
    ListCollection &lists = m_state.lists();
    QStringList entries;
    listMap.clear();
    focusEntry = 0;
    for (qint16 position = 0; position < panes.paneCount(); ++position) {
        const qint16 pane = panes.paneAtPosition(position);
        const qint16 list = m_state.listOfPane(pane);
        entries.append(entryText(QStringLiteral("[表示]-"), lists.at(list)));
        listMap.append(list);
        if (pane == panes.focusedPane())
            focusEntry = position;
    }
    if (lists.count() - panes.paneCount() >= 1) {
        const QList<qint16> shown = listMap;
        for (qint16 list = 0; list < lists.count(); ++list) {
            if (shown.contains(list))
                continue;
            entries.append(entryText(QStringLiteral("[非表示]-"), lists.at(list)));
            listMap.append(list);
        }
    }
    NameOfList->clear();
    NameOfList->addItems(entries);
}

void ListInfoDialog::showFigures(int entry)
{
    if (entry < 0 || entry >= listMap.size())
        return;
    ClipList &list = m_state.lists().at(listMap.at(entry));
    SaveAds->setText(list.fileName.isEmpty() ? QStringLiteral("(なし)") : list.fileName);
    const ListFigures figures = ListFigures::of(list.items());
    ExListCount->setText(QString::number(figures.items) + QStringLiteral(" 個"));
    ExListLen->setText(ListFigures::withCommas(figures.characters) + QStringLiteral(" 文字"));
    ExListByte->setText(ListFigures::withCommas(figures.bytes) + QStringLiteral(" ﾊﾞｲﾄ"));
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
    listMap.clear();
    event->accept();
}
