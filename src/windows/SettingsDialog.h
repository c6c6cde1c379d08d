#pragma once

#include "model/SettingsWorkCopies.h"
#include "windows/SettingsValidator.h"

#include <QDialog>
#include <QTimer>

class ColourSample;
class ListOptionsPage;
class MessageBoxPort;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class ProgramState;
class MainWindow;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ColourDialog;
class FontDialog;
class PageSelector;

// The settings dialog: five pages over working copies of the global settings, the new-list
// defaults and every list's options; O.K. and 更新 validate the page shown and apply the copies.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(ProgramState &state, MainWindow &main, MessageBoxPort &messages, FontDialog &fonts,
                ColourDialog &colours, QWidget *parent = nullptr);
    ~SettingsDialog() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Runs one event handler; an unexpected failure is reported and the copies are put back.
    template <typename Handler>
    void guarded(Handler &&handler);
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender *sender, Signal signal, Handler handler);

    QWidget *buildGlobalPage();
    QWidget *buildTextPage();
    QWidget *buildMovePage();
    QWidget *buildTabs(QWidget *pages[5]);
    void connectHandlers();

    void inSelUtil_ChangedIndex(qint16 Before, qint16 Index, qint16 &Cancel);
    void fillControls();
    void showListPage(int index);
    bool storePage(int index);
    bool storeGlobalPage();
    bool storeDefaultsPage();
    bool storeListPage();
    bool storeTextPage();
    bool storeEdgePage();
    bool applyAll();
    void applyDefaultsToAllLists();
    void listSelectionChanged(int index);
    void confirm(bool close);
    void pickColour(ColourSample *sample);
    void pickFont(QLabel *name, QLabel *size);
    void showFilePlace();
    void exampleIntervalTyped(const QString &text);
    void exampleTick();

    ProgramState &m_state;
    MainWindow &m_main;
    MessageBoxPort &m_messages;
    FontDialog &m_fonts;
    ColourDialog &m_colours;
    SettingsValidator m_check;
    PageSelector *m_pages;
    SettingsWorkCopies m_work;
    int m_listIndex = -1;
    bool m_exampleLit = false;
    bool m_revertingList = false;
    QTimer m_example;

    QLabel *m_message = nullptr;
    QLabel *m_tabs[5] = {};
    QLabel *m_tabWords[5] = {};
    ListOptionsPage *m_defaults = nullptr;
    ListOptionsPage *m_perList = nullptr;
    QPushButton *AllRenew = nullptr;
    // Page 0
    QComboBox *TimerSel = nullptr;
    QLabel *TIvlExample = nullptr;
    ColourSample *barColour = nullptr;
    QPushButton *BarColor = nullptr;
    QButtonGroup *MouseAction = nullptr;
    QCheckBox *AddModeCheck = nullptr;
    QCheckBox *GroAddSave = nullptr;
    QButtonGroup *MoveUpper = nullptr;
    QCheckBox *MoveError = nullptr;
    QCheckBox *ReturnIMake = nullptr;
    QRadioButton *splitCaptures = nullptr;
    QRadioButton *splitString = nullptr;
    QLineEdit *RetterReturnUt = nullptr;
    QCheckBox *HTMLReNize = nullptr;
    QPushButton *FilePosCmd = nullptr;
    // Page 3
    QCheckBox *TimerSG = nullptr;
    QLabel *TextFontName = nullptr;
    QLabel *TextFontSize = nullptr;
    QPushButton *TextFontChange = nullptr;
    // Page 4
    QComboBox *MoveWay[4] = {}; // left, right, top, bottom
    QLineEdit *AMHInterval = nullptr;
    QLineEdit *AMVInterval = nullptr;
    QLabel *AMHmm = nullptr;
    QLabel *AMVmm = nullptr;
};
