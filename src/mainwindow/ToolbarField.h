// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

class ToolButton;

// The small raised field of further buttons a toolbar group opens below the strip. It only shows
// the buttons and reports clicks; the strip decides what they do.
class ToolbarField : public QWidget {
    Q_OBJECT
public:
    static constexpr int FieldHeight = 23;

    explicit ToolbarField(QWidget *parent);

    // Width of a field of n buttons.
    static int fieldWidth(int buttons) { return 4 + 20 * buttons; }

    // Builds the buttons, left to right, and shows the field with its top-left corner at the point.
    void showField(const QStringList &keys, const QStringList &toolTips, const QPoint &at);
    // Hides the field and lets its buttons go.
    void hideField();

    const QList<ToolButton *> &buttons() const { return m_buttons; }
    // The button whose frame shows, -1 for none.
    int hoveredButton() const { return m_hovered; }

signals:
    void buttonClicked(int index);
    // A click on the field between its buttons.
    void backgroundClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void hoverButton(int index);

    QList<ToolButton *> m_buttons;
    int m_hovered = -1;
};
