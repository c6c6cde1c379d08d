// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/VersionWindow.h"

#include "model/ProgramTexts.h"
#include "model/ProgramVersion.h"
#include "platform/ProgramPictures.h"
#include "platform/StaysOnTop.h"

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
        setStaysOnTop(*this, true);

    iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(windowIcon().pixmap(32, 32));
    iconLabel->setAlignment(Qt::AlignTop);

    const QString texts[3] = {ProgramTexts::title() + QLatin1Char(' ') + QString::number(ProgramVersion::major) +
                                  QLatin1Char('.') + QString::number(ProgramVersion::minor),
                              ProgramVersion::legalNotice(), ProgramVersion::fileDescription()};
    auto *column = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        messageLabels[i] = new QLabel(texts[i], this);
        messageLabels[i]->setObjectName(QStringLiteral("messageLabels%1").arg(i));
        column->addWidget(messageLabels[i]);
        if (i == 1) {
            licenceLabel = new QLabel(ProgramVersion::licence(), this);
            licenceLabel->setObjectName(QStringLiteral("licenceLabel"));
            column->addWidget(licenceLabel);
        }
    }

    addressLabel = new QLabel(ProgramVersion::homePage(), this);
    addressLabel->setObjectName(QStringLiteral("Address"));
    addressLabel->setToolTip(QStringLiteral("作者ﾎｰﾑﾍﾟｰｼﾞへｱｸｾｽ"));
    addressLabel->setCursor(ProgramPictures::cursor(ProgramPictures::LinkCursor));
    QFont underlined = addressLabel->font();
    underlined.setUnderline(true);
    addressLabel->setFont(underlined);
    QPalette link = addressLabel->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    addressLabel->setPalette(link);
    addressLabel->installEventFilter(this);
    column->addWidget(addressLabel);

    okButton = new QPushButton(QStringLiteral("O.K."), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(iconLabel, 0, 0);
    grid->addLayout(column, 0, 1);
    grid->addWidget(okButton, 1, 0, 1, 2, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

bool VersionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == addressLabel && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openAddress();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void VersionWindow::openAddress()
{
    QPalette visited = addressLabel->palette();
    visited.setColor(QPalette::WindowText, QColor::fromRgb(visitedColour));
    addressLabel->setPalette(visited);
    QDesktopServices::openUrl(QUrl(addressLabel->text()));
}
