#pragma once

#include "windows/SideWindow.h"

class ClipboardWatcher;
class MessageBoxPort;
class QAction;
class ProgramState;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
struct TextHandOff;
struct TextWindowSettings;

// Shows the whole text of one item, lets the user edit and save it or divide the item in two.
// It closes when it loses activation unless locked, and can stop capture while it is active, so
// text copied out of it is not taken as a new item. What it shows is in the hand-off fields,
// which the main window fills before showText or ReNew.
class TextWindow : public SideWindow {
    Q_OBJECT
public:
    // The most characters a box holds (a line break counts two, as the item keeps it).
    static constexpr int MaxChars = 16384;

    TextWindow(ProgramState &state, ClipboardWatcher &watcher, MessageBoxPort &messages, QWidget &mainWindow,
             TextWindowSettings &settings);

    void showText();
    // Shows the item the hand-off fields point at now, dropping any edit.
    void ReNew();
    void renew();
    void endText();
    void saveText();
    void divideText(const QString &Texti, const QString &Textii);
    // The capture switch as the window's menu shows it.
    void setCapturingCaption(bool capturing);
    // Remembers the placement in the settings, while the window is shown.
    void storePlacement();

protected:
    void activated() override;
    void deactivated(bool mayClose) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void loadForm();
    QPlainTextEdit *visibleBox() const;
    void putText(int index, const QString &text);
    bool showsPart() const;
    QString withUnshown(QString shown) const;
    void keepUnshown(const QString &text, qsizetype shownLength);
    void boxChanged();
    void showErrorMess(const QString &text);
    void hideErrorMess();
    void showCaption();
    void switchScrollMode(int mode);
    void saveCommand();
    void saveEdits();
    void divideCommand();
    void lockCommand();
    void toggleCapture();
    void watcherRuleBack();
    void selectAll();

    ProgramState &m_state;
    TextHandOff &m_hand;
    ClipboardWatcher &m_watcher;
    MessageBoxPort &m_messages;
    TextWindowSettings &m_settings;

    QMenuBar *m_menuBar;
    QMenu *Menunu;
    QAction *Cutnu;
    QAction *Savenu;
    QAction *Closenu;
    QMenu *Expressnu;
    QAction *Locknu;
    QAction *Verticalnu;
    QAction *Bothnu;
    QAction *StopGonu;
    QPlainTextEdit *Texttxt[2];
    QLabel *ErrorMess;

    bool textChanged = false;
    bool textReady = false;
    bool closeByDeactivate = false;
    bool textDivided = false;
    bool stopGoAtActivate = false;
    bool stopGoRecorded = false;
    bool errorShown = false;
    int caretAfterKey = 0;
    // The text the box was filled from and where in it the part the box does not show begins;
    // what typing pushed out of a full box comes before that part. Saving and dividing keep it.
    QString m_filledText;
    qsizetype m_unshownFrom = 0;
    QString m_pushedOut;
};
