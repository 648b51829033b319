#include "core/mp3/Id3v2Tag.h"

#include "core/mp3/PlainId3v2.h"

#include <QtEndian>

#include <taglib/commentsframe.h>
#include <taglib/id3v1genres.h>
#include <taglib/id3v2extendedheader.h>
#include <taglib/id3v2footer.h>
#include <taglib/id3v2frame.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2synchdata.h>
#include <taglib/id3v2tag.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/tdebuglistener.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tfile.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
// TagLib reads a tag from a File; this one stands over bytes already in memory, so the song is
// not opened a second time.
class BytesFile : public TagLib::File {
public:
    explicit BytesFile(TagLib::IOStream* stream) : TagLib::File(stream) {}
    TagLib::Tag* tag() const override { return nullptr; }
    TagLib::AudioProperties* audioProperties() const override { return nullptr; }
    bool save() override { return false; }
};

// A damaged tag is an answer, not a message on the user's terminal.
class Silence : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

void silenceTagLib() {
    static Silence silence;
    static std::once_flag once;
    std::call_once(once, [] { TagLib::setDebugListener(&silence); });
}

// TagLib already ends a text at its first zero character, as an ID3v1 text ends: what follows
// is another value or leftover bytes.
QString qText(const TagLib::String& text) {
    return QString::fromStdWString(text.toWString()).trimmed();
}

// The first text of the frame; what follows a zero in a text field is another value of the
// same frame, never part of this one.
QString firstText(const TagLib::ID3v2::Tag& tag, const char* id) {
    const TagLib::ID3v2::FrameList& frames = tag.frameList(id);
    if (frames.isEmpty())
        return {};
    if (const auto* text =
            dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(frames.front()))
        for (const TagLib::String& value : text->fieldList())
            if (!value.isEmpty())
                return qText(value);
    return {};
}

// A comment with a description belongs to another program (iTunNORM, a lyrics site...).
QString commentOf(const TagLib::ID3v2::Tag& tag) {
    for (const TagLib::ID3v2::Frame* frame : tag.frameList("COMM"))
        if (const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame);
            comment && comment->description().isEmpty())
            return qText(comment->text());
    return {};
}

// The first genre named, a numbered one by its ID3v1 name.
QString genreOf(const QString& genre) {
    bool numbered = false;
    const int number = genre.toInt(&numbered);
    if (numbered && number >= 0 && number <= 255)
        return qText(TagLib::ID3v1::genre(number));
    return genre;
}

// Four digits at the start of the recording time ("2004", "2004-05-01"); TagLib reads a 2.3
// year frame as one.
QString yearOf(const QString& time) {
    const QString year = time.left(4);
    const bool digits = year.size() == 4 && std::all_of(year.cbegin(), year.cend(), [](QChar c) {
                            return c >= u'0' && c <= u'9';
                        });
    return digits ? year : QString();
}

// "3" or "3/12": the number before the slash.
std::optional<int> trackOf(const QString& text) {
    bool ok = false;
    const int track = text.section(u'/', 0, 0).trimmed().toInt(&ok);
    return ok && track > 0 ? std::optional<int>(track) : std::nullopt;
}

Id3v2Tag tagOf(const Id3v2Texts& texts) {
    Id3v2Tag tag;
    tag.version = texts.version;
    tag.title = texts.title;
    tag.artist = texts.artist;
    tag.album = texts.album;
    tag.year = yearOf(texts.time);
    tag.genre = genreOf(texts.genre);
    tag.comment = texts.comment;
    tag.track = trackOf(texts.track);
    return tag;
}

// True when the frames TagLib read follow one another up to the padding or the end of body (the
// bytes after the tag header, as the file holds them). TagLib stops at the first frame it cannot
// take, or at a zero byte, and keeps the frames before; when a frame size is wrong, a frame
// before may hold bytes of the next one.
bool framesFillTag(const TagLib::ID3v2::Tag& tag, QByteArrayView body) {
    const TagLib::ID3v2::Header& header = *tag.header();
    const unsigned version = header.majorVersion();
    TagLib::ByteVector decoded;
    if (header.unsynchronisation() && version <= 3) {
        decoded = TagLib::ID3v2::SynchData::decode(
            TagLib::ByteVector(body.data(), unsigned(body.size())));
        body = QByteArrayView(std::as_const(decoded).data(), qsizetype(decoded.size()));
    }
    qint64 position = 0;
    qint64 end = body.size();
    if (header.extendedHeader()) {
        const qint64 extended = tag.extendedHeader() ? tag.extendedHeader()->size() : end + 1;
        if (extended > end)
            return false;
        position = extended;
        end -= extended; // TagLib 1.13 stops this much before the end
    }
    if (header.footerPresent())
        end -= TagLib::ID3v2::Footer::size();
    const qint64 frameHeader = TagLib::ID3v2::Frame::headerSize(version);
    for (const TagLib::ID3v2::Frame* frame : tag.frameList())
        position += frameHeader + frame->size();
    // With an extended header TagLib never looks at the last frame header's worth of bytes: a
    // frame there is left unread, which is no reason to refuse the others.
    const qint64 looked = header.extendedHeader() ? end - frameHeader : end;
    // Padding is zero bytes to the end: a frame that says it is shorter than it is leaves the
    // rest of its text here, and one after it that TagLib could not take leaves its bytes.
    return position >= looked || std::all_of(body.begin() + position, body.begin() + looked,
                                             [](char c) { return c == 0; });
}

// Where the padding at the end of body begins, give or take a few zero bytes that may end the
// last frame (a text's terminator).
qsizetype withoutPadding(QByteArrayView body) {
    qsizetype end = body.size();
    for (quint64 word = 0; end >= 8; end -= 8) {
        std::memcpy(&word, body.data() + end - 8, 8);
        if (word != 0)
            break;
    }
    while (end > 0 && body[end - 1] == 0)
        --end;
    return qMin(body.size(), end + 16);
}

// The tag that starts bytes read by TagLib, given the header and the first `given` bytes after
// it; nullopt when its frames do not fill the tag.
std::optional<Id3v2Tag> readTag(QByteArrayView bytes, qsizetype given, QByteArrayView body) {
    TagLib::ByteVector data(unsigned(kId3v2HeaderSize + given), '\0');
    char* out = data.data();
    std::memcpy(out, bytes.data(), size_t(kId3v2HeaderSize + given));
    if (kId3v2HeaderSize + given < id3v2TagLength(bytes))
        for (int i = 0; i < 4; ++i) // the size of the shorter tag, as a synchsafe number
            out[6 + i] = char(given >> (7 * (3 - i)) & 0x7F);
    TagLib::ByteVectorStream stream(data);
    BytesFile file(&stream);
    const TagLib::ID3v2::Tag tag(&file, 0);
    if (!framesFillTag(tag, body))
        return std::nullopt;

    return tagOf({.version = int(tag.header()->majorVersion()),
                  .title = firstText(tag, "TIT2"),
                  .artist = firstText(tag, "TPE1"),
                  .album = firstText(tag, "TALB"),
                  .time = firstText(tag, "TDRC"),
                  .track = firstText(tag, "TRCK"),
                  .genre = firstText(tag, "TCON"),
                  .comment = commentOf(tag)});
}
} // namespace

QString Id3v2Tag::versionText() const {
    return u"2.%1"_s.arg(version);
}

qint64 id3v2TagLength(QByteArrayView head) {
    if (head.size() < kId3v2HeaderSize || !head.startsWith("ID3"))
        return 0;
    const auto byte = [&head](int i) { return static_cast<quint8>(head[i]); };
    const int version = byte(3);
    if (version < 2 || version > 4 || byte(4) == 0xFF)
        return 0;
    // 2.2's compression bit means a scheme that was never defined: nothing can read such a tag.
    if (version == 2 && (byte(5) & 0x40))
        return 0;
    const std::optional<qint64> size = synchsafeNumber(head.sliced(6, 4));
    if (!size || *size == 0)
        return 0;
    const bool footer = version == 4 && (byte(5) & 0x10);
    return kId3v2HeaderSize + *size + (footer ? kId3v2HeaderSize : 0);
}

std::optional<qint64> synchsafeNumber(QByteArrayView bytes) {
    const quint32 raw = qFromBigEndian<quint32>(bytes.data());
    if (raw & 0x80808080u)
        return std::nullopt;
    return (raw & 0x7F) | (raw >> 1 & 0x3F80) | (raw >> 2 & 0x1FC000) | (raw >> 3 & 0xFE00000);
}

std::optional<Id3v2Tag> parseId3v2(QByteArrayView bytes) {
    if (const std::optional<Id3v2Texts> plain = readPlainId3v2(bytes))
        return tagOf(*plain);
    return parseId3v2ByTagLib(bytes);
}

std::optional<Id3v2Tag> parseId3v2ByTagLib(QByteArrayView bytes) {
    const qint64 length = id3v2TagLength(bytes);
    if (length == 0 || bytes.size() < length)
        return std::nullopt;
    silenceTagLib();
    const char flags = bytes[5];
    const bool footer = bytes[3] == 4 && (flags & 0x10);
    const QByteArrayView body =
        bytes.sliced(kId3v2HeaderSize, length - kId3v2HeaderSize - (footer ? kId3v2HeaderSize : 0));
    // Only the tag goes to TagLib: it takes a second tag right behind the first for padding of
    // the first, and that is not what the song says. Nor does most of the padding go: TagLib
    // copies what is left of the tag for every frame it reads. A frame that does end in many zero
    // bytes makes the shorter tag fail, and then the whole one is read.
    const bool plain = !(flags & 0x40) && !footer; // no extended header
    if (const qsizetype used = plain ? withoutPadding(body) : body.size(); used < body.size())
        if (std::optional<Id3v2Tag> tag = readTag(bytes, used, body))
            return tag;
    return readTag(bytes, length - kId3v2HeaderSize, body);
}
