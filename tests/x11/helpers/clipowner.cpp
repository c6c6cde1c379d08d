// SPDX-License-Identifier: GPL-3.0-or-later
// Owns the clipboard with several formats at once, as another program would, and reports on
// standard output every time it is asked for its formats ("listed") or for data
// ("served <mime type>"), so a test can see whether a reader went back to the owner.
//
//   clipowner [--seconds N] (--format MIME TEXT | --format-file MIME PATH)...
//
// Prints "owning" once it owns the clipboard; exits after N seconds (default 120) or when killed.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

void report(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class CountingMimeData : public QMimeData {
public:
    QStringList formats() const override
    {
        report("listed");
        return QMimeData::formats();
    }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType preferredType) const override
    {
        report("served " + mimeType.toUtf8());
        return QMimeData::retrieveData(mimeType, preferredType);
    }
};

int fail(const char *message)
{
    std::fprintf(stderr, "clipowner: %s\n", message);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    auto content = std::make_unique<CountingMimeData>();
    int seconds = 120;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &option = args[i];
        if (option == QLatin1String("--seconds") && i + 1 < args.size()) {
            seconds = args[++i].toInt();
        } else if (option == QLatin1String("--format") && i + 2 < args.size()) {
            content->setData(args[i + 1], args[i + 2].toUtf8());
            i += 2;
        } else if (option == QLatin1String("--format-file") && i + 2 < args.size()) {
            QFile file(args[i + 2]);
            if (!file.open(QIODevice::ReadOnly))
                return fail("cannot read the data file");
            content->setData(args[i + 1], file.readAll());
            i += 2;
        } else {
            return fail("usage: clipowner [--seconds N] (--format MIME TEXT | --format-file MIME PATH)...");
        }
    }
    QGuiApplication::clipboard()->setMimeData(content.release(), QClipboard::Clipboard);
    if (!QGuiApplication::clipboard()->ownsClipboard())
        return fail("could not take the clipboard");
    report("owning");
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
