// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ClipboardWatcher;
class MainWindow;
class QLabel;
struct MiniWindowSettings;

// The program's minimised form: a small borderless strip, always on top, that stands in for the
// hidden main window. It carries the capture switch, the restore button and the copy-recognition
// lamp, and can be dragged anywhere. Closing it other than by restoring ends the program.
class MiniWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int StripHeight = 32;
    static constexpr QRgb LampOff = 0xE0E0E0;
    static constexpr QRgb LampOn = 0x0000FF;

    // settings are the strip's remembered values, read and written with the settings file.
    MiniWindow(MainWindow &main, ClipboardWatcher &watcher, MiniWindowSettings &settings);

    // Hides the main window and shows the strip: under the mouse when byMouse, else centred
    // on the main window; back where it was after a restore the desktop had to correct. Without
    // activate the focus stays where it is.
    void showInPlaceOfMain(bool byMouse, bool activate = true);
    // Puts the main window back, placed from the cursor position given, and sets left and top to
    // where it went.
    void restoreMain(qint32 &left, qint32 &top);
    // Whatever form the program is in (this strip, minimised, hidden), puts the main window up,
    // raised and active.
    void bringBackMain();
    void lightLamp();
    void dimLamp();
    // A tick of the watcher: the lamp lights on a capture and goes out on the next tick without.
    void clipboardLooked(bool captured);

    bool miniShown() const { return m_shown; }
    bool lampLit() const { return m_lampLit; }
    bool restoreFitted() const { return m_restoreFitted; }

    // Stop/go (0) and restore (1).
    QLabel *buttonImages[2];
    QLabel *lamp;
    QLabel *topBar;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Puts the main window back and hides the strip: under the mouse when byMouse, else centred on the strip.
    void restore(bool byMouse);
    // Clears the strip's hover and press and puts it where it is to show.
    void placeStrip();
    void toggleCapture();
    void showCaptureState();
    int toolAt(const QPoint &pos) const;
    void hover(int tool);

    MainWindow &m_main;
    ClipboardWatcher &m_watcher;
    MiniWindowSettings &m_settings;
    bool m_shown = false;
    bool m_lampLit = false;
    bool m_underMouse = false;
    bool m_backAtRestorePlace = false;
    bool m_restoreFitted = false;
    // Where the strip stood when the main window came back: it returns there when the main
    // window is still where the strip put it.
    qint32 m_leftAtRestore = 0;
    qint32 m_topAtRestore = 0;
    int m_hoverTool = -1;
    int m_pressedTool = -1;
    bool m_dragOn = false;
    QPoint m_dragOff;
    QPoint m_pressPlace;
};
