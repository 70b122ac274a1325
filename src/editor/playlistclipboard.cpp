// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlistclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUuid>
#include <utility>

QString PlaylistClipboard::mimeType()
{
    return QStringLiteral("application/x-playlist");
}

QString PlaylistClipboard::tokenMimeType()
{
    return QStringLiteral("application/x-playlist-instance");
}

namespace {

PlaylistClipboard::Known g_known; // GUI thread only

void writeSystemClipboard(QMimeData* clip)
{
    // The clipboard takes ownership of the mime data.
    QGuiApplication::clipboard()->setMimeData(clip);
}

PlaylistClipboard::Writer g_writer = writeSystemClipboard; // GUI thread only

} // namespace

QByteArray PlaylistClipboard::instanceToken()
{
    static const QByteArray token = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return token;
}

QMimeData* PlaylistClipboard::makeClip(const QByteArray& records)
{
    auto* data = new QMimeData;
    data->setData(mimeType(), records);
    data->setData(tokenMimeType(), instanceToken());
    return data;
}

void PlaylistClipboard::writeClip(const QByteArray& records)
{
    follow();
    g_writer(makeClip(records));
    g_known = {true, true, records.size()};
}

PlaylistClipboard::Writer PlaylistClipboard::setWriter(Writer writer)
{
    return std::exchange(g_writer, writer ? writer : writeSystemClipboard);
}

PlaylistClipboard::Known PlaylistClipboard::known()
{
    return g_known;
}

void PlaylistClipboard::follow()
{
    static bool following = false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (following || !clipboard)
        return;
    following = true;
    QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [clipboard] {
        // On X11 ownership is known locally, and reading another owner's data can wait
        // seconds for an answer. Elsewhere (offscreen, Wayland) the data is read locally.
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            if (!clipboard->ownsClipboard())
                g_known = {};
            return;
        }
        const Probe now = probe();
        g_known = {now.ours, now.hasRecords, now.records ? now.records->size() : 0};
    });
}

PlaylistClipboard::Probe PlaylistClipboard::probe(const QMimeData* data)
{
    Probe result;
    if (!data || !data->hasFormat(tokenMimeType()) ||
        data->data(tokenMimeType()) != instanceToken())
        return result;
    result.ours = true;
    if (!data->hasFormat(mimeType()))
        return result;
    result.hasRecords = true;
    // The paste repairs the records as a loaded file's records are repaired.
    QByteArray records = data->data(mimeType());
    if (!records.isEmpty())
        result.records = std::move(records);
    return result;
}

PlaylistClipboard::Probe PlaylistClipboard::probe()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return probe(clipboard ? clipboard->mimeData() : nullptr);
}
