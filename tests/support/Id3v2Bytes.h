#pragma once

#include <QByteArray>
#include <QString>

// ID3v2 tags made in the test, byte by byte, for versions 2 (2.2), 3 (2.3) and 4 (2.4).

// A frame: its id (three letters in 2.2, four after), its size (a plain number before 2.4, a
// synchsafe one in 2.4), no flags, then body as it stands.
QByteArray id3v2Frame(int version, const QByteArray& id, const QByteArray& body);
// A text frame's body: the encoding byte, then the text in it (1: UTF-16 with a byte-order mark,
// little-endian; 2: UTF-16BE; 3: UTF-8; 0: ISO-8859-1).
QByteArray id3v2Text(int encoding, const QString& text);
// A comment frame's body: encoding 0, language "eng", the description, then the text.
QByteArray id3v2Comment(const QByteArray& description, const QByteArray& text);
// The tag: "ID3", the version, flags, the synchsafe size, the frames and padding zero bytes.
QByteArray id3v2Tag(int version, const QByteArray& frames, int padding = 0, char flags = 0);
