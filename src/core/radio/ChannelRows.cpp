#include "core/radio/ChannelRows.h"

#include "core/radio/ChannelCodecs.h"

namespace {

constexpr int kLast = ImageMap::kChannelCount;

// One channel's state wherever it lives in the image.
struct ChannelState {
  ChannelRecord record;
  bool scan = true;
};

ChannelState StateOf(const RadioImage& image, int n) { return {image.Channel(n), image.ScanBit(n)}; }

void Put(RadioImage& image, int n, const ChannelState& state) {
  image.SetChannel(n, state.record);
  image.SetScanBit(n, state.scan);
}

ChannelState ErasedChannel() {
  ChannelState state;
  state.record.raw.fill(ImageMap::kErased);
  return state;
}

// The priority channel follows its channel to `to`; 0 (off) when the channel
// leaves the list. Values that name no channel are left alone.
void MovePriority(RadioImage& image, int from, int to) {
  std::uint8_t& priority = image[ImageMap::kPriorityChannel];
  if (priority == from) priority = static_cast<std::uint8_t>(to);
}

bool ValidChannel(int n) { return n >= 1 && n <= kLast; }

}  // namespace

bool ChannelHasData(const RadioImage& image, int n) {
  const ChannelRecord record = image.Channel(n);
  return FrequencyIsSet(record.rxFrequency()) || FrequencyIsSet(record.txFrequency());
}

bool InsertChannel(RadioImage& image, int n) {
  if (!ValidChannel(n) || ChannelHasData(image, kLast)) return false;
  MovePriority(image, kLast, 0);
  for (int k = kLast; k > n; --k) {
    Put(image, k, StateOf(image, k - 1));
    MovePriority(image, k - 1, k);
  }
  Put(image, n, ErasedChannel());
  return true;
}

void DeleteChannel(RadioImage& image, int n) {
  if (!ValidChannel(n)) return;
  MovePriority(image, n, 0);
  for (int k = n; k < kLast; ++k) {
    Put(image, k, StateOf(image, k + 1));
    MovePriority(image, k + 1, k);
  }
  Put(image, kLast, ErasedChannel());
}

bool MoveChannel(RadioImage& image, int n, int step) {
  const int other = n + step;
  if (!ValidChannel(n) || !ValidChannel(other) || (step != 1 && step != -1)) return false;
  const ChannelState moving = StateOf(image, n);
  Put(image, n, StateOf(image, other));
  Put(image, other, moving);
  std::uint8_t& priority = image[ImageMap::kPriorityChannel];
  if (priority == n)
    priority = static_cast<std::uint8_t>(other);
  else if (priority == other)
    priority = static_cast<std::uint8_t>(n);
  return true;
}

void ClearChannel(RadioImage& image, int n) {
  if (ValidChannel(n)) Put(image, n, ErasedChannel());
}

namespace {

bool RunRowOp(ChannelRowOp op, int first, int last, RadioImage& image) {
  if (!ValidChannel(first) || !ValidChannel(last) || first > last) return false;
  switch (op) {
    case ChannelRowOp::Insert:
      for (int n = first; n <= last; ++n)
        if (!InsertChannel(image, first)) return false;
      return true;
    case ChannelRowOp::Delete:
      for (int n = first; n <= last; ++n) DeleteChannel(image, first);
      return true;
    case ChannelRowOp::MoveUp:
      for (int n = first; n <= last; ++n)
        if (!MoveChannel(image, n, -1)) return false;
      return true;
    case ChannelRowOp::MoveDown:
      for (int n = last; n >= first; --n)
        if (!MoveChannel(image, n, 1)) return false;
      return true;
    case ChannelRowOp::Clear:
      for (int n = first; n <= last; ++n) ClearChannel(image, n);
      return true;
  }
  return false;
}

}  // namespace

bool ApplyChannelRowOp(ChannelRowOp op, int n, ChannelTable& table, RadioImage& image, Language language) {
  return ApplyChannelRowOp(op, n, n, table, image, language);
}

bool ApplyChannelRowOp(ChannelRowOp op, int first, int last, ChannelTable& table, RadioImage& image,
                       Language language) {
  RadioImage work = image;
  StoreTableToImage(table, work);
  if (!RunRowOp(op, first, last, work)) return false;
  image = work;
  table = TableFromImage(image, language);
  return true;
}

void RestoreChannelRows(RadioImage& image, const RadioImage& wanted, const RadioImage& replaced) {
  for (int n = 1; n <= kLast; ++n) Put(image, n, StateOf(wanted, n));
  std::uint8_t& priority = image[ImageMap::kPriorityChannel];
  if (priority == replaced[ImageMap::kPriorityChannel]) priority = wanted[ImageMap::kPriorityChannel];
}
