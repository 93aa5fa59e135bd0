#pragma once

#include <AL/al.h>

#include <cstdio>

// Reads a RIFF/WAVE file into the sample bytes and the matching OpenAL buffer
// format, sample rate and loop flag.
//
// The out-parameters first get the defaults: 16-bit mono, no data, size 0,
// 22050 Hz, no loop. A null path or a file that cannot be opened leaves them so.
// When *data is set it is a malloc'ed block of *size + 31 bytes owned by the
// caller; every byte after the whole sample blocks that were read is zero.
//
// Damaged files never make the reader touch memory outside that block:
// - a "data" body longer than the rest of the file is cut to what the file
//   holds, and *size says how many bytes that is;
// - a "data" body that cannot be described by an ALsizei with its 31-byte tail,
//   or that comes before any usable "fmt " (none yet, or a block alignment of
//   0), is skipped like an unknown chunk;
// - a "fmt " body shorter than its 16-byte block, or a "smpl" body too short to
//   hold the loop count, is skipped as well;
// - a truncated file header or chunk header ends the walk.
// Every chunk is left at its declared end (plus pad byte), so a "data" body that
// is not a whole number of blocks does not shift the next chunk header.
void loadWavFile(const char* path, ALenum* format, void** data, ALsizei* size, ALsizei* frequency,
                 ALboolean* loop);

// The same walk over an already opened stream, read from its start. Used by
// loadWavFile and by tools that hold the bytes in memory (fmemopen).
void loadWavStream(std::FILE* file, ALenum* format, void** data, ALsizei* size, ALsizei* frequency,
                   ALboolean* loop);
