#include "playlistclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUuid>

QString PlaylistClipboard::mimeType()
{
    return QStringLiteral("application/x-playlist");
}

QString PlaylistClipboard::tokenMimeType()
{
    return QStringLiteral("application/x-playlist-instance");
}

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
    // The clipboard takes ownership of the mime data.
    QGuiApplication::clipboard()->setMimeData(makeClip(records));
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
