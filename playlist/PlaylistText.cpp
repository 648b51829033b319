#include "playlist/PlaylistText.h"

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
    QStringEncoder encoder(QStringConverter::System, kLineByLine);
    QStringDecoder decoder(QStringConverter::System, kLineByLine);
    const QByteArray written = encoder(text);
    const QString readBack = decoder(written);
    const bool same = !encoder.hasError() && !decoder.hasError() && readBack == text;
    return same ? LineFault::None : LineFault::Encoding;
}
} // namespace

PlaylistTextWriter& PlaylistTextWriter::operator<<(QStringView text) {
    if (lineFault_ != LineFault::None)
        return *this;
    const qsizetype need = encoder_.requiredSpace(text.size());
    if (used_ + need > bytes_.size())
        bytes_.resize(std::max(bytes_.size() * 2, used_ + need));
    // Printable ASCII, nearly every line, is the same byte in every 8-bit encoding: copied and
    // checked in one cheap pass. Only the rare rest goes through the encoder.
    char* out = bytes_.data() + used_;
    bool printable = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        printable &= unsigned(c - 0x20) < 0x60;
        out[i] = char(c);
    }
    if (printable) {
        used_ += text.size();
        return *this;
    }
    lineFault_ = faultIn(text);
    if (lineFault_ == LineFault::None)
        used_ = encoder_.appendToBuffer(out, text) - bytes_.constData();
    return *this;
}

LineFault PlaylistTextWriter::endLine() {
    if (used_ + 2 > bytes_.size())
        bytes_.resize(std::max(bytes_.size() * 2, used_ + 2));
    bytes_[used_++] = '\r';
    bytes_[used_++] = '\n';
    return std::exchange(lineFault_, LineFault::None);
}
