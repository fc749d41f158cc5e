#pragma once
// Keeps a recovery copy of each channel window's document while it has
// unsaved changes (core/files/RecoveryCopies.h): written a moment after a
// change, at once when the program is told to end, removed once the changes
// are saved or given up. At start it offers the copies that programs which
// are gone left behind.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

#include "core/files/RecoveryCopies.h"

class QWidget;
class CChildFrame;

class CRecoveryKeeper : public QObject {
 public:
  // Copies go to `folder`; a copy that cannot be written is told once
  // through `notify`.
  CRecoveryKeeper(const std::string& folder, std::function<void(const QString&)> notify);
  // The program ends normally: every question about unsaved changes was
  // answered, so what is left was given up and its copy goes.
  ~CRecoveryKeeper() override;

  // From now on the window's document has a copy while it is modified; the
  // copy goes with the window (File New over it).
  void Watch(CChildFrame* frame);
  // Every modified document's copy, written now; no question is asked.
  void WriteAll();

  // Asks for each copy left by a program that is gone: Open (through
  // `open`, as a new untitled document that keeps the changes) or Discard.
  // A copy stays until its changes are in a copy of this run's.
  void OfferLeftCopies(QWidget* owner, const std::function<CChildFrame*(const std::string&)>& open);

 private:
  struct Document {
    QPointer<CChildFrame> frame;
    bool due = false;  // changed since its copy was written
  };
  void OnChanged(int number, bool modified);
  bool Write(int number, Document& document);

  CRecoveryOwner m_owner;
  int m_nClaimError = 0;
  std::map<int, Document> m_documents;  // by copy number
  int m_nLastNumber = 0;
  QTimer m_timer;
  std::function<void(const QString&)> m_notify;
  bool m_bFailureTold = false;
};
