#include "TestProgram.h"

#include "DesktopRecorder.h"

#include "mainwindow/MainCommands.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/QKPRbase.h"
#include "model/ListExControl.h"
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

QAction *TestProgram::command(const char *name) const
{
    return root.commands().action(QString::fromLatin1(name));
}
