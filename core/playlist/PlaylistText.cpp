#include "core/playlist/PlaylistText.h"

#include <algorithm>
#include <utility>

namespace {
// Each line is converted on its own, so that a broken sequence cannot spill into the next; a
// U+FEFF that begins a line is part of a name (the file's own mark is skipped before).
constexpr auto kLineByLine =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
} // namespace

PlaylistTextWriter::PlaylistTextWriter(qsizetype expectedBytes)
    : encoder_(QStringConverter::System, kLineByLine) {
    bytes_.resize(expectedBytes);
}

namespace {
LineFault faultIn(QStringView text) {
    if (text.contains(u'\r') || text.contains(u'\n'))
        return LineFault::LineBreak;
    // Bytes that were not text were read as U+FFFD: written back, they would name another file.
    if (text.contains(QChar::ReplacementCharacter))
        return LineFault::NotText;
    // A character the system's encoding lacks, or maps to a look-alike, reads back as another.
    QStringEncoder encoder(QStringConverter::System, kLineByLine);
    QStringDecoder decoder(QStringConverter::System, kLineByLine);
    const QByteArray written = encoder(text);
    const QString readBack = decoder(written);
    return readBack == text ? LineFault::None : LineFault::Encoding;
}
} // namespace

char* PlaylistTextWriter::room(qsizetype bytes) {
    if (used_ + bytes > bytes_.size())
        bytes_.resize(std::max(bytes_.size() * 2, used_ + bytes));
    return bytes_.data() + used_;
}

PlaylistTextWriter& PlaylistTextWriter::operator<<(QStringView text) {
    if (lineFault_ != LineFault::None)
        return *this;
    // Printable ASCII, nearly every line, is the same byte in every 8-bit encoding: copied and
    // checked in one cheap pass. Only the rare rest goes through the encoder. The loop keeps to
    // what compilers turn into vector code: the largest distance above the blank tells whether
    // all were printable (those below it wrap around to large distances).
    char* out = room(text.size());
    const char16_t* in = text.utf16();
    char16_t most = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        most = std::max(most, char16_t(in[i] - u' '));
        out[i] = char(in[i]);
    }
    if (most < 0x60) {
        used_ += text.size();
        return *this;
    }
    lineFault_ = faultIn(text);
    if (lineFault_ == LineFault::None)
        used_ = encoder_.appendToBuffer(room(encoder_.requiredSpace(text.size())), text) -
                bytes_.constData();
    return *this;
}

LineFault PlaylistTextWriter::endLine() {
    char* out = room(2);
    out[0] = '\r';
    out[1] = '\n';
    used_ += 2;
    return std::exchange(lineFault_, LineFault::None);
}
