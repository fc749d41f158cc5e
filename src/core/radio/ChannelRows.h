#pragma once
// Whole channels moved, inserted, deleted and cleared in the image, so that
// every byte of a record goes with its channel, with the channel's scan bit
// and the priority channel that names it.
#include "core/lang/Language.h"
#include "core/radio/ChannelTable.h"
#include "core/radio/RadioImage.h"

// Channel n (1-16) has a receive or a transmit frequency: the table shows it.
bool ChannelHasData(const RadioImage& image, int n);

// An empty channel at n; channels n-15 move down one. Refused (false, the
// image unchanged) when channel 16 has data, which would fall off the end.
bool InsertChannel(RadioImage& image, int n);

// Channels n+1-16 move up one; channel 16 becomes empty.
void DeleteChannel(RadioImage& image, int n);

// Swaps channel n with n-1 (step -1) or n+1 (step +1); false, nothing
// changed, when that channel does not exist.
bool MoveChannel(RadioImage& image, int n, int step);

// Channel n becomes empty: its record erased, its scan bit the erased one.
void ClearChannel(RadioImage& image, int n);

enum class ChannelRowOp { Insert, Delete, MoveUp, MoveDown, Clear };

// A row command of the channel window on the table that holds the user's
// edits and the image under it: the table is stored into the image, the
// operation runs there and the table is decoded again. False when the
// operation is refused; table and image are then both unchanged.
bool ApplyChannelRowOp(ChannelRowOp op, int n, ChannelTable& table, RadioImage& image, Language language);
// The same on channels first-last as one block: Insert makes room for as
// many empty channels as the block has, Delete and Clear take them all, a
// move shifts the block by one and its neighbour goes round to the other end.
bool ApplyChannelRowOp(ChannelRowOp op, int first, int last, ChannelTable& table, RadioImage& image, Language language);

// Puts the channels of `wanted` (records and scan bits) back in place of
// those `replaced` holds, as undoing or redoing a row operation does; the
// priority channel goes back too unless it was changed since.
void RestoreChannelRows(RadioImage& image, const RadioImage& wanted, const RadioImage& replaced);
