// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/NamingDialog.h"

#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "platform/FontTextWidth.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int DialogWidth = 260;
constexpr int DialogHeight = 80;

QColor fromColourRef(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}
} // namespace

NamingDialog::NamingDialog(ListCollection &lists, QWidget &mainWindow, NameDialogSettings &settings)
    : SideWindow(mainWindow, Qt::Tool | Qt::FramelessWindowHint), m_lists(lists), m_settings(settings)
{
    setObjectName(QStringLiteral("NamingDialog"));
    setFixedSize(DialogWidth, DialogHeight);
    setMouseTracking(true);

    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setGeometry(1, 1, DialogWidth - 2, 20);
    titleLabel->setAutoFillBackground(true);
    // The title is fitted to the strip's whole width, so it starts at the strip's left edge.
    titleLabel->setIndent(0);
    QPalette strip = titleLabel->palette();
    strip.setColor(QPalette::Window, strip.color(QPalette::Active, QPalette::Highlight));
    strip.setColor(QPalette::WindowText, strip.color(QPalette::Active, QPalette::HighlightedText));
    titleLabel->setPalette(strip);

    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setGeometry(72, 27, DialogWidth - 80, 22);
    nameLabel = new QLabel(QStringLiteral("名前(&M):"), this);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    nameLabel->setGeometry(8, 27, 62, 22);
    nameLabel->setBuddy(nameEdit);
    connect(nameEdit, &QLineEdit::returnPressed, this, &NamingDialog::accept);

    const QString captions[2] = {QStringLiteral("O.K."), QStringLiteral("ｷｬﾝｾﾙ")};
    for (int index = 0; index < 2; ++index) {
        auto *button = new QLabel(captions[index], this);
        button->setObjectName(QStringLiteral("buttonLabels%1").arg(index));
        button->setAlignment(Qt::AlignCenter);
        button->setAutoFillBackground(true);
        button->setFrameShape(QFrame::Box);
        button->setGeometry(DialogWidth - 148 + index * 72, 54, 64, 20);
        buttonLabels[index] = button;
    }
    for (QWidget *part : {static_cast<QWidget *>(titleLabel), static_cast<QWidget *>(nameLabel),
                          static_cast<QWidget *>(nameEdit), static_cast<QWidget *>(buttonLabels[0]),
                          static_cast<QWidget *>(buttonLabels[1])}) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }
}

QString NamingDialog::fitCaption(const QString &text, double width, const TextWidth &meter)
{
    const double dots = meter.textWidth(u"...");
    double prefix = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        prefix += meter.textWidth(QStringView(text).mid(i - 1, 1));
        if (prefix + dots > width) {
            qsizetype keep = i - 1;
            // Never half of a surrogate pair.
            if (keep > 0 && text.at(keep - 1).isHighSurrogate())
                --keep;
            return text.left(keep) + QStringLiteral("...");
        }
    }
    return text;
}

void NamingDialog::showName()
{
    placeBesideMain(QPoint(m_settings.offsetX, m_settings.offsetY), size());
    FontTextWidth meter;
    meter.setFont(titleLabel->font());
    titleLabel->setText(fitCaption(title, titleLabel->width(), meter));
    paintButton(0, ButtonColour);
    paintButton(1, ButtonColour);
    m_hoverOn = false;
    nameEdit->setText(name);
    nameEdit->selectAll();
    nameEdit->setFocus();
    accepted = false;
    m_ended = false;
    showActive();
}

void NamingDialog::endNaming()
{
    if (accepted) {
        if (target == ForList) {
            m_lists.renameList(list, name);
            m_lists.numberSameNames(list);
        } else if (target == ForItem) {
            ListItems &items = m_lists.at(list).items();
            if (name.isEmpty())
                items.removeItemName(row);
            else
                items.nameItem(row, name);
        }
    }
    name.clear();
    title.clear();
    m_ended = true;
}

void NamingDialog::accept()
{
    if (m_ended)
        return;
    name = nameEdit->text();
    accepted = true;
    endNaming();
    close();
}

void NamingDialog::cancel()
{
    if (m_ended)
        return;
    accepted = false;
    endNaming();
    close();
}

void NamingDialog::deactivated(bool mayClose)
{
    if (mayClose)
        cancel();
}

void NamingDialog::closeEvent(QCloseEvent *event)
{
    // Closed by the window manager or the end of the program: nothing is named.
    if (!m_ended) {
        accepted = false;
        endNaming();
    }
    event->accept();
}

void NamingDialog::paintButton(int index, quint32 colour)
{
    QPalette palette = buttonLabels[index]->palette();
    palette.setColor(QPalette::Window, fromColourRef(colour));
    palette.setColor(QPalette::WindowText, Qt::black);
    buttonLabels[index]->setPalette(palette);
}

void NamingDialog::hover(int index)
{
    if (m_hoverOn && m_hoverIndex == index)
        return;
    if (m_hoverOn)
        paintButton(m_hoverIndex, ButtonColour);
    if (index < 0) {
        m_hoverOn = false;
        return;
    }
    paintButton(index, HoverColour);
    m_hoverOn = true;
    m_hoverIndex = index;
}

void NamingDialog::startDrag(const QPoint &globalPos)
{
    m_dragOn = true;
    m_dragOffset = globalPos - frameGeometry().topLeft();
}

void NamingDialog::dragTo(const QPoint &globalPos)
{
    if (m_dragOn)
        move(globalPos - m_dragOffset);
}

void NamingDialog::endDrag(const QPoint &globalPos)
{
    if (!m_dragOn)
        return;
    m_dragOn = false;
    const QPoint offset = globalPos - m_dragOffset - mainWindow().frameGeometry().topLeft();
    m_settings.offsetX = offset.x();
    m_settings.offsetY = offset.y();
}

bool NamingDialog::eventFilter(QObject *watched, QEvent *event)
{
    const int button = watched == buttonLabels[0] ? 0 : watched == buttonLabels[1] ? 1 : -1;
    const bool draggable = watched == titleLabel || watched == nameLabel;
    // The labels' mouse events end here: passed on, the dialog would take them for its background.
    const bool label = watched != nameEdit;
    switch (event->type()) {
    case QEvent::Enter:
        hover(button);
        break;
    case QEvent::MouseMove:
        hover(button);
        if (draggable)
            dragTo(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return label;
    case QEvent::MouseButtonPress:
        if (draggable)
            startDrag(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return label;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (draggable)
            endDrag(mouse->globalPosition().toPoint());
        if (button >= 0 && mouse->button() == Qt::LeftButton &&
            buttonLabels[button]->rect().contains(mouse->position().toPoint())) {
            if (button == 0)
                accept();
            else
                cancel();
        }
        return label;
    }
    default: break;
    }
    return SideWindow::eventFilter(watched, event);
}

void NamingDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cancel();
    else
        SideWindow::keyPressEvent(event);
}

void NamingDialog::mousePressEvent(QMouseEvent *event)
{
    startDrag(event->globalPosition().toPoint());
}

void NamingDialog::mouseMoveEvent(QMouseEvent *event)
{
    hover(-1);
    dragTo(event->globalPosition().toPoint());
}

void NamingDialog::mouseReleaseEvent(QMouseEvent *event)
{
    endDrag(event->globalPosition().toPoint());
}

void NamingDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
