#include "gui/app/RecoveryKeeper.h"

#include <algorithm>

#include "core/files/ProgramDoc.h"
#include "core/files/RecoveryMessage.h"
#include "core/radio/ChannelTable.h"
#include "gui/app/ChildFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"

CRecoveryKeeper::CRecoveryKeeper(const std::string& folder, std::function<void(const QString&)> notify)
    : m_notify(std::move(notify)) {
  m_nClaimError = m_owner.Claim(folder);
  m_timer.setSingleShot(true);
  m_timer.setInterval(kRecoveryDelayMs);
  connect(&m_timer, &QTimer::timeout, this, [this] { WriteAll(); });
}

CRecoveryKeeper::~CRecoveryKeeper() {
  for (const auto& entry : m_documents) m_owner.Remove(entry.first);
}

void CRecoveryKeeper::Watch(CChildFrame* frame) {
  const int number = ++m_nLastNumber;
  m_documents[number].frame = frame;
  connect(frame, &CChildFrame::DocumentChanged, this, [this, number](bool modified) { OnChanged(number, modified); });
  connect(frame, &QObject::destroyed, this, [this, number] {
    m_owner.Remove(number);
    m_documents.erase(number);
  });
  if (frame->Document()->IsModified()) OnChanged(number, true);
}

void CRecoveryKeeper::OnChanged(int number, bool modified) {
  const auto found = m_documents.find(number);
  if (found == m_documents.end()) return;
  found->second.due = modified;
  if (!modified) {
    m_owner.Remove(number);
    return;
  }
  // The wait starts at the first change and later ones do not put it off:
  // however fast the typing goes on, a crash loses at most the delay.
  if (!m_timer.isActive()) m_timer.start();
}

void CRecoveryKeeper::WriteAll() {
  for (auto& [number, document] : m_documents)
    if (document.due) Write(number, document);
}

bool CRecoveryKeeper::Write(int number, Document& document) {
  const CChildFrame* frame = document.frame;
  if (frame == nullptr) return false;
  // The channel edits live in the table until a save stores them: the copy
  // takes them as a save would, and the document stays as it is.
  RadioImage image = frame->Document()->image;
  StoreTableToImage(frame->View()->Table(), image);
  const int error = m_nClaimError != 0 ? m_nClaimError : m_owner.Write(number, image);
  if (error == 0) {
    document.due = false;
    return true;
  }
  // Once: the note would otherwise come back at every change.
  if (!m_bFailureTold && m_notify) m_notify(FromStd(RecoveryFailureText(m_owner.Folder(), error, CurrentLanguage())));
  m_bFailureTold = true;
  return false;
}

void CRecoveryKeeper::OfferLeftCopies(QWidget* owner, const std::function<CChildFrame*(const std::string&)>& open) {
  const COrphanedCopies left(m_owner.Folder());
  for (const std::string& path : left.Paths()) {
    const QMessageBox::StandardButton answer = ProgramMessageBox(
        owner, FromStd(RecoveryOfferText(path, CurrentLanguage())), QMessageBox::Open | QMessageBox::Discard,
        QMessageBox::Question, QString(), QMessageBox::Open);
    if (answer == QMessageBox::Discard) RemoveRecoveryCopy(path);
    if (answer != QMessageBox::Open) continue;
    CChildFrame* frame = open(path);
    if (frame == nullptr) continue;
    // Unsaved again in the new document; the old copy goes only once this
    // run's own copy holds them.
    frame->Document()->SetModifiedFlag();
    const auto watched = std::find_if(m_documents.begin(), m_documents.end(),
                                      [frame](const auto& entry) { return entry.second.frame == frame; });
    if (watched != m_documents.end() && Write(watched->first, watched->second)) RemoveRecoveryCopy(path);
  }
}
