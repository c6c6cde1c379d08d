// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ColourSample;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SettingsValidator;
struct ListOptionsCopy;

// The options of a list, for the new-list defaults (with the list-name box) or for one existing
// list (with the list selector instead). The controls carry the suffix Pr on the per-list page.
class ListOptionsPage : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Defaults, PerList };

    ListOptionsPage(Kind kind, QWidget *parent = nullptr);

    void fill(const ListOptionsCopy &options);
    // Validates every box and, when all pass, stores the page into options.
    bool store(ListOptionsCopy &options, SettingsValidator &check);

    QComboBox *listSelector = nullptr; // per-list page only
    QPushButton *fontButton = nullptr;
    QLabel *fontNameLabel = nullptr;
    QLabel *fontSizeLabel = nullptr;
    ColourSample *colourSamples[4] = {};
    QLineEdit *itemLimitEdit = nullptr;

private:
    QString suffixed(const char *name) const;

    Kind m_kind;
    QLineEdit *nameEdit = nullptr;
    QRadioButton *captionModeRadios[2] = {};
    QLineEdit *captionSizeEdits[2] = {};
    QCheckBox *showLengthCheck = nullptr;
    QCheckBox *largestLimitCheck = nullptr;
    QLineEdit *lineBreakMarkEdit = nullptr;
    QComboBox *addDirectionBox = nullptr;
    QCheckBox *addAtFocusCheck = nullptr;
    QComboBox *focusModeBox = nullptr;
};
