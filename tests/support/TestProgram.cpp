#include "TestProgram.h"

#include "DesktopRecorder.h"

#include "mainwindow/MainCommands.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/QKPRbase.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListExOb.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"

#include <QAction>

TestProgram::TestProgram(ClipboardPort *realClipboard)
    : root(ProgramSeams{realClipboard ? *realClipboard : clipboard, messages, fileDialogs, &fontColourDialogs})
{
    DesktopRecorder::install();
}

TestProgram::~TestProgram() = default;

void TestProgram::start(const QStringList &files, const QString &settingsPath)
{
    window().setSettingsPath(settingsPath);
    window().loadForm(files);
    window().show();
}

ClipList *TestProgram::listAt(int position) const
{
    return root.panes().clipListWidget(grobal().listExControl().lecEx(qint16(position)));
}

void TestProgram::fill(int position, const QString &letters)
{
    ListExControl &panes = grobal().listExControl();
    const qint16 pane = panes.lecEx(qint16(position));
    ItemControl &items = grobal().listControl().lcListOb(panes.lecListOb(pane).leoListOb).loItemControl();
    // New items go to the top.
    for (auto letter = letters.crbegin(); letter != letters.crend(); ++letter)
        items.icMakeItem(pane, QString(*letter));
}

QString TestProgram::rows(int position) const
{
    ListExControl &panes = grobal().listExControl();
    ItemControl &items =
        grobal().listControl().lcListOb(panes.lecListOb(panes.lecEx(qint16(position))).leoListOb).loItemControl();
    QString words;
    for (qint16 row = 0; row < items.UBic(); ++row)
        words += items.icItemOb(items.prooIx(row)).ioWords;
    return words;
}

QAction *TestProgram::command(const char *name) const
{
    return root.commands().action(QString::fromLatin1(name));
}
