// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/x11/SelectionTransfer.h"

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>

#include <xcb/xcb.h>

class QSocketNotifier;
class QTimer;
class XcbSelectionServer;
class XcbClipboardManager;
class XcbOwnerProgram;

// The X side of XcbClipboardConnection: lives in its worker thread with its own X connection,
// follows the clipboard's owner through XFixes and reads each new content (TARGETS, the values of
// the secret markers offered, then one text target); the program's own texts are served from
// here too (XcbSelectionServer). The mouse selection (PRIMARY) is followed the same way when asked,
// each of its contents read once it has settled. See XcbClipboardConnection for the behaviour
// callers see.
class XcbSelectionWorker : public QObject {
    Q_OBJECT
public:
    static constexpr int NoProgressLimitMs = 1000;
    // The same while a newer change waits.
    static constexpr int ReplacedOwnerLimitMs = 100;
    static constexpr qint64 DefaultLargestText = qint64(256) << 20;
    static constexpr int RetryGapMs = 200;
    // A secret marker's value is a word or a number.
    static constexpr qint64 MarkerMaxBytes = 4096;
    // The properties of our window that owners write their answers to, reused in turn.
    static constexpr int PropertyCount = 3;
    // A mouse selection is read once it has not changed for this long with no mouse button held.
    static constexpr int SelectionSettleMs = 300;

    // Connects to the display and checks for XFixes; nullptr when that fails. Windows whose ids
    // lie in ownBase/ownMask belong to this process and are not read.
    static std::unique_ptr<XcbSelectionWorker> connect(quint32 ownBase, quint32 ownMask);
    ~XcbSelectionWorker() override;

public slots:
    // Called in the worker thread: begin and end watching.
    void begin();
    void finish();
    void setRichText(bool rich);
    // currentSeen: the content there as reading begins is not new; its text comes as textRead's seen.
    void setReading(bool reading, bool currentSeen);
    void retry();
    // The largest content read; a larger one fails as too large and is not read again.
    void setLargestText(qint64 bytes) { m_largestText = bytes; }
    // Whether the program keeps the clipboard's text when its owner goes: then it is the desktop's
    // clipboard manager too, unless another one is.
    void setKeeping(bool keeping);
    // Whether the mouse selection is read too, while reading is on. Only its changes from then on.
    void setReadingSelection(bool reading);
    // Content whose owner is one of these programs is treated as secret: never read.
    void setIgnoredPrograms(const QStringList &programs) { m_ignoredPrograms = programs; }

public:
    // Called from any thread: the text is to be served as of time (0: the latest server time this
    // connection has seen). Only the newest text waiting is served; those before it are dropped.
    void queueServe(const QString &text, bool rich, quint32 time, const QString &html = {});

signals:
    // program: the owner's, "" when not known; mouseSelection: PRIMARY's content, not the clipboard's;
    // html: the content as HTML when it offered that (then text may be "").
    void textRead(const QString &text, bool seen, const QString &program, bool mouseSelection, const QString &html);
    void secretSkipped();
    void readFailed();
    // The clipboard's owner went (exited, closed its window or let go) and nobody owns it.
    // Its time is when it went: serving as of then fails when another owner came since.
    void ownerGone(quint32 time);

private:
    struct Change {
        xcb_window_t owner = XCB_NONE;
        xcb_timestamp_t time = XCB_CURRENT_TIME;
        // There as reading resumed with its content marked seen: read, but not new.
        bool seen = false;
        xcb_atom_t selection = XCB_NONE; // CLIPBOARD or PRIMARY
        // One owner's content, however it was marked.
        bool operator==(const Change &other) const { return owner == other.owner && time == other.time; }
    };
    struct Serving {
        QString text;
        bool rich = false;
        quint32 time = XCB_CURRENT_TIME;
        QString html;
    };
    enum class Stage { Targets, Marker, Text, Html };
    // A marker whose value says whether the content is secret.
    struct ValueMarker {
        xcb_atom_t atom = XCB_NONE;
        QString name;
    };
    struct Read {
        Change change;
        QString program;
        QString text; // read before its HTML
        bool rich = false;
        Stage stage = Stage::Targets;
        QList<xcb_atom_t> offered;
        QList<ValueMarker> markers; // offered and not yet asked
        xcb_atom_t target = XCB_NONE;
        std::unique_ptr<SelectionTransfer> transfer;
    };
    struct PropertySlot {
        xcb_atom_t atom = XCB_NONE;
        bool inUse = false;
        qint64 releasedAtMs = 0;
        qint64 freeAtMs = 0;  // a late answer may still land on it until then
        bool retired = false; // abandoned mid-INCR: its owner may write again whenever we delete it
    };
    struct Atoms;

    XcbSelectionWorker(xcb_connection_t *connection, quint32 ownBase, quint32 ownMask);
    bool setUp();

    void drain();
    void handleEvent(const xcb_generic_event_t *event);
    void ownerChanged(xcb_window_t owner, xcb_timestamp_t time);
    void selectionOwnerChanged(xcb_window_t owner, xcb_timestamp_t time);
    void selectionSettled();
    bool readingClipboard() const;
    bool ownerReplaced() const;
    // The read under way gets ReplacedOwnerLimitMs at most once a newer change waits behind it.
    void cutShortIfReplaced();
    bool isOwn(xcb_window_t window) const;
    void enqueue(const Change &change);
    void startNext();
    void serveNewest();
    void request(xcb_atom_t target, int format, const QList<xcb_atom_t> &acceptedTypes, qint64 maxBytes);
    void advance(SelectionTransfer::Step step);
    void restartProgressTimer();
    void readProperty();
    void stageDone();
    void targetsRead(const QByteArray &data);
    void requestMarkerOrText();
    void requestText();
    void skipSecret();
    // The text read (or "" when none of the kind asked for was offered) goes out, and the read ends.
    void textDone(const QString &text, const QString &html = {});
    // Asks for the HTML offered beside a plain text (or in its place); false when none is.
    bool requestHtml();
    static QString decodeHtml(QByteArray bytes);
    void drainRetired(xcb_atom_t property);
    void giveUp();
    void endRead();
    void releaseProperty(bool answerMayFollow);
    xcb_atom_t takeProperty();
    xcb_atom_t chooseTarget(const QList<xcb_atom_t> &offered, bool rich) const;
    QString decode(xcb_atom_t target, QByteArray bytes, bool rich) const;
    xcb_get_property_reply_t *takeValue(xcb_atom_t property);

    xcb_connection_t *m_connection;
    quint32 m_ownBase;
    quint32 m_ownMask;
    xcb_window_t m_window = XCB_NONE;
    quint8 m_xfixesEventBase = 0;
    std::unique_ptr<Atoms> m_atoms;
    std::unique_ptr<XcbSelectionServer> m_server;
    std::unique_ptr<XcbClipboardManager> m_manager;
    std::unique_ptr<XcbOwnerProgram> m_programs;
    QStringList m_ignoredPrograms;
    bool m_keeping = true;
    QList<xcb_atom_t> m_presenceMarkers;
    QList<ValueMarker> m_valueMarkers;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::unique_ptr<QTimer> m_progressTimer;
    std::unique_ptr<QTimer> m_retryTimer;
    QElapsedTimer m_clock;
    qint64 m_lastReadEndMs = -RetryGapMs;
    QList<PropertySlot> m_properties;
    Change m_owner;
    bool m_ownerKnown = false;
    bool m_rich = false;
    bool m_reading = false;
    std::optional<Change> m_pending;
    // The mouse selection: its owner, and its change to read once settled.
    bool m_readingSelection = false;
    Change m_selectionOwner;
    std::unique_ptr<QTimer> m_settleTimer;
    std::optional<Change> m_selectionPending;
    std::optional<Read> m_read;
    qint64 m_largestText = DefaultLargestText;
    // The current owner's content was read into a text that the program keeps.
    bool m_contentKept = false;
    // Content found too large is not asked for again.
    std::optional<Change> m_tooLarge;
    std::atomic<quint32> m_serverTime{XCB_CURRENT_TIME};
    QMutex m_servingLock;
    std::optional<Serving> m_serving;
};
