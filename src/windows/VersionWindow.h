// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The modal version box: the program's icon, name and version, its legal notice and description,
// and a link that opens the home page with the desktop's handler.
class VersionWindow : public QDialog {
    Q_OBJECT
public:
    // The box stays above other windows while the main window does (onTop).
    VersionWindow(QWidget *mainWindow, bool onTop);

    QLabel *iconLabel;
    QLabel *messageLabels[3];
    // Under the legal notice.
    QLabel *licenceLabel;
    QLabel *addressLabel;
    QPushButton *okButton;

    // The link's colour once clicked, kept until the box closes.
    static constexpr QRgb visitedColour = 0xC000C0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openAddress();
};
