#include "windows/NamingDialog.h"

#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ClipList.h"
#include "model/ProgramState.h"
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

NamingDialog::NamingDialog(ProgramState &state, QWidget &mainWindow, NameDialogSettings &settings)
    : SideWindow(mainWindow, Qt::Tool | Qt::FramelessWindowHint), m_state(state), m_settings(settings)
{
    setObjectName(QStringLiteral("NamingDialog"));
    setFixedSize(DialogWidth, DialogHeight);
    setMouseTracking(true);

    Header = new QLabel(this);
    Header->setObjectName(QStringLiteral("Header"));
    Header->setGeometry(1, 1, DialogWidth - 2, 20);
    Header->setAutoFillBackground(true);
    // The title is fitted to the strip's whole width, so it starts at the strip's left edge.
    Header->setIndent(0);
    QPalette strip = Header->palette();
    strip.setColor(QPalette::Window, strip.color(QPalette::Active, QPalette::Highlight));
    strip.setColor(QPalette::WindowText, strip.color(QPalette::Active, QPalette::HighlightedText));
    Header->setPalette(strip);

    Nametxt = new QLineEdit(this);
    Nametxt->setObjectName(QStringLiteral("Nametxt"));
    Nametxt->setGeometry(72, 27, DialogWidth - 80, 22);
    namelbl = new QLabel(QStringLiteral("名前(&M):"), this);
    namelbl->setObjectName(QStringLiteral("namelbl"));
    namelbl->setGeometry(8, 27, 62, 22);
    namelbl->setBuddy(Nametxt);
    connect(Nametxt, &QLineEdit::returnPressed, this, &NamingDialog::accept);

    const QString captions[2] = {QStringLiteral("O.K."), QStringLiteral("ｷｬﾝｾﾙ")};
    for (int index = 0; index < 2; ++index) {
        auto *button = new QLabel(captions[index], this);
        button->setObjectName(QStringLiteral("Butnlbl%1").arg(index));
        button->setAlignment(Qt::AlignCenter);
        button->setAutoFillBackground(true);
        button->setFrameShape(QFrame::Box);
        button->setGeometry(DialogWidth - 148 + index * 72, 54, 64, 20);
        Butnlbl[index] = button;
    }
    for (QWidget *part : {static_cast<QWidget *>(Header), static_cast<QWidget *>(namelbl),
                          static_cast<QWidget *>(Nametxt), static_cast<QWidget *>(Butnlbl[0]),
                          static_cast<QWidget *>(Butnlbl[1])}) {
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
    placeBesideMain(QPoint(m_settings.NowPosX, m_settings.NowPosY), size());
    FontTextWidth meter;
    meter.setFont(Header->font());
    Header->setText(fitCaption(HeadTitle, Header->width(), meter));
    paintButton(0, ButtonColour);
    paintButton(1, ButtonColour);
    hoverOn = false;
    Nametxt->setText(NameIn);
    Nametxt->selectAll();
    Nametxt->setFocus();
    GoSign = false;
    m_ended = false;
    showActive();
}

void NamingDialog::endNaming()
{
    if (GoSign) {
        ListCollection &lists = m_state.lists();
        if (Commander == nameList) {
            lists.renameList(oLx, NameIn);
            m_state.numberSameNames(oLx);
        } else if (Commander == nameItem) {
            ListItems &items = lists.at(oLx).items();
            if (NameIn.isEmpty())
                items.removeItemName(cLx, cIx);
            else
                items.nameItem(cLx, cIx, NameIn);
        }
    }
    NameIn.clear();
    HeadTitle.clear();
    m_ended = true;
}

void NamingDialog::accept()
{
    if (m_ended)
        return;
    NameIn = Nametxt->text();
    GoSign = true;
    endNaming();
    close();
}

void NamingDialog::cancel()
{
    if (m_ended)
        return;
    GoSign = false;
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
        GoSign = false;
        endNaming();
    }
    event->accept();
}

void NamingDialog::paintButton(int index, quint32 colour)
{
    QPalette palette = Butnlbl[index]->palette();
    palette.setColor(QPalette::Window, fromColourRef(colour));
    palette.setColor(QPalette::WindowText, Qt::black);
    Butnlbl[index]->setPalette(palette);
}

void NamingDialog::hover(int index)
{
    if (hoverOn && hoverIndex == index)
        return;
    if (hoverOn)
        paintButton(hoverIndex, ButtonColour);
    if (index < 0) {
        hoverOn = false;
        return;
    }
    paintButton(index, HoverColour);
    hoverOn = true;
    hoverIndex = index;
}

void NamingDialog::startDrag(const QPoint &globalPos)
{
    dragOn = true;
    dragOff = globalPos - frameGeometry().topLeft();
}

void NamingDialog::dragTo(const QPoint &globalPos)
{
    if (dragOn)
        move(globalPos - dragOff);
}

void NamingDialog::endDrag(const QPoint &globalPos)
{
    if (!dragOn)
        return;
    dragOn = false;
    const QPoint offset = globalPos - dragOff - mainWindow().frameGeometry().topLeft();
    m_settings.NowPosX = offset.x();
    m_settings.NowPosY = offset.y();
}

bool NamingDialog::eventFilter(QObject *watched, QEvent *event)
{
    const int button = watched == Butnlbl[0] ? 0 : watched == Butnlbl[1] ? 1 : -1;
    const bool draggable = watched == Header || watched == namelbl;
    // The labels' mouse events end here: passed on, the dialog would take them for its background.
    const bool label = watched != Nametxt;
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
            Butnlbl[button]->rect().contains(mouse->position().toPoint())) {
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
