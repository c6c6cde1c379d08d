// StarterEnder: the program's entry.
#include "app/QKPRGrobal.h"
#include "mainwindow/QKPRbase.h"
#include "platform/FontSetup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuillKeeper"));
    QApplication::setOrganizationName(QStringLiteral("QuillKeeper"));
    FontSetup::mapStoredFontNames();

    QKPRGrobal &grobal = QKPRGrobal::instance();
    grobal.CrLf = QStringLiteral("\r\n");

    QKPRbase window(grobal);
    window.loadForm();
    window.show();
    return app.exec();
}
