#include "ui/ChannelClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <span>

#include "interchange/ChannelClipText.h"

namespace {

const QMimeData* ClipboardData() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->mimeData() : nullptr;
}

std::span<const std::uint8_t> Bytes(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

QByteArray ByteArray(std::span<const std::uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

const QString& BlockType() {
    static const QString type = QString::fromLatin1(CChannelClipboard::kBlockMimeType);
    return type;
}

std::optional<std::vector<ChannelClipRecord>> BlockOn(const QMimeData& data) {
    return data.hasFormat(BlockType())
               ? ChannelClipRecord::DecodeBlock(Bytes(data.data(BlockType())))
               : std::nullopt;
}

bool HasBlock(const QMimeData& data) {
    return data.hasFormat(BlockType()) &&
           ChannelClipRecord::IsBlockSize(static_cast<std::size_t>(data.data(BlockType()).size()));
}

// Whether the clipboard's text may be channels, asked every time the
// commands are updated: the text of another program is fetched and looked at
// only once after each change of the clipboard.
class CTextGuess {
  public:
    bool MightBeChannels() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard != m_watched.data()) {
            m_watched = clipboard;
            m_known = false;
            if (clipboard != nullptr) {
                QObject::connect(clipboard, &QClipboard::dataChanged, clipboard,
                                 [this] { m_known = false; });
            }
        }
        if (!m_known) {
            const std::optional<std::string> text = CChannelClipboard::GetText();
            m_channels = text && ChannelClipText::MightBeChannels(*text);
            m_known = true;
        }
        return m_channels;
    }

  private:
    QPointer<QClipboard> m_watched;
    bool m_known = false;
    bool m_channels = false;
};

}  // namespace

bool CChannelClipboard::HasData() {
    static CTextGuess textGuess;
    const QMimeData* data = ClipboardData();
    if (data == nullptr) {
        return false;
    }
    if (data->hasFormat(QString::fromLatin1(kMimeType)) || HasBlock(*data)) {
        return true;
    }
    return data->hasText() && textGuess.MightBeChannels();
}

void CChannelClipboard::Put(const std::vector<ChannelClipRecord>& records,
                            const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    auto* data = new QMimeData;
    data->setData(BlockType(), ByteArray(ChannelClipRecord::EncodeBlock(records)));
    if (records.size() == 1) {
        data->setData(QString::fromLatin1(kMimeType), ByteArray(records.front().Encode()));
    }
    data->setText(QString::fromStdString(text));
    clipboard->setMimeData(data);  // the clipboard owns data
}

std::optional<std::vector<ChannelClipRecord>> CChannelClipboard::GetRecords() {
    const QMimeData* data = ClipboardData();
    if (data == nullptr) {
        return std::nullopt;
    }
    if (std::optional<std::vector<ChannelClipRecord>> block = BlockOn(*data)) {
        return block;
    }
    const QString single = QString::fromLatin1(kMimeType);
    if (!data->hasFormat(single)) {
        return std::nullopt;
    }
    return std::vector<ChannelClipRecord>{ChannelClipRecord::Decode(Bytes(data->data(single)))};
}

std::optional<std::string> CChannelClipboard::GetText() {
    const QMimeData* data = ClipboardData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    const QString text = data->text();
    if (static_cast<std::size_t>(text.size()) > ChannelClipText::kMaxSize) {
        return std::nullopt;
    }
    std::string utf8 = text.toStdString();
    if (utf8.size() > ChannelClipText::kMaxSize) {
        return std::nullopt;
    }
    return utf8;
}
