// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryStore.h"

#include "model/ChangeJournal.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ProgramTexts.h"
#include "model/seams/MessageBoxPort.h"
#include "storage/HistoryConversion.h"
#include "storage/HistoryDatabase.h"
#include "storage/HistoryWriter.h"
#include "storage/OwnerOnlyFiles.h"

#include <QDir>

HistoryStore::HistoryStore(ListCollection &lists, ListDisplay &display, ChangeJournal &journal, MessageBoxPort &messages)
    : m_lists(lists), m_display(display), m_journal(journal), m_messages(messages)
{
    m_collect.setSingleShot(true);
    m_collect.setInterval(CollectMs);
    connect(&m_collect, &QTimer::timeout, this, &HistoryStore::collect);
    connect(&m_journal, &ChangeJournal::changesWaiting, &m_collect, qOverload<>(&QTimer::start));
    m_thread.setObjectName(QStringLiteral("history writer"));
}

HistoryStore::~HistoryStore()
{
    finish();
}

QString HistoryStore::aboutTheFile(const QString &problem) const
{
    const QString &crLf = ProgramTexts::lineBreak();
    return QStringLiteral("履歴ﾌｧｲﾙ：") + QDir::toNativeSeparators(m_path) + crLf + crLf + problem;
}

void HistoryStore::tell(const QString &problem)
{
    const QString text = aboutTheFile(problem);
    // Told once the window is up, and not waited for: nobody may be there to answer at a login.
    QTimer::singleShot(0, this, [this, text] {
        m_messages.notify(ProgramTexts::title(), text, MessageBoxPort::Icon::Warning);
    });
}

std::optional<KeptHistory> HistoryStore::open(const QString &path)
{
    m_path = path;
    const QString &crLf = ProgramTexts::lineBreak();
    const QString notKept = crLf + crLf + QStringLiteral("今回はﾘｽﾄを次回の起動まで保持しません。");
    auto database = std::make_unique<HistoryDatabase>();
    OwnerOnlyFiles::makeFolder(QFileInfo(path).absolutePath());
    HistoryDatabase::Opened opened = database->open(path);
    const QString whyNotWritten = database->errorString();
    std::optional<KeptHistory> kept;
    if (opened == HistoryDatabase::Opened::Existing || opened == HistoryDatabase::Opened::ReadOnly
        || opened == HistoryDatabase::Opened::Older) {
        // The texts of a current file are unpacked while the window is built; an earlier version's
        // are written anew at once.
        kept = database->read(opened == HistoryDatabase::Opened::Older ? HistoryDatabase::Unpacking::Now
                                                                        : HistoryDatabase::Unpacking::InBackground);
        if (!kept) {
            database->close();
            opened = HistoryDatabase::Opened::Unusable;
        }
    }
    switch (opened) {
    case HistoryDatabase::Opened::Existing:
        break;
    case HistoryDatabase::Opened::Older: {
        // The lists come back either way; only a converted file keeps what changes.
        QString why;
        if (!HistoryConversion::convert(*database, *kept, path, why)) {
            database->close();
            tell(QStringLiteral("履歴ﾌｧｲﾙを新しい形式に変換できませんでした。") + crLf + why + crLf + crLf
                 + QStringLiteral("元のﾌｧｲﾙはそのまま残してあります。前回のﾘｽﾄを読み込みましたが、今回の変更は次回の起動まで保持しません。"));
            return kept;
        }
        if (database->open(path) != HistoryDatabase::Opened::Existing) {
            tell(QStringLiteral("履歴ﾌｧｲﾙを開けませんでした。") + crLf + database->errorString() + notKept);
            database->close();
            return kept;
        }
        break;
    }
    case HistoryDatabase::Opened::ReadOnly:
        // Left as it is: the lists come back, and what changes stays with this run.
        tellOfDamagedTexts(kept->texts);
        tell(QStringLiteral("履歴ﾌｧｲﾙに書き込めません。") + crLf + whyNotWritten + crLf + crLf
             + QStringLiteral("前回のﾘｽﾄを読み込みましたが、今回の変更は次回の起動まで保持しません。"));
        return kept;
    case HistoryDatabase::Opened::Created:
        m_writeEverything = true;
        break;
    case HistoryDatabase::Opened::InUse:
        tell(QStringLiteral("履歴ﾌｧｲﾙは別のﾌﾟﾛｸﾞﾗﾑが使用中です。") + notKept);
        return std::nullopt;
    case HistoryDatabase::Opened::CannotCreate:
        tell(QStringLiteral("履歴ﾌｧｲﾙを作成できませんでした。") + crLf + database->errorString() + notKept);
        return std::nullopt;
    case HistoryDatabase::Opened::Unusable: {
        const QString why = database->errorString();
        if (!HistoryDatabase::setAside(path)) {
            tell(QStringLiteral("履歴ﾌｧｲﾙを読み込めませんでした。") + crLf + why + notKept);
            return std::nullopt;
        }
        tell(QStringLiteral("履歴ﾌｧｲﾙを読み込めませんでした。") + crLf + why + crLf + crLf
             + QStringLiteral("元のﾌｧｲﾙを次の名前で残し、空のﾘｽﾄで起動します。") + crLf
             + QDir::toNativeSeparators(HistoryDatabase::backupPath(path)));
        if (database->open(path) != HistoryDatabase::Opened::Created) {
            tell(QStringLiteral("履歴ﾌｧｲﾙを作成できませんでした。") + crLf + database->errorString() + notKept);
            return std::nullopt;
        }
        m_writeEverything = true;
        break;
    }
    }
    start(std::move(database));
    if (kept) {
        m_lastLayout = HistoryBatch::Layout::of(*kept);
        tellOfDamagedTexts(kept->texts);
    }
    return kept;
}

void HistoryStore::tellOfDamagedTexts(std::shared_ptr<PackedTexts> texts)
{
    if (!texts)
        return;
    // Once the window is up and the texts are long unpacked: the damaged ones are left empty, and
    // the file keeps them as they are until their items change.
    QTimer::singleShot(CollectMs, this, [this, texts] {
        if (!texts->waitForAll())
            tell(QStringLiteral("履歴ﾌｧｲﾙの一部の項目が壊れていて、その文字列を読み込めませんでした。"));
    });
}

void HistoryStore::switchOn(const QString &path)
{
    if (keeping())
        return;
    open(path);
    // Whatever a database there held, it now holds the lists as they are.
    m_writeEverything = true;
    collect();
}

void HistoryStore::switchOff()
{
    if (!keeping())
        return;
    stop();
    HistoryDatabase::remove(m_path);
}

void HistoryStore::start(std::unique_ptr<HistoryDatabase> database)
{
    m_writer = new HistoryWriter(std::move(database));
    m_writer->moveToThread(&m_thread);
    connect(m_writer, &HistoryWriter::failed, this, [this](const QString &reason, bool diskFull) {
        const QString &crLf = ProgramTexts::lineBreak();
        tell(QStringLiteral("履歴ﾌｧｲﾙに書き込めませんでした。") + crLf + reason + crLf + crLf
             + (diskFull ? QStringLiteral("ﾃﾞｨｽｸの空きを作ってください。") + crLf : QString())
             + QStringLiteral("書き込めるようになりしだい、あらためて書き込みます。"));
    });
    m_thread.start(QThread::LowPriority);
    m_lastLayout.reset();
    m_journal.setRecording(true);
}

void HistoryStore::stop()
{
    m_collect.stop();
    m_journal.setRecording(false);
    if (!m_writer)
        return;
    m_thread.quit();
    m_thread.wait();
    delete m_writer;
    m_writer = nullptr;
}

void HistoryStore::finish()
{
    if (!keeping())
        return;
    collect();
    // Told here and now: a word queued for later would never be seen once the program has ended.
    disconnect(m_writer, &HistoryWriter::failed, this, nullptr);
    bool written = true;
    QString problem;
    QMetaObject::invokeMethod(
        m_writer,
        [writer = m_writer, &written, &problem] {
            written = writer->finish();
            problem = writer->errorString();
        },
        Qt::BlockingQueuedConnection);
    stop();
    if (written)
        return;
    const QString &crLf = ProgramTexts::lineBreak();
    m_messages.show(ProgramTexts::title(),
                    aboutTheFile(QStringLiteral("履歴ﾌｧｲﾙに書き込めませんでした。") + crLf + problem + crLf + crLf
                                 + QStringLiteral("最後の変更は次回の起動まで保持されません。")),
                    MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::Ok);
}

void HistoryStore::collect()
{
    m_collect.stop();
    if (!keeping())
        return;
    ChangeJournal::Changes changes = m_journal.take();
    HistoryBatch batch;
    batch.entries = std::move(changes.entries);
    if (std::exchange(m_writeEverything, false)) {
        everyItem(batch);
        changes.layout = true;
    }
    if (changes.layout) {
        HistoryBatch::Layout now = currentLayout();
        if (!m_lastLayout || now != *m_lastLayout) {
            m_lastLayout = now;
            batch.layout = std::move(now);
        }
    }
    if (batch.empty())
        return;
    HistoryWriter *writer = m_writer;
    QMetaObject::invokeMethod(writer, [writer, batch = std::move(batch)]() mutable { writer->write(std::move(batch)); });
}

void HistoryStore::everyItem(HistoryBatch &batch)
{
    batch.replaceAll = true;
    batch.entries.clear();
    for (ListNumber list{0}; list < m_lists.count(); ++list) {
        ListRecord &record = m_lists.at(list);
        ListItems &items = record.items();
        for (RowNumber row{0}; row < items.rowCount(); ++row) {
            const ClipItem &item = items.at(items.itemOfRow(row));
            batch.entries.push_back({ChangeJournal::Entry::Kind::ItemWritten, record.id(), item.id, items.rowKey(row),
                                     item.text, item.name, item.program, item.html});
        }
    }
    batch.sortWrittenItems();
}

HistoryBatch::Layout HistoryStore::currentLayout()
{
    HistoryBatch::Layout layout;
    for (ListNumber list{0}; list < m_lists.count(); ++list) {
        const ListRecord &record = m_lists.at(list);
        layout.lists.push_back({record.id(), static_cast<const ListOptions &>(record)});
    }
    for (qint16 position = 0; position < m_display.paneCount(); ++position) {
        const PaneRecord &pane = m_display.paneRecord(m_display.paneAtPosition(position));
        layout.panes.push_back({m_lists.at(pane.list).id(), pane.heightShare});
    }
    layout.focusedPane = m_display.positionOf(m_display.focusedPane());
    return layout;
}
