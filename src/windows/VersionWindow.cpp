#include "windows/VersionWindow.h"

#include "model/ProgramTexts.h"
#include "model/ProgramVersion.h"
#include "platform/ProgramPictures.h"
#include "platform/SetTopMost.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

VersionWindow::VersionWindow(QWidget *mainWindow, bool onTop) : QDialog(mainWindow)
{
    setObjectName(QStringLiteral("VersionWindow"));
    // A fixed border: no resizing, no help button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QIcon icon = mainWindow ? mainWindow->windowIcon() : QIcon();
    setWindowIcon(icon.isNull() ? QIcon(QStringLiteral(":/icons/quillkeeper.png")) : icon);
    setWindowTitle(ProgramTexts::title() + QStringLiteral(" ﾊﾞｰｼﾞｮﾝ情報"));
    if (onTop)
        SetTopMost(*this, true);

    BaseIcon = new QLabel(this);
    BaseIcon->setObjectName(QStringLiteral("BaseIcon"));
    BaseIcon->setPixmap(windowIcon().pixmap(32, 32));
    BaseIcon->setAlignment(Qt::AlignTop);

    const QString texts[3] = {ProgramTexts::title() + QLatin1Char(' ') + QString::number(ProgramVersion::major) +
                                  QLatin1Char('.') + QString::number(ProgramVersion::minor),
                              ProgramVersion::legalNotice(), ProgramVersion::fileDescription()};
    auto *column = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        Mess[i] = new QLabel(texts[i], this);
        Mess[i]->setObjectName(QStringLiteral("Mess%1").arg(i));
        column->addWidget(Mess[i]);
    }

    Address = new QLabel(ProgramVersion::homePage(), this);
    Address->setObjectName(QStringLiteral("Address"));
    Address->setToolTip(QStringLiteral("作者ﾎｰﾑﾍﾟｰｼﾞへｱｸｾｽ"));
    Address->setCursor(ProgramPictures::cursor(ProgramPictures::LinkCursor));
    QFont underlined = Address->font();
    underlined.setUnderline(true);
    Address->setFont(underlined);
    QPalette link = Address->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    Address->setPalette(link);
    Address->installEventFilter(this);
    column->addWidget(Address);

    Command1 = new QPushButton(QStringLiteral("O.K."), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(BaseIcon, 0, 0);
    grid->addLayout(column, 0, 1);
    grid->addWidget(Command1, 1, 0, 1, 2, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

bool VersionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Address && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openAddress();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void VersionWindow::openAddress()
{
    QPalette visited = Address->palette();
    visited.setColor(QPalette::WindowText, QColor::fromRgb(visitedColour));
    Address->setPalette(visited);
    QDesktopServices::openUrl(QUrl(Address->text()));
}
