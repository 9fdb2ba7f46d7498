#include "ui/ChannelClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <span>

namespace {

QString MimeType() {
    return QString::fromLatin1(CChannelClipboard::kMimeType);
}

const QMimeData* ClipboardData() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->mimeData() : nullptr;
}

}  // namespace

bool CChannelClipboard::HasRecord() {
    const QMimeData* data = ClipboardData();
    return data != nullptr && data->hasFormat(MimeType());
}

void CChannelClipboard::Put(const ChannelClipRecord& record) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    const auto bytes = record.Encode();
    auto* data = new QMimeData;
    data->setData(MimeType(), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                         static_cast<qsizetype>(bytes.size())));
    clipboard->setMimeData(data);  // the clipboard owns data
}

std::optional<ChannelClipRecord> CChannelClipboard::Get() {
    const QMimeData* data = ClipboardData();
    if (data == nullptr || !data->hasFormat(MimeType())) {
        return std::nullopt;
    }
    const QByteArray bytes = data->data(MimeType());
    return ChannelClipRecord::Decode(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}
