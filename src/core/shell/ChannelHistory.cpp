#include "core/shell/ChannelHistory.h"

#include "core/radio/ChannelRows.h"

namespace {
// Every byte a Read changed goes back to what `wanted` holds, unless it was
// changed again since (an option dialog's OK is no step of its own).
void RestoreReadBytes(RadioImage& image, const RadioImage& wanted, const RadioImage& replaced) {
  for (std::size_t a = 0; a < RadioImage::size(); ++a)
    if (image[a] == replaced[a]) image[a] = wanted[a];
}

void Restore(RadioImage& image, bool read, const RadioImage& wanted, const RadioImage& replaced) {
  if (read)
    RestoreReadBytes(image, wanted, replaced);
  else
    RestoreChannelRows(image, wanted, replaced);
}
}  // namespace

void CChannelHistory::Push(Step step) {
  m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_next), m_steps.end());
  if (m_steps.size() == kMaxSteps) m_steps.erase(m_steps.begin());
  m_steps.push_back(std::move(step));
  m_next = m_steps.size();
}

void CChannelHistory::Record(const ChannelTable& before, const ChannelTable& after) {
  if (before != after) Push({before, after, Kind::Table, {}, {}});
}

void CChannelHistory::RecordRowOp(const ChannelTable& before, const ChannelTable& after, const RadioImage& imageBefore,
                                  const RadioImage& imageAfter) {
  Push({before, after, Kind::Rows, imageBefore, imageAfter});
}

void CChannelHistory::RecordRead(const ChannelTable& before, const ChannelTable& after, const RadioImage& imageBefore,
                                 const RadioImage& imageAfter) {
  if (before != after || imageBefore != imageAfter) Push({before, after, Kind::Read, imageBefore, imageAfter});
}

ChannelTable CChannelHistory::Undo(RadioImage& image) {
  const Step& step = m_steps[--m_next];
  if (step.kind != Kind::Table) Restore(image, step.kind == Kind::Read, step.imageBefore, step.imageAfter);
  return step.before;
}

ChannelTable CChannelHistory::Redo(RadioImage& image) {
  const Step& step = m_steps[m_next++];
  if (step.kind != Kind::Table) Restore(image, step.kind == Kind::Read, step.imageAfter, step.imageBefore);
  return step.after;
}

void CChannelHistory::Clear() {
  m_steps.clear();
  m_next = 0;
}
