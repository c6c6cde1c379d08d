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

    QComboBox *ListNameSel = nullptr; // per-list page only
    QPushButton *ListFontChange = nullptr;
    QLabel *FontNamee = nullptr;
    QLabel *FontSizee = nullptr;
    ColourSample *SetColors[4] = {};
    QLineEdit *UpperNum = nullptr;

private:
    QString suffixed(const char *name) const;

    Kind m_kind;
    QLineEdit *FirstName = nullptr;
    QRadioButton *LetterExp[2] = {};
    QLineEdit *ExpLetter[2] = {};
    QCheckBox *LetterCount = nullptr;
    QCheckBox *MaxUpper = nullptr;
    QLineEdit *lineBreakMark = nullptr;
    QComboBox *WayAddSel = nullptr;
    QCheckBox *PosAddSel = nullptr;
    QComboBox *MovWaySel = nullptr;
};
