#include "windows/QKPRldata.h"

#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "storage/ListFigures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString entryText(const QString &prefix, const ListOb &list)
{
    QString text = prefix + list.loName;
    if (list.loNameEx != 0)
        text += QLatin1Char('(') + QString::number(list.loNameEx) + QLatin1Char(')');
    return text;
}
} // namespace

QKPRldata::QKPRldata(QKPRGrobal &grobal, QWidget &mainWindow, ListDataDialogSettings &settings)
    : SideWindow(mainWindow, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), m_grobal(grobal), m_settings(settings)
{
    setObjectName(QStringLiteral("QKPRldata"));
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
    connect(NameOfList, &QComboBox::activated, this, &QKPRldata::showFigures);
    connect(ldOK, &QPushButton::clicked, this, &QWidget::close);
}

void QKPRldata::ShowListData()
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

void QKPRldata::buildEntries()
{
    ListExControl &panes = m_grobal.listExControl();
    ListControl &lists = m_grobal.listControl();
    QStringList entries;
    listMap.clear();
    focusEntry = 0;
    for (qint16 position = 0; position < panes.UBEx(); ++position) {
        const qint16 pane = panes.lecEx(position);
        const qint16 list = m_grobal.getOLx(pane);
        entries.append(entryText(QStringLiteral("[表示]-"), lists.lcListOb(list)));
        listMap.append(list);
        if (pane == panes.lecListFocus())
            focusEntry = position;
    }
    if (lists.UB() - panes.UBEx() >= 1) {
        const QList<qint16> shown = listMap;
        for (qint16 list = 0; list < lists.UB(); ++list) {
            if (shown.contains(list))
                continue;
            entries.append(entryText(QStringLiteral("[非表示]-"), lists.lcListOb(list)));
            listMap.append(list);
        }
    }
    NameOfList->clear();
    NameOfList->addItems(entries);
}

void QKPRldata::showFigures(int entry)
{
    if (entry < 0 || entry >= listMap.size())
        return;
    ListOb &list = m_grobal.listControl().lcListOb(listMap.at(entry));
    SaveAds->setText(list.fiName.isEmpty() ? QStringLiteral("(なし)") : list.fiName);
    const ListFigures figures = ListFigures::of(list.loItemControl());
    ExListCount->setText(QString::number(figures.items) + QStringLiteral(" 個"));
    ExListLen->setText(ListFigures::withCommas(figures.characters) + QStringLiteral(" 文字"));
    ExListByte->setText(ListFigures::withCommas(figures.bytes) + QStringLiteral(" ﾊﾞｲﾄ"));
}

void QKPRldata::storePlacement()
{
    storeOffset(m_settings);
}

void QKPRldata::deactivated(bool mayClose)
{
    if (mayClose)
        close();
}

void QKPRldata::closeEvent(QCloseEvent *event)
{
    storePlacement();
    listMap.clear();
    event->accept();
}
