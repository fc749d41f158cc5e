#include "editor/ChannelHistory.h"

#include "radio/ChannelRows.h"

void CChannelHistory::Push(Step step) {
  m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_next), m_steps.end());
  if (m_steps.size() == kMaxSteps) m_steps.erase(m_steps.begin());
  m_steps.push_back(std::move(step));
  m_next = m_steps.size();
}

void CChannelHistory::Record(const ChannelTable& before, const ChannelTable& after) {
  if (before != after) Push({before, after, false, {}, {}});
}

void CChannelHistory::RecordRowOp(const ChannelTable& before, const ChannelTable& after,
                                  const RadioImage& imageBefore, const RadioImage& imageAfter) {
  Push({before, after, true, imageBefore, imageAfter});
}

ChannelTable CChannelHistory::Undo(RadioImage& image) {
  const Step& step = m_steps[--m_next];
  if (step.rowOp) RestoreChannelRows(image, step.imageBefore, step.imageAfter);
  return step.before;
}

ChannelTable CChannelHistory::Redo(RadioImage& image) {
  const Step& step = m_steps[m_next++];
  if (step.rowOp) RestoreChannelRows(image, step.imageAfter, step.imageBefore);
  return step.after;
}

void CChannelHistory::Clear() {
  m_steps.clear();
  m_next = 0;
}
