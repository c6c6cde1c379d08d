// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/XcbOwnerProgram.h"

#include "platform/x11/XcbCalls.h"

#include <QFile>
#include <QFileInfo>

#include <xcb/res.h>

QString XcbOwnerProgram::Program::shownName() const
{
    if (!process.isEmpty())
        return process;
    return classes.isEmpty() ? QString() : classes.last();
}

bool XcbOwnerProgram::Program::matches(const QStringList &names) const
{
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        if (name.compare(process, Qt::CaseInsensitive) == 0 || classes.contains(name, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

XcbOwnerProgram::XcbOwnerProgram(xcb_connection_t *connection) : m_connection(connection)
{
    if (const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data)
        m_root = screen->root;
    XcbCalls::intern(connection, {{&m_wmPid, "_NET_WM_PID"}, {&m_activeWindow, "_NET_ACTIVE_WINDOW"}});
    const xcb_query_extension_reply_t *resources = xcb_get_extension_data(connection, &xcb_res_id);
    if (resources && resources->present) {
        // Client ids came with version 1.2.
        const auto version = XcbCalls::reply(
            xcb_res_query_version_reply(connection, xcb_res_query_version(connection, 1, 2), nullptr));
        m_hasResources = version && (version->server_major > 1 || (version->server_major == 1 && version->server_minor >= 2));
    }
}

XcbOwnerProgram::Program XcbOwnerProgram::of(xcb_window_t owner) const
{
    Program program = ofWindow(owner);
    if (program.process.isEmpty() && program.classes.isEmpty()) {
        const xcb_window_t active = activeWindow();
        if (active != XCB_NONE && active != owner)
            program = ofWindow(active);
    }
    return program;
}

XcbOwnerProgram::Program XcbOwnerProgram::ofWindow(xcb_window_t window) const
{
    Program program;
    quint32 pid = pidOf(window);
    if (pid == 0)
        pid = clientPidOf(window);
    if (pid != 0)
        program.process = processName(pid);
    program.classes = classesOf(window);
    return program;
}

quint32 XcbOwnerProgram::pidOf(xcb_window_t window) const
{
    if (m_wmPid == XCB_NONE)
        return 0;
    const auto reply = XcbCalls::reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_wmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return *static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
}

quint32 XcbOwnerProgram::clientPidOf(xcb_window_t window) const
{
    if (!m_hasResources)
        return 0;
    xcb_res_client_id_spec_t spec{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    const auto reply = XcbCalls::reply(
        xcb_res_query_client_ids_reply(m_connection, xcb_res_query_client_ids(m_connection, 1, &spec), nullptr));
    if (!reply)
        return 0;
    for (auto ids = xcb_res_query_client_ids_ids_iterator(reply.get()); ids.rem; xcb_res_client_id_value_next(&ids)) {
        if ((ids.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) && xcb_res_client_id_value_value_length(ids.data) == 1)
            return *xcb_res_client_id_value_value(ids.data);
    }
    return 0;
}

QStringList XcbOwnerProgram::classesOf(xcb_window_t window) const
{
    const auto reply = XcbCalls::reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64), nullptr));
    if (!reply || reply->format != 8)
        return {};
    // Two names, each ended by a NUL, in Latin-1.
    const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply.get())),
                           xcb_get_property_value_length(reply.get()));
    QStringList classes;
    for (const QByteArray &name : value.split('\0')) {
        if (!name.isEmpty())
            classes << QString::fromLatin1(name);
    }
    return classes;
}

xcb_window_t XcbOwnerProgram::activeWindow() const
{
    if (m_activeWindow == XCB_NONE || m_root == XCB_NONE)
        return XCB_NONE;
    const auto reply = XcbCalls::reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, m_root, m_activeWindow, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return XCB_NONE;
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
}

QString XcbOwnerProgram::processName(quint32 pid)
{
    // The kernel's name for the process, as `ps` and `top` show it (cut to 15 bytes); the
    // program file's name when that cannot be read.
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly)) {
        const QString name = QString::fromUtf8(comm.read(64)).trimmed();
        if (!name.isEmpty())
            return name;
    }
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid))).fileName();
}
