#pragma once

#include "core/mp3/FrameHeader.h"
#include "core/mp3/SongReader.h"

// What walking a stream's frames one after the other found.
struct FrameCount {
    qint64 frames = 0;
    qint64 bytes = 0;       // of the frames counted
    bool variable = false;  // the frames use more than one bitrate
    int bitrate = -1;       // of the first frame counted
    qint64 first = -1;      // where the first frame counted begins
    qint64 modes[4] = {};   // frames in each channel mode
    qint64 nanoseconds = 0; // playing time of the frames counted

    // The channel mode most frames use; the earlier one of a tie.
    int commonMode() const;
};

// Counts the frames of stream (its version and layer) from start to end (at most maxFrames when
// that is not negative). A frame follows where the one before ends; where no frame of the stream
// stands there, the next header of the stream that another one follows (or that reaches end) takes
// up the count, so junk in the middle of a song costs only its own bytes. freeBase: the unpadded
// length of a free-format frame. A last frame cut short by the end is counted (decoders play what
// it holds), unless it is the only one and pieceAlone is false. nullopt when reading fails.
std::optional<FrameCount> walkFrames(SongReader& reader, qint64 start, qint64 end,
                                     const FrameHeader& stream, qint64 freeBase,
                                     qint64 maxFrames = -1, bool pieceAlone = false);
