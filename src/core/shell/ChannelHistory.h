#pragma once
// Undo and redo of the channel window: each step holds the table before and
// after one change (a committed cell, a paste, a cut, an import, a row
// command, a Read). A row command also moved bytes the table does not show,
// and a Read replaced the image, so their steps keep the image from before
// and after as well.
#include <cstddef>
#include <vector>

#include "core/radio/ChannelTable.h"

class CChannelHistory {
 public:
  static constexpr std::size_t kMaxSteps = 100;

  // A change from `before` to `after`; nothing when they are equal. Any
  // step that was undone can no longer be redone.
  void Record(const ChannelTable& before, const ChannelTable& after);
  void RecordRowOp(const ChannelTable& before, const ChannelTable& after, const RadioImage& imageBefore,
                   const RadioImage& imageAfter);
  // A complete Read that changed anything: undoing it puts back every byte
  // it changed (and that was not changed again since) and the table as it was.
  void RecordRead(const ChannelTable& before, const ChannelTable& after, const RadioImage& imageBefore,
                  const RadioImage& imageAfter);

  bool CanUndo() const { return m_next > 0; }
  bool CanRedo() const { return m_next < m_steps.size(); }
  // The table to show once the last step is undone (or the next redone); a
  // row command's channels and a Read's bytes go back into `image`. Only
  // when CanUndo/CanRedo.
  ChannelTable Undo(RadioImage& image);
  ChannelTable Redo(RadioImage& image);

  // A new history, as after a New or an Open.
  void Clear();

 private:
  enum class Kind { Table, Rows, Read };
  struct Step {
    ChannelTable before;
    ChannelTable after;
    Kind kind = Kind::Table;
    RadioImage imageBefore;
    RadioImage imageAfter;
  };
  void Push(Step step);

  std::vector<Step> m_steps;
  std::size_t m_next = 0;  // steps before it are done, from it on undone
};
