// SPDX-License-Identifier: GPL-3.0-or-later
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
class QKeySequenceEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class ColourDialog;
class FontDialog;
class PageSelector;

// The settings dialog: six pages over working copies of the global settings, the new-list
// defaults, every list's options and the extra settings; O.K. and 更新 validate the page shown
// and apply the copies.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The pages, in the order of their tabs.
    enum class Page : qint16 { Global, NewListDefaults, PerList, TextWindow, ScreenEdges, More };
    static constexpr int PageCount = int(Page::More) + 1;

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
    QWidget *buildMorePage();
    QWidget *buildTabs(QWidget *pages[PageCount]);
    // Names the drop-down lists and text boxes inside the combo boxes after the boxes' captions.
    void nameComboBoxParts();
    void connectHandlers();

    void changePage(qint16 before, qint16 index, qint16 &cancel);
    // The next page (step 1) or the previous one (-1), round the ends, as a click on its tab.
    void stepPage(int step);
    // The chosen tab's caption is underlined while the tabs have the focus.
    void markTabFocus();
    void fillControls();
    void showListPage(int index);
    Page shownPage() const;
    void clickPage(Page page);
    bool storePage(Page page);
    bool storeGlobalPage();
    bool storeDefaultsPage();
    bool storeListPage();
    bool storeTextPage();
    bool storeEdgePage();
    bool storeMorePage();
    bool applyAll();
    void applyDefaultsToAllLists();
    void listSelectionChanged(int index);
    void confirm(bool close);
    void pickColour(ColourSample *sample);
    void pickFont(QLabel *name, QLabel *size);
    void showFilePlace();
    void exampleIntervalTyped(const QString &text);
    void exampleTick();

    // Whole: the working copies load and apply every setting, of the program, the defaults and each list.
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
    QLabel *m_tabs[PageCount] = {};
    QLabel *m_tabWords[PageCount] = {};
    QWidget *m_tabStrip = nullptr;
    ListOptionsPage *m_defaults = nullptr;
    ListOptionsPage *m_perList = nullptr;
    QPushButton *applyToAllListsButton = nullptr;
    // Page 0
    QComboBox *intervalBox = nullptr;
    QLabel *intervalExample = nullptr;
    ColourSample *barColour = nullptr;
    QPushButton *barColourButton = nullptr;
    QButtonGroup *toolbarOpensGroup = nullptr;
    QCheckBox *addOptionsToAllListsCheck = nullptr;
    QCheckBox *addOptionsAsDefaultsCheck = nullptr;
    QButtonGroup *overflowGroup = nullptr;
    QCheckBox *warnOnOverflowCheck = nullptr;
    QCheckBox *splitCapturesCheck = nullptr;
    QRadioButton *splitAtLineBreaksRadio = nullptr;
    QRadioButton *splitAtStringRadio = nullptr;
    QLineEdit *splitStringEdit = nullptr;
    QCheckBox *richTextCheck = nullptr;
    QPushButton *settingsPlaceButton = nullptr;
    // Page 3
    QCheckBox *pauseCaptureCheck = nullptr;
    QLabel *textFontNameLabel = nullptr;
    QLabel *textFontSizeLabel = nullptr;
    QPushButton *textFontButton = nullptr;
    // Page 4
    QComboBox *edgeActionBoxes[4] = {}; // left, right, top, bottom
    QLineEdit *edgeZoneWidthEdit = nullptr;
    QLineEdit *edgeZoneHeightEdit = nullptr;
    QLabel *edgeZoneWidthMillimetres = nullptr;
    QLabel *edgeZoneHeightMillimetres = nullptr;
    // Page 5
    QCheckBox *keepHistoryCheck = nullptr;
    QCheckBox *startAtLoginCheck = nullptr;
    QCheckBox *hotkeyOnCheck = nullptr;
    QKeySequenceEdit *hotkeyEdit = nullptr;
    QCheckBox *pasteAfterPickCheck = nullptr;
    QCheckBox *keepWindowAfterPickCheck = nullptr;
    QCheckBox *moveDuplicatesCheck = nullptr;
    QCheckBox *captureSelectionCheck = nullptr;
    QPlainTextEdit *ignoredProgramsEdit = nullptr;
    QCheckBox *keepClipboardCheck = nullptr;
    QCheckBox *trayIconCheck = nullptr;
    QCheckBox *closeToTrayCheck = nullptr;
    QLineEdit *largestTextEdit = nullptr;
};
