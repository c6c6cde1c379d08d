// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a file manager: a small window that starts dragging the files named on its command line
// (as a text/uri-list) when the left button is pressed on it. Prints the drop's outcome and ends.
#include <QDrag>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>
#include <QUrl>
#include <cstdio>

namespace {
class DragWindow : public QRasterWindow {
public:
    explicit DragWindow(QList<QUrl> files) : m_files(std::move(files)) {}

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan); }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *data = new QMimeData;
        data->setUrls(m_files);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
        std::printf("%s\n", done == Qt::CopyAction ? "copied" : done == Qt::IgnoreAction ? "ignored" : "other");
        std::fflush(stdout);
        QGuiApplication::quit();
    }

private:
    QList<QUrl> m_files;
};
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QList<QUrl> files;
    for (const QString &path : app.arguments().mid(1))
        files.append(QUrl::fromLocalFile(path));
    DragWindow window(files);
    window.setTitle(QStringLiteral("filedragger"));
    window.setGeometry(600, 500, 120, 120);
    window.show();
    return app.exec();
}
