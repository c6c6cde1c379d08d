// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of CP932 strings: the codec alone, and strings written and read through RecordFile.
// Bytes processed are the CP932 bytes of the text, for encoding and decoding alike.
#include "storage/Cp932Codec.h"
#include "storage/RecordFile.h"

#include <QBuffer>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

// About 1 MB of the kind of text a clipboard history holds: Japanese prose with ASCII words,
// numbers, half-width katakana and line breaks.
QString mixedText()
{
    const QString line = QStringLiteral(
        "クリップボードの履歴を管理します。Copy any text, e.g. \"report-2024.txt\" (12,345 bytes), "
        "and it appears in the list ｸﾘｯﾌﾟ. 文字コードはShift_JISで保存～＼①Ⅰ纊\r\n");
    QString text;
    while (text.size() < 600000)
        text += line;
    return text;
}

const QString &text()
{
    static const QString t = mixedText();
    return t;
}

const QByteArray &encodedText()
{
    static const QByteArray bytes = Cp932Codec::instance().encode(text());
    return bytes;
}

void BM_Cp932Encode(benchmark::State &state)
{
    const Cp932Codec &codec = Cp932Codec::instance();
    QByteArray out;
    for (auto _ : state) {
        out.resize(0);
        codec.encode(text(), out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * encodedText().size());
}
BENCHMARK(BM_Cp932Encode);

void BM_Cp932Decode(benchmark::State &state)
{
    const Cp932Codec &codec = Cp932Codec::instance();
    const QByteArray &bytes = encodedText();
    QString out;
    for (auto _ : state) {
        out.resize(0);
        codec.decode(bytes.constData(), bytes.size(), text().size(), out);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != text())
        state.SkipWithError("decoding did not give the text back");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Cp932Decode);

// writeString into a file collected in memory and handed to a device, as a save does.
void BM_SenBWrite(benchmark::State &state)
{
    for (auto _ : state) {
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        RecordFile file;
        file.openDeviceForSave(device);
        file.writeString(text());
        file.close();
        benchmark::DoNotOptimize(device.data().constData());
    }
    state.SetBytesProcessed(state.iterations() * encodedText().size());
}
BENCHMARK(BM_SenBWrite);

// readString from a file taken from a device, as an open does.
void BM_SenBRead(benchmark::State &state)
{
    QByteArray stored;
    {
        QBuffer device(&stored);
        device.open(QIODevice::WriteOnly);
        RecordFile file;
        file.openDeviceForSave(device);
        file.writeString(text());
        file.close();
    }
    for (auto _ : state) {
        QBuffer device(&stored);
        RecordFile file;
        file.openDeviceForRead(device);
        const QString read = file.readString();
        benchmark::DoNotOptimize(read.constData());
        if (read.size() != text().size())
            state.SkipWithError("the string did not come back whole");
    }
    state.SetBytesProcessed(state.iterations() * encodedText().size());
}
BENCHMARK(BM_SenBRead);

} // namespace

BENCHMARK_MAIN();
