// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

// Another program owning the X clipboard, for tests that run on a real X server: xclip, or the
// helper clipowner, which offers several formats at once and reports every time it is asked for
// them. The helper is looked up in helpers/ beside the test, or at $QK_CLIPOWNER.
// Needs a QGuiApplication on xcb; the event loop keeps running while it waits.
class ClipboardOwner {
public:
    static constexpr int OwnerTimeoutMs = 15000;

    ClipboardOwner() = default;
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner &) = delete;
    ClipboardOwner &operator=(const ClipboardOwner &) = delete;

    static QString helperPath();

    // Makes another program the clipboard's owner and waits until this process has been told.
    // owner[0] is "xclip" (its further arguments follow; input is its standard input) or
    // "helper" (clipowner's arguments follow).
    bool take(const QStringList &owner, const QByteArray &input = {});
    // The helper's reports since it took the clipboard, after letting any late ones arrive.
    QList<QByteArray> helperReports(int settleMs = 150);
    // Ends the current owner, if any.
    void release();

    // What `xclip -o` reads from the clipboard for the target (its default target when empty).
    // The event loop keeps running meanwhile: when this process owns the clipboard, it is the
    // one who answers.
    static QByteArray readWithXclip(const QString &target = {});

private:
    std::unique_ptr<QProcess> m_owner;
    QList<QByteArray> m_reports;
};
